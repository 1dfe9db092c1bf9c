// Resource identifiers shared by the resource script and the code.
#pragma once

// The host's list of screen savers shows this string when present; it looks
// for id 1.
#define IDS_DESCRIPTION 1

#define IDI_BRELVIX 101
#define IDC_HAND_POINTER 101

// Status bar artwork (16-colour bitmaps; a picture pixel is a client pixel).
#define IDB_SKIN 201          // 350 x 101 window face
#define IDB_KNOB 202          // 9 x 18 position knob
#define IDB_CAPTION_STRIP 203 // 54 x 18 minimize, maximize and close glyphs on navy
// Setup dialog reorder arrows, 13 x 14.
#define IDB_ARROW_UP 204
#define IDB_ARROW_DOWN 205

// The About box: a dialog whose controls are placed in twips when it loads.
#define IDD_ABOUT 301
#define IDC_FRAME1 302
#define IDC_IMGICON 303
#define IDC_LBLABOUT 304
#define IDC_LBLMAILTO 305
#define IDC_LBLWEB 306
