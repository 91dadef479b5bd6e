#pragma once
// What the user sees of a rename pass: the row being renamed in the activity line and the percentage in the
// progress bar. The pass takes no input from the queue, so the two controls are painted here directly, several
// times a second (what no one could see between two paints is not even handed to them), and the system is shown
// the thread is alive.

#include <string>

#include "rename/RenameLoop.h"

namespace renaming {

class PassDisplay : public PassObserver {
 public:
  PassDisplay();
  // The row being handled.
  void RowStarted(const std::wstring& fullPath) override;
  void Progressed(int percent) override;
  // Paints both controls now.
  void Flush();

 private:
  void PaintWhenDue();
  std::wstring row_;
  int percent_ = 0;
  unsigned long long lastPaint_ = 0;
  bool pending_ = false;
};

}  // namespace renaming
