// fmci, the skinned song status bar (the saver session and the preview each
// own one). It shows the playing song's file name, length and position (text
// and knob), drifts over the full-screen saver or floats above the usable
// screen, and refuses every close request but the program's own unload.
#pragma once

#include "music/mci_state.h"
#include "music/song_views.h"
#include "statusbar/status_bar_layout.h"
#include "winutil/graphics_win.h"
#include "winutil/window_win.h"

#include <array>
#include <string>

namespace brelvix {

// Where the bar hands the input it does not serve itself (its drag): keys,
// presses anywhere but the caption strip, movement, the close glyph, and the
// program losing the foreground while the bar is its top-level window.
class StatusBarInput {
  public:
    virtual void KeyPressed(int keyCode) = 0;
    // Button and shift codes of base/input_codes.h.
    virtual void MousePressed(int button, int shift) = 0;
    virtual void MouseMoved() = 0;
    virtual void CloseClicked() = 0;
    virtual void AppDeactivated() = 0;

  protected:
    ~StatusBarInput() = default;
};

class StatusBar final : public Window, public SongView {
  public:
    // nullptr: the bar's input goes nowhere (the preview's bar gets none).
    void SetInput(StatusBarInput* input) { input_ = input; }
    // The state of the song played under the bar's name (the usable
    // screen's), which its completion notices go to; nullptr: none.
    void ReceiveNotices(MciState* state) { notices_ = state; }

    // Creates the window hidden and borderless.
    bool Load();

    void SetFileLabel(const std::wstring& name);
    void SetLengthLabel(const std::wstring& mmss);
    // Moves the knob to the percentage and shows the position text "mm:ss".
    void SetPercent(int percent, const std::wstring& positionText);

    // What the music shows here: the labels above.
    void ShowSong(const std::wstring& name, int /*position*/) override { SetFileLabel(name); }
    void ShowLength(const std::wstring& mmss) override { SetLengthLabel(mmss); }
    void ShowPosition(int percent, const std::wstring& positionText) override {
        SetPercent(percent, positionText);
    }
    void ShowNoSong() override;

    // Repaints the window with its skin, knob and caption strip at once:
    // the clock text drawn over it disappears.
    void Refresh();

    // A text's width and the height of "X" in the window's font, in twips.
    struct TextSize {
        int widthTwips;
        int heightTwips;
    };
    TextSize MeasureText(const std::wstring& text) const;

    // The whole face as the window shows it, drawn at (0, 0) of any device
    // context: the preview shrinks it from there.
    void DrawFace(HDC dc) const;

    // The three labels as they are drawn: where, in which font, what text.
    struct Label {
        const LabelLook& look;
        HGDIOBJ font;
        const std::wstring& text;
    };
    std::array<Label, 3> Labels() const;

    // Client-area pixels of the knob and of the caption-button strip.
    RECT KnobRect() const;
    RECT CaptionStripRect() const;

  protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void OnDestroyed() override;

  private:
    struct Look {
        GdiObject skin, knob, strip;
        GdiObject fileFont, positionFont, lengthFont, windowFont;
    };
    void MakeLook();
    void Paint();
    void OnPress(int button, int shift, POINT at);
    void Invalidate(const RECT& area);

    std::wstring file_;
    std::wstring length_ = L"00:00";
    std::wstring position_ = L"00:00";
    int knobLeftTwips_ = 0;
    StatusBarInput* input_ = nullptr;
    MciState* notices_ = nullptr;
    Look look_;
    PersistentPicture buffer_;
};

} // namespace brelvix
