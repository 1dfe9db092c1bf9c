#include "statusbar/status_bar_win.h"

#include "base/program_state.h"
#include "base/twips.h"
#include "music/mci_win.h"
#include "resources/resource_ids.h"
#include "winutil/input_codes_win.h"
#include "winutil/window_helpers_win.h"

#include <windowsx.h>

#include <utility>

namespace brelvix {
namespace {

void DrawRaisedBlock(HDC dc, RECT r) {
    FillSolid(dc, r, kFaceGrey);
    DrawEdge(dc, &r, EDGE_RAISED, BF_RECT);
}

// Without the strip's picture: minimize, maximize and close buttons on navy.
void DrawPlainStrip(HDC dc, const RECT& strip) {
    FillSolid(dc, strip, kNavy);
    const std::pair<int, UINT> buttons[] = {
        {2, DFCS_CAPTIONMIN}, {18, DFCS_CAPTIONMAX}, {kCloseGlyphLeftPixel, DFCS_CAPTIONCLOSE}};
    for (const auto& [x, kind] : buttons) {
        int top = strip.top + kGlyphTopPixel;
        RECT button{strip.left + x, top, strip.left + x + kGlyphPixelWidth,
                    top + kGlyphPixelHeight};
        DrawFrameControl(dc, &button, DFC_CAPTION, kind);
    }
}

void DrawLabel(HDC dc, const LabelLook& look, HGDIOBJ font, const std::wstring& text) {
    RECT r = PixelRect(look.rect);
    FillSolid(dc, r, look.background);
    SelectedObject selected(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, look.text);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r,
              DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
}

} // namespace

bool StatusBar::Load() {
    if (Exists()) {
        return true;
    }
    const ProgramState& p = Program();
    file_.clear();
    length_ = L"00:00";
    position_ = L"00:00";
    knobLeftTwips_ = kKnobDesignRect.left;
    MakeLook();
    // No caption yet: the saver gives it one. A preview's hidden bar titled
    // like the program would be taken for the running setup dialog.
    return CreateForm(0, WS_POPUP, L"", 0, 0, TwipsToPixels(kStatusBarWidthTwips, p.TwipsX),
                      TwipsToPixels(kStatusBarHeightTwips, p.TwipsY), nullptr);
}

void StatusBar::MakeLook() {
    look_.skin = LoadBitmapResource(IDB_SKIN);
    look_.knob = LoadBitmapResource(IDB_KNOB);
    look_.strip = LoadBitmapResource(IDB_CAPTION_STRIP);
    const LabelLook* labels[] = {&kFileLabel, &kPositionLabel, &kLengthLabel};
    GdiObject* fonts[] = {&look_.fileFont, &look_.positionFont, &look_.lengthFont};
    for (int i = 0; i < 3; ++i) {
        *fonts[i] = MakeFont(labels[i]->face, labels[i]->centiPoints, labels[i]->bold);
    }
    look_.windowFont = MakeFont(kStatusBarFontFace, kStatusBarFontCentiPoints, true);
}

void StatusBar::OnDestroyed() {
    look_ = Look{};
    buffer_.Clear();
}

void StatusBar::ShowNoSong() {
    SetFileLabel(L"");
    SetLengthLabel(L"00:00");
    SetPercent(0, L"00:00");
}

void StatusBar::SetFileLabel(const std::wstring& name) {
    file_ = name;
    Invalidate(PixelRect(kFileLabel.rect));
}

void StatusBar::SetLengthLabel(const std::wstring& mmss) {
    length_ = mmss;
    Invalidate(PixelRect(kLengthLabel.rect));
}

void StatusBar::SetPercent(int percent, const std::wstring& positionText) {
    Invalidate(KnobRect());
    knobLeftTwips_ = KnobLeftTwips(percent);
    Invalidate(KnobRect());
    position_ = positionText;
    Invalidate(PixelRect(kPositionLabel.rect));
}

void StatusBar::Refresh() {
    if (Exists()) {
        RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    }
}

void StatusBar::Invalidate(const RECT& area) {
    if (Exists()) {
        InvalidateRect(Handle(), &area, FALSE);
    }
}

StatusBar::TextSize StatusBar::MeasureText(const std::wstring& text) const {
    WindowDc dc(Handle());
    SelectedObject selected(dc.Get(), look_.windowFont.Get());
    SIZE textSize{};
    SIZE letterSize{};
    GetTextExtentPoint32W(dc.Get(), text.c_str(), static_cast<int>(text.size()), &textSize);
    GetTextExtentPoint32W(dc.Get(), L"X", 1, &letterSize);
    const ProgramState& p = Program();
    return {textSize.cx * p.TwipsX, letterSize.cy * p.TwipsY};
}

std::array<StatusBar::Label, 3> StatusBar::Labels() const {
    return {Label{kFileLabel, look_.fileFont.Get(), file_},
            Label{kPositionLabel, look_.positionFont.Get(), position_},
            Label{kLengthLabel, look_.lengthFont.Get(), length_}};
}

RECT StatusBar::KnobRect() const {
    TwipsRect knob = kKnobDesignRect;
    knob.left = knobLeftTwips_;
    return PixelRect(knob);
}

RECT StatusBar::CaptionStripRect() const {
    const ProgramState& p = Program();
    RECT client{};
    GetClientRect(Handle(), &client);
    return PixelRect(brelvix::CaptionStripRect(client.right * p.TwipsX, p.TwipsX, p.TwipsY));
}

void StatusBar::DrawFace(HDC dc) const {
    RECT client{};
    GetClientRect(Handle(), &client);
    FillSolid(dc, client, kFormGrey);
    if (look_.skin) {
        DrawBitmap(dc, look_.skin.Get(), 0, 0);
    } else {
        DrawRaisedBlock(dc, client);
    }
    for (const Label& label : Labels()) {
        DrawLabel(dc, label.look, label.font, label.text);
    }
    RECT knob = KnobRect();
    if (look_.knob) {
        DrawBitmap(dc, look_.knob.Get(), knob.left, knob.top);
    } else {
        DrawRaisedBlock(dc, knob);
    }
    RECT strip = CaptionStripRect();
    if (look_.strip) {
        DrawBitmap(dc, look_.strip.Get(), strip.left, strip.top);
    } else {
        DrawPlainStrip(dc, strip);
    }
}

void StatusBar::Paint() {
    PaintDc paint(Handle());
    RECT client{};
    GetClientRect(Handle(), &client);
    if (buffer_.Width() != client.right || buffer_.Height() != client.bottom) {
        buffer_.Create(paint.Get(), client.right, client.bottom);
    }
    // Drawn off screen first, so the labels never flicker over the skin.
    DrawFace(buffer_.Dc());
    buffer_.PaintTo(paint.Get(), paint.Area());
}

void StatusBar::OnPress(int button, int shift, POINT at) {
    const ProgramState& p = Program();
    RECT strip = CaptionStripRect();
    bool onStrip = PtInRect(&strip, at) != FALSE;
    bool onGlyph = onStrip && OnCloseGlyph((at.x - strip.left) * p.TwipsX,
                                           (at.y - strip.top) * p.TwipsY, p.TwipsX, p.TwipsY);
    switch (DecideStatusBarPress(button, shift, p.Opt.UsableScreen, onStrip, onGlyph)) {
    case StatusBarPress::Drag:
        DragForm(Handle());
        break;
    case StatusBarPress::CloseGlyph:
        if (input_) {
            input_->CloseClicked();
        }
        break;
    case StatusBarPress::SaverPress:
        if (input_) {
            input_->MousePressed(button, shift);
        }
        break;
    case StatusBarPress::Nothing:
        break;
    }
}

LRESULT StatusBar::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (IsKeyPress(msg)) {
        if (input_) {
            input_->KeyPressed(static_cast<int>(wParam));
        }
    } else if (auto press = PressFromMessage(msg, wParam)) {
        OnPress(press->button, press->shift, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return 0;
    }
    switch (msg) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        Paint();
        return 0;
    case WM_MOUSEMOVE:
        // Over the full-screen saver the bar is part of the cover: a hand
        // moving over it must be seen as over the cover.
        if (input_) {
            input_->MouseMoved();
        }
        return 0;
    case WM_ACTIVATEAPP:
        if (!wParam && input_) {
            input_->AppDeactivated();
        }
        return Default(msg, wParam, lParam);
    case MM_MCINOTIFY:
        return notices_ ? OnMciNotifyMessage(*notices_, Handle(), wParam, lParam)
                        : Default(msg, wParam, lParam);
    case WM_CLOSE:
        // Only the program's own unload closes the status bar.
        return 0;
    case WM_QUERYENDSESSION:
        // Windows ending the session is one more close request, and the
        // saver's bar lets only the program's own unload through: a sign-out
        // or shut-down waits until the saver is ended at the machine. The
        // preview's bar is hidden, and a window nobody sees must not hold a
        // sign-out with nothing on screen to end it.
        return Program().RunMode == ModeSaver ? FALSE : Default(msg, wParam, lParam);
    default:
        return Default(msg, wParam, lParam);
    }
}

} // namespace brelvix
