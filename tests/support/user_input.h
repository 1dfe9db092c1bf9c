// Input as a user gives it, through SendInput, and what the screen shows.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace brelvix::testing {

void PressKey(WORD virtualKey, std::vector<WORD> held = {});
void ClickAt(POINT screen, bool right = false, std::vector<WORD> held = {});
void MoveMouseTo(POINT screen);
void MiddleClickAt(POINT screen);
// Presses the left button at from, moves to to in steps, releases.
void DragMouse(POINT from, POINT to);

COLORREF ScreenPixel(POINT screen);
// Saves the whole screen as a 24-bit BMP.
bool SaveScreenshot(const std::wstring& path);

} // namespace brelvix::testing
