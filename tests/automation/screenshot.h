#pragma once
// Pictures of the screen for looking at a window (tools/bmp-to-png turns the
// files into PNG on the Unix side).
#include <windows.h>

#include <filesystem>

namespace uia {

// Saves what the screen shows as a 24-bit BMP file: the whole screen, or with
// a window given, the window's rectangle (frame included, and whatever covers
// it). Throws std::runtime_error on failure.
void SaveScreenshot(const std::filesystem::path& file, HWND window = nullptr);

}  // namespace uia
