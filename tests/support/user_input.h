// Input as a user gives it, through SendInput, and what the screen shows.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace brelvix::testing {

void PressKey(WORD virtualKey);
void ClickAt(POINT screen, bool right = false);
void MoveMouseTo(POINT screen);
// Presses the left button at from, moves to to in steps, releases.
void DragMouse(POINT from, POINT to);

COLORREF ScreenPixel(POINT screen);

// The whole screen at one moment, for reading windows that move.
class ScreenCapture {
  public:
    ScreenCapture();
    COLORREF At(int x, int y) const;
    // Pixels of that colour in a rectangle of the screen.
    int Count(const RECT& area, COLORREF colour) const;
    std::vector<COLORREF> Pixels(const RECT& area) const;
    // Writes a 24-bit BMP file.
    bool Save(const std::wstring& path) const;

  private:
    int width_;
    int height_;
    std::vector<unsigned char> bits_; // bottom-up rows of BGR, 4-byte aligned
};

} // namespace brelvix::testing
