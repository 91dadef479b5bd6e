#pragma once
// Screenshots of the whole virtual desktop, captions, frames and balloon tooltips included, for a person to look
// at after a run. They are taken by ImageMagick's `import`, which Wine starts as a Unix program.

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace e2e {

// Saves NAME.png in the screenshot folder (made when missing); NAME holds letters, digits, '-' and '_' only.
// Succeeds once the finished picture is there; *unixPath receives its path when given.
testing::AssertionResult SaveScreenshot(const std::string& name, std::string* unixPath = nullptr);
// The same, cut to one window's outer rectangle (caption and frame included).
testing::AssertionResult SaveWindowScreenshot(const std::string& name, HWND window, std::string* unixPath = nullptr);

}  // namespace e2e
