// The saver's input rules carried out on Windows: what the key and mouse
// handlers of the saver window and the status bar call, and the end of the
// session they decide.
#pragma once

#include "base/settings.h"
#include "saver/input_rules.h"
#include "statusbar/status_bar_win.h"

namespace brelvix {

// One session's input: the saver window and its status bar hand it every
// key, press and movement, and the session's loop reads the end from it.
class SaverInput final : public StatusBarInput {
  public:
    // opt: the options the session runs with; bar: the session's status bar,
    // kept above the About box's owner.
    SaverInput(const Options& opt, StatusBar& bar) : opt_(opt), bar_(bar) {}

    // F1 asks for the setup dialog (unless the saver locks the desktop); any
    // other key ends the saver unless the usable screen is on.
    void KeyPressed(int keyCode) override;
    // Button code and shift state of input_rules.h.
    void MousePressed(int button, int shift) override;
    // The movement rule of input_rules.h, when mouse sensitivity is on.
    void MouseMoved() override;
    void CloseClicked() override { End(); }
    // Another program's window in front of the saver would take every key
    // while the desktop is still open. A saver that locks the desktop ends
    // instead, boxes and all, and Windows locks it.
    void AppDeactivated() override;

    // Movement and the lost foreground count from here on, once the
    // session's windows are up: the move the system reports when the cover
    // appears under the pointer is no hand on the mouse.
    void StartWatching() { watching_ = true; }

    // Asks the session to end; in the full-screen mode also shows the cursor
    // and lets the shell redraw the desktop. Only the first call does so:
    // the saver window and its status bar may both report the same event.
    void End();

    bool EndSaver() const { return endSaver_; }
    bool SetupRequested() const { return setupRequested_; }

  private:
    void AboutOverSaver();

    const Options& opt_;
    StatusBar& bar_;
    MouseReference mouse_;
    bool watching_ = false;
    bool endSaver_ = false;
    bool setupRequested_ = false;
    // End has run (F1 sets endSaver_ without it).
    bool ended_ = false;
};

} // namespace brelvix
