#include "music/print_time_win.h"

#include "music/date_time_text.h"

namespace brelvix {
namespace {

TextDrawingState g_text;

std::wstring LocaleText(LCTYPE item, const wchar_t* fallback) {
    wchar_t text[16] = {};
    if (GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, item, text, static_cast<int>(std::size(text))) ==
        0) {
        return fallback;
    }
    return text;
}

} // namespace

const TextDrawingState& TextState() {
    return g_text;
}

void ResetTextState() {
    EndText();
    g_text.TextFontSize = 32;
    g_text.TextFontName = L"Arial";
}

void PrintTime(HWND saverWindow, POINT corner) {
    std::wstring text = ClockText();
    if (g_text.TextDC || InitText(saverWindow)) {
        PrintText(text, corner);
    }
}

bool InitText(HWND wnd) {
    g_text.TextWnd = wnd;
    if (!wnd) {
        return false;
    }
    g_text.TextDC = GetDC(wnd);
    return CreateTextFont(g_text.TextFontName, g_text.TextFontSize);
}

bool CreateTextFont(const std::wstring& face, int points) {
    int height = MulDiv(points, GetDeviceCaps(g_text.TextDC, LOGPIXELSY), 72);
    g_text.TextFont.Reset(CreateFontW(-height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                                      ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                      DEFAULT_QUALITY, DEFAULT_PITCH, face.c_str()));
    if (!g_text.TextFont) {
        return false;
    }
    g_text.TextOldFont = SelectObject(g_text.TextDC, g_text.TextFont.Get());
    return true;
}

void PrintText(const std::wstring& text, POINT corner) {
    HDC dc = g_text.TextDC;
    if (!g_text.TextWnd || !dc) {
        return;
    }
    SetBkMode(dc, OPAQUE);
    SetBkColor(dc, RGB(0, 0, 0));
    SetTextColor(dc, RGB(255, 255, 0));
    std::wstring shown = L" " + text + L" ";
    TextOutW(dc, corner.x, corner.y, shown.c_str(), static_cast<int>(shown.size()));
}

void EndText() {
    if (g_text.TextDC) {
        if (g_text.TextOldFont) {
            SelectObject(g_text.TextDC, g_text.TextOldFont);
        }
        ReleaseDC(g_text.TextWnd, g_text.TextDC);
    }
    // A font made while the window had no device context goes too.
    g_text.TextFont.Reset();
    g_text.TextOldFont = nullptr;
    g_text.TextWnd = nullptr;
    g_text.TextDC = nullptr;
}

std::wstring ClockText() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    LocalDateTime t{now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
    return FormatClockText(t, LocaleText(LOCALE_SDATE, L"/"), LocaleText(LOCALE_STIME, L":"));
}

} // namespace brelvix
