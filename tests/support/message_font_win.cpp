// Reads or sets the message font that dialogs are laid out with, so that the
// tests can run under another font than Wine's default.
//   message_font                 prints "<lfHeight> <face>"
//   message_font HEIGHT FACE     makes it the prefix's message font
#include <windows.h>

#include <cstdio>
#include <cwchar>

int wmain(int argc, wchar_t** argv) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
        return 1;
    }
    LOGFONTW& font = metrics.lfMessageFont;
    if (argc < 3) {
        std::wprintf(L"%ld %ls\n", font.lfHeight, font.lfFaceName);
        return 0;
    }
    font.lfHeight = std::wcstol(argv[1], nullptr, 10);
    font.lfWidth = 0;
    wcsncpy_s(font.lfFaceName, argv[2], _TRUNCATE);
    UINT flags = SPIF_UPDATEINIFILE | SPIF_SENDCHANGE;
    return SystemParametersInfoW(SPI_SETNONCLIENTMETRICS, sizeof metrics, &metrics, flags) ? 0 : 1;
}
