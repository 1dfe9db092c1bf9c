// The running screen saver, from its windows going up to their teardown.
#pragma once

#include "base/wander.h"
#include "music/mci_state.h"
#include "music/play_list.h"
#include "saver/input_rules_win.h"
#include "saver/saver_window_win.h"
#include "statusbar/status_bar_win.h"

#include <windows.h>

#include <string>

namespace brelvix {

// One saver run: its windows (frmSS and fmci, or fmci alone on the usable
// screen), the song it plays under the alias named after the window that
// receives the notices, and the input that ends it. The play-list belongs to
// the program, which keeps it from one session to the next.
class SaverSession {
  public:
    // The status bar's way across the screen, in twips, with its bounces.
    struct Wander {
        BounceAxis x;
        BounceAxis y;
    };

    explicit SaverSession(MusicState& music);
    SaverSession(const SaverSession&) = delete;
    SaverSession& operator=(const SaverSession&) = delete;

    // Returns when the session has ended, windows unloaded: true when F1
    // asked for the setup dialog. setupActive: a preview instance runs
    // beside this one, so its "ActiveSetup" mark is left alone.
    bool Run(bool setupActive);

  private:
    void Start(bool setupActive);
    Wander ShowStatusBar();
    void StartFirstSong();
    void RunLoop(Wander& wander);
    void End();
    HWND NotifyWindow() const { return fullScreen_ ? frmSS.Handle() : fmci.Handle(); }

    MusicState& music_;
    MciState mci_;
    bool fullScreen_;
    std::wstring alias_;
    StatusBar fmci;
    SaverInput input_;
    SaverWindow frmSS{input_, mci_};
};

} // namespace brelvix
