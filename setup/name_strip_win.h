// The setup dialog's song-name strip: grey, with the playing song's name in
// blue and a red bar that grows with its progress. It keeps what was drawn.
#pragma once

#include "winutil/picture_box_win.h"

#include <string>

namespace brelvix {

class NameStrip : public PictureBox {
  public:
    bool Create(HWND parent, int id, const RECT& pixels, HFONT font);
    // Prints the name over what the strip shows, without clearing it.
    void PrintName(const std::wstring& name);
    // Fills a red bar from the left edge to the percentage of the width.
    void ShowProgress(int percent);

  private:
    HFONT font_ = nullptr;
};

} // namespace brelvix
