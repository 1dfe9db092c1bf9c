// The setup dialog (fsetup, owned by the setup session). It lists the play-list, plays the selected
// song, edits the list, sets the options, and stores everything on OK.
#pragma once

#include "music/song_views.h"
#include "setup/play_list_editor_win.h"
#include "winutil/dialog_focus_win.h"
#include "winutil/handles_win.h"
#include "winutil/picture_box_win.h"
#include "winutil/window_win.h"

#include <string>

namespace brelvix {

class SetupDialog final : public Window, public SongView, private PictureBox::Presses {
  public:
    // music: the play-list the dialog shows and edits; mci: the state of the
    // song it plays, into which its completion notices go.
    SetupDialog(MusicState& music, MciState& mci)
        : music_(music), mci_(mci), editor_{parts_, *this, music, mci} {}

    // Creates the dialog hidden and fills it from the options and the play-list.
    bool Load();

    // OK, Cancel or the close box ended the dialog: the setup loop unloads it.
    bool Ended() const { return ended_; }

    // The song-name strip shown (taller dialog) or the status label instead.
    void ViewLabels(bool flag);
    void PrintName(const std::wstring& name) { parts_.strip.PrintName(name); }
    const std::wstring& CurrentName() const { return parts_.CurrentName; }
    void SetCurrentName(const std::wstring& name) { parts_.CurrentName = name; }
    std::wstring SelectedTitle() const;

    // What the music shows here: the song's name in the strip, its list row
    // selected (the list's own click handling leaves that selection alone),
    // the position beside the length.
    void SongChanging() override { parts_.strip.Clear(); }
    void ShowSong(const std::wstring& name, int row) override;
    void ShowLength(const std::wstring& mmss) override { songLength_ = mmss; }
    void ShowPosition(int percent, const std::wstring& positionText) override;

  protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void OnDestroyed() override;

  private:
    void MakeControls();
    void MakeControl(const struct ControlPlace& place);
    void FillFromOptions();
    void OnCommand(int id, int code);
    LRESULT OnSystemCommand(WPARAM wParam, LPARAM lParam);
    void ToggleViewFilename();
    void OnCheckBox(int id);
    void SetCheck(int id, bool value);
    bool Checked(int id) const;
    void OnOk();
    void Pressed(int id, int button, int shift) override;

    MusicState& music_;
    MciState& mci_;
    bool ended_ = false;
    SetupParts parts_;
    PlayListEditor editor_;
    DialogFocus focus_;
    PictureBox up_;
    PictureBox down_;
    std::wstring songLength_ = L"00:00";
    GdiObject font_;
    GdiObject upArrow_;
    GdiObject downArrow_;
};

} // namespace brelvix
