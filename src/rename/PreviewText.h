#pragma once
// The words of the column "Nouveau nom": a row's new name, or why its rename is foreseen to fail; the column's
// header with the number of failures; the reason every row fails when "Renommer" would be refused. Window-free.

#include <string>
#include <string_view>

#include "rename/PassPlan.h"
#include "rename/RenameRequest.h"

namespace renaming {

// `newName` is the name as Windows makes it; `takenByName`, for NameTakenInPass, the old name of the earlier row.
std::wstring ForecastText(RowOutcome outcome, std::wstring_view newName, std::wstring_view takenByName);

// "Nouveau nom", "Nouveau nom ( 1 échec prévu )", "Nouveau nom ( N échecs prévus )".
std::wstring PreviewHeader(int failures);

// While "Renommer" would be refused for a field: the header, and the cell of every row.
inline constexpr const wchar_t* kRefusedPreviewHeader = L"Nouveau nom ( renommage refusé )";
std::wstring RefusalCellText(const RenameMessage& refusal);

}  // namespace renaming
