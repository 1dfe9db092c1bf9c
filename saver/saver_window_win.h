// frmSS, the full-screen saver window (owned by the saver session). It covers the screen with the
// desktop snapshot (or black) and turns keys and mouse presses into the saver's input rules.
#pragma once

#include "music/mci_state.h"
#include "music/print_time_win.h"
#include "saver/input_rules_win.h"
#include "saver/screen_layout.h"
#include "winutil/graphics_win.h"

namespace brelvix {

class SaverWindow final : public PictureForm {
  public:
    // input: the session's input rules; notices: the state of the session's
    // song, played under this window's name.
    SaverWindow(SaverInput& input, MciState& notices) : input_(input), notices_(notices) {}

    // Creates the window hidden: borderless, black, over every monitor of
    // the layout. It is placed rather than maximised, since a maximised
    // window fills one monitor only.
    bool Load(const ScreenLayout& screens);

    // What the window covers, in screen coordinates, and the primary
    // monitor's top-left corner in its client area. Both follow the screens
    // while the saver runs.
    PixelBox Cover() const { return CoverArea(screens_); }
    PixelPoint PrimaryCorner() const { return brelvix::PrimaryCorner(screens_); }

    // Covers the screens as they are now, if they have changed (a monitor
    // plugged in, woken or gone, another resolution).
    void FollowScreens();

    // The date and time in the primary monitor's top-left corner.
    void PrintTime();

  protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void OnDestroyed() override;

  private:
    SaverInput& input_;
    MciState& notices_;
    ScreenLayout screens_;
    SaverClock clock_;
};

} // namespace brelvix
