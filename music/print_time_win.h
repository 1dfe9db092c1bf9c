// The date and time drawn in the full-screen saver's top-left corner, yellow
// on a black box. The drawing state (the window's device context and the
// font) is taken on the first drawing and held until EndText.
#pragma once

#include "winutil/handles_win.h"

#include <string>

namespace brelvix {

struct TextDrawingState {
    HWND TextWnd = nullptr;
    HDC TextDC = nullptr;
    int TextFontSize = 32;
    std::wstring TextFontName = L"Arial";
    GdiObject TextFont;
    HGDIOBJ TextOldFont = nullptr;
};

const TextDrawingState& TextState();

// At the start of a saver run: gives back anything still held and starts over
// with Arial 32 pt.
void ResetTextState();

// Draws the present date and time on the window with its top-left corner at
// corner (client coordinates), taking the window's device context on first use.
void PrintTime(HWND saverWindow, POINT corner);
// Takes the window's device context and makes the font; false when the
// window is null or the font could not be made.
bool InitText(HWND wnd);
bool CreateTextFont(const std::wstring& face, int points);
// A blank, the text and a blank at the given point of the client area.
void PrintText(const std::wstring& text, POINT corner);
void EndText();

// The present date and time with the user's date and time separators.
std::wstring ClockText();

} // namespace brelvix
