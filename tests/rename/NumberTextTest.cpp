#include "rename/NumberText.h"

#include <cstdint>
#include <limits>

#include <gtest/gtest.h>

namespace {

using renaming::DecimalText;
using renaming::TextValue;
using renaming::TextValue32;
using renaming::WrappingAdd;

struct ValueCase {
  const wchar_t* text;
  std::int64_t expected;
};

TEST(TextValue, ReadsDecimalHexadecimalAndBinaryWithASign) {
  const ValueCase cases[] = {
      {L"1", 1},          {L"8", 8},          {L"0042", 42},      {L"+7", 7},        {L"-12", -12},
      {L"$1F", 31},       {L"$ff", 255},      {L"$aBc", 0xABC},   {L"-$10", -16},    {L"+$10", 16},
      {L"%101", 5},       {L"-%11", -3},      {L"%0", 0},         {L"2147483647", 2147483647},
      {L"-2147483648", -2147483648LL},        {L"9223372036854775807", std::numeric_limits<std::int64_t>::max()},
  };
  for (const ValueCase& c : cases) EXPECT_EQ(TextValue(c.text), c.expected) << "text \"" << c.text << "\"";
}

TEST(TextValue, SkipsLeadingSpacesAndTabsOnly) {
  const ValueCase cases[] = {
      {L"   5", 5}, {L"\t\t5", 5}, {L" \t -5", -5}, {L"\n5", 0}, {L"- 5", 0}, {L"$ 5", 0}, {L"5 6", 5},
  };
  for (const ValueCase& c : cases) EXPECT_EQ(TextValue(c.text), c.expected) << "text \"" << c.text << "\"";
}

TEST(TextValue, StopsAtTheFirstCharacterOutsideTheBase) {
  const ValueCase cases[] = {
      {L"", 0},       {L"abc", 0},    {L"12abc", 12}, {L"$FG", 15},  {L"%102", 2},   {L"%2", 0},
      {L"$", 0},      {L"%", 0},      {L"-", 0},      {L"+-3", 0},   {L"--3", 0},    {L"1A", 1},
      {L"$-1", 0},    {L"1.5", 1},    {L"1,5", 1},    {L"١٢", 0},
  };
  for (const ValueCase& c : cases) EXPECT_EQ(TextValue(c.text), c.expected) << "text \"" << c.text << "\"";
}

TEST(TextValue, WrapsPastSixtyFourBitsWithoutFault) {
  const ValueCase cases[] = {
      {L"9223372036854775808", std::numeric_limits<std::int64_t>::min()},
      {L"-9223372036854775808", std::numeric_limits<std::int64_t>::min()},
      {L"18446744073709551615", -1},
      {L"18446744073709551616", 0},
      {L"$FFFFFFFFFFFFFFFF", -1},
      {L"$10000000000000001", 1},
      {L"%10000000000000000000000000000000000000000000000000000000000000000011", 3},
      {L"99999999999999999999999999999999999999", 687399551400673279},  // (10^38 - 1) mod 2^64
  };
  for (const ValueCase& c : cases) EXPECT_EQ(TextValue(c.text), c.expected) << "text \"" << c.text << "\"";
}

TEST(TextValue32, KeepsTheLowThirtyTwoBitsAsASignedNumber) {
  struct Case32 {
    const wchar_t* text;
    std::int32_t expected;
  };
  const Case32 cases[] = {
      {L"2147483647", 2147483647},  {L"2147483648", -2147483647 - 1}, {L"4294967295", -1},
      {L"4294967296", 0},           {L"4294967297", 1},               {L"$FFFFFFFF", -1},
      {L"$100000005", 5},           {L"-1", -1},                      {L"-4294967297", -1},
      {L"", 0},
  };
  for (const Case32& c : cases) EXPECT_EQ(TextValue32(c.text), c.expected) << "text \"" << c.text << "\"";
}

TEST(WrappingAdd, WrapsAtTheEdgesOfThirtyTwoBits) {
  constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
  constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
  struct AddCase {
    std::int32_t a;
    std::int32_t b;
    std::int32_t expected;
  };
  const AddCase cases[] = {
      {1, 1, 2}, {8, 2, 10}, {5, -7, -2}, {kMax, 1, kMin}, {kMin, -1, kMax}, {kMax, kMax, -2}, {kMin, kMin, 0},
  };
  for (const AddCase& c : cases) {
    EXPECT_EQ(WrappingAdd(c.a, c.b), c.expected) << c.a << " + " << c.b;
  }
}

TEST(DecimalText, WritesDigitsWithoutPaddingOrSeparators) {
  struct TextCase {
    std::int64_t value;
    const wchar_t* expected;
  };
  const TextCase cases[] = {
      {0, L"0"},
      {7, L"7"},
      {10, L"10"},
      {1234567, L"1234567"},
      {-42, L"-42"},
      {-2147483648LL, L"-2147483648"},
      {std::numeric_limits<std::int64_t>::min(), L"-9223372036854775808"},
  };
  for (const TextCase& c : cases) EXPECT_EQ(DecimalText(c.value), c.expected) << "value " << c.value;
}

}  // namespace
