// The setup dialog as designed: its controls in tab order with their captions
// and rectangles in twips, its sizes, and where the song-name strip draws.
#pragma once

namespace brelvix {

// Control identifiers. OK is deliberately not IDOK (1): Enter must not press
// it. Cancel is IDCANCEL (2), so that Esc presses it.
enum SetupControlId : int {
    kIdFrame = 100,
    kIdList = 101,
    kIdAdd = 102,
    kIdRemove = 103,
    kIdClear = 104,
    kIdMute = 105,
    kIdBlack = 106,
    kIdMouse = 107,
    kIdOnlyMusic = 108,
    kIdOk = 109,
    kIdCancel = 2,
    kIdNameStrip = 111,
    kIdUp = 112,
    kIdDown = 113,
    kIdStatus = 114,
};

// The commands the dialog adds to its system menu: "About...", "View song
// statusbar" and "Add folder...". WM_SYSCOMMAND brings their ids back whole,
// so they are compared whole: only the system's SC_* commands (0xF000 and up)
// carry its bits in the low four, and masked with 0xFFF0 these ids would all
// read 2000.
enum SetupMenuCommand : unsigned {
    kCommandAbout = 2001,
    kCommandViewFilename = 2002,
    kCommandAddFolder = 2003,
};

enum class ControlKind { Frame, List, Button, CheckBox, Picture, Label };

struct ControlPlace {
    int id;
    ControlKind kind;
    const wchar_t* caption;
    // Twips; relative to the frame when inFrame.
    int left, top, width, height;
    bool inFrame;
};

inline constexpr int kFrameLeft = 150;
inline constexpr int kFrameTop = 120;

// In tab order: the order in which the controls are made is the order in
// which Tab visits them.
inline constexpr ControlPlace kSetupControls[] = {
    {kIdFrame, ControlKind::Frame, L"&PlayList", 150, 120, 4095, 2415, false},
    {kIdList, ControlKind::List, L"", 150, 240, 2325, 2010, true},
    {kIdAdd, ControlKind::Button, L"&Add", 2910, 270, 945, 285, true},
    {kIdRemove, ControlKind::Button, L"&Remove", 2910, 630, 945, 285, true},
    {kIdClear, ControlKind::Button, L"&Clear", 2910, 990, 945, 285, true},
    {kIdMute, ControlKind::CheckBox, L"M&ute", 2910, 1440, 765, 195, true},
    {kIdBlack, ControlKind::CheckBox, L"&Delete Screen", 4440, 1290, 1725, 195, false},
    {kIdMouse, ControlKind::CheckBox, L"&Mouse sensitivity", 4440, 1590, 1725, 195, false},
    {kIdOnlyMusic, ControlKind::CheckBox, L"Usable &Screen", 4440, 1905, 1725, 195, false},
    {kIdOk, ControlKind::Button, L"&OK", 4770, 210, 1095, 315, false},
    {kIdCancel, ControlKind::Button, L"Cancel", 4770, 600, 1095, 315, false},
    {kIdNameStrip, ControlKind::Picture, L"", 0, 2730, 5985, 330, false},
    {kIdUp, ControlKind::Picture, L"", 2460, 390, 195, 210, true},
    {kIdDown, ControlKind::Picture, L"", 2460, 1830, 195, 210, true},
    {kIdStatus, ControlKind::Label, L"", 4440, 2220, 1515, 315, false},
};

inline constexpr int kSetupClientWidthTwips = 6135;
// The outer height with the song-name strip shown, and without it.
inline constexpr int kSetupHeightWithStripTwips = 3450;
inline constexpr int kSetupHeightWithoutStripTwips = 3075;

struct TwipsCorner {
    int x;
    int y;
};

// The far corner of the strip's red progress bar, which starts at (0, 0).
TwipsCorner ProgressCorner(int innerWidth, int innerHeight, int percent, int twipsX, int twipsY);

// Where a name is printed in the strip, from the size of "X" in its font.
TwipsCorner NamePosition(int letterWidth, int letterHeight, int innerHeight);

} // namespace brelvix
