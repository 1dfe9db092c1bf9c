#include "music/print_time_win.h"

#include "music/date_time_text.h"

namespace brelvix {
namespace {

std::wstring LocaleText(LCTYPE item, const wchar_t* fallback) {
    wchar_t text[16] = {};
    if (GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, item, text, static_cast<int>(std::size(text))) ==
        0) {
        return fallback;
    }
    return text;
}

// Arial at the clock's size on the device's density, or nothing.
GdiObject ClockFont(HDC dc) {
    constexpr int kPoints = 32;
    int height = MulDiv(kPoints, GetDeviceCaps(dc, LOGPIXELSY), 72);
    return GdiObject(CreateFontW(-height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET,
                                 OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                 DEFAULT_PITCH, L"Arial"));
}

} // namespace

void SaverClock::Print(HWND wnd, POINT corner) {
    if (!wnd) {
        return;
    }
    WindowDc dc(wnd);
    if (!font_) {
        font_ = ClockFont(dc.Get());
    }
    if (!font_) {
        return;
    }
    std::wstring shown = L" " + ClockText() + L" ";
    SelectedObject selected(dc.Get(), font_.Get());
    SetBkMode(dc.Get(), OPAQUE);
    SetBkColor(dc.Get(), RGB(0, 0, 0));
    SetTextColor(dc.Get(), RGB(255, 255, 0));
    TextOutW(dc.Get(), corner.x, corner.y, shown.c_str(), static_cast<int>(shown.size()));
}

std::wstring ClockText() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    LocalDateTime t{now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
    return FormatClockText(t, LocaleText(LOCALE_SDATE, L"/"), LocaleText(LOCALE_STIME, L":"));
}

} // namespace brelvix
