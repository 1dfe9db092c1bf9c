#include "setup/name_strip_win.h"

#include "base/program_state.h"
#include "setup/setup_layout.h"

namespace brelvix {
namespace {

constexpr COLORREF kStripGrey = RGB(192, 192, 192);
constexpr COLORREF kNameBlue = RGB(0, 0, 255);
constexpr COLORREF kProgressRed = RGB(255, 0, 0);

} // namespace

bool NameStrip::Create(HWND parent, int id, const RECT& pixels, HFONT font) {
    font_ = font;
    return PictureBox::Create(parent, id, pixels, kStripGrey);
}

void NameStrip::PrintName(const std::wstring& name) {
    const ProgramState& p = Program();
    RECT inner{};
    GetClientRect(Handle(), &inner);
    SelectedObject font(Dc(), font_);
    SIZE letter{};
    GetTextExtentPoint32W(Dc(), L"X", 1, &letter);
    TwipsCorner at =
        NamePosition(letter.cx * p.TwipsX, letter.cy * p.TwipsY, inner.bottom * p.TwipsY);
    SetBkMode(Dc(), TRANSPARENT);
    SetTextColor(Dc(), kNameBlue);
    TextOutW(Dc(), at.x / p.TwipsX, at.y / p.TwipsY, name.c_str(), static_cast<int>(name.size()));
    Refresh();
}

void NameStrip::ShowProgress(int percent) {
    const ProgramState& p = Program();
    RECT inner{};
    GetClientRect(Handle(), &inner);
    TwipsCorner corner = ProgressCorner(inner.right * p.TwipsX, inner.bottom * p.TwipsY, percent,
                                        p.TwipsX, p.TwipsY);
    // The corner pixel belongs to the bar.
    FillSolid(Dc(), {0, 0, corner.x / p.TwipsX + 1, corner.y / p.TwipsY + 1}, kProgressRed);
    Refresh();
}

} // namespace brelvix
