// Drawing helpers: the desktop snapshot behind the full-screen saver, the
// shrunken copies of the preview, and a pen-and-brush set-up for a window's
// device context.
#pragma once

#include "winutil/handles_win.h"
#include "winutil/window_win.h"

#include <optional>

namespace brelvix {

// An image that keeps whatever is drawn on it: a bitmap selected into a
// memory device context.
class PersistentPicture {
  public:
    // A new image of the given pixel size, compatible with the reference
    // device context; what was drawn before is dropped.
    bool Create(HDC reference, int width, int height);
    void Clear();
    // A new size, with the old image at offset in it and black elsewhere.
    bool Reframe(int width, int height, POINT offset);
    explicit operator bool() const { return selection_.has_value(); }
    HDC Dc() const { return dc_.Get(); }
    int Width() const { return width_; }
    int Height() const { return height_; }
    // Copies the part of the image under area to the same place on dest.
    void PaintTo(HDC dest, const RECT& area) const;

  private:
    MemoryDc dc_;
    GdiObject bitmap_;
    std::optional<SelectedObject> selection_; // declared last: deselected first
    int width_ = 0;
    int height_ = 0;
};

// A form whose hidden picture box keeps an image that the form paints as its
// background on every paint; where there is no image it is black.
class PictureForm : public Window {
  public:
    PersistentPicture& Pic() { return pic_; }

  protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void OnDestroyed() override { pic_.Clear(); }

  private:
    void PaintBackground(HDC dc, const RECT& area) const;
    PersistentPicture pic_;
};

// Makes the screen as it is now the form's background: the form's size, copied
// from the screen at origin (screen coordinates, negative left of or above
// the primary monitor). The form should cover that area and not be visible yet.
void CaptureScreen(PictureForm& form, POINT origin);

// Draws the whole screen shrunk to the window's client area.
void StretchScreen(HDC destDC, HWND destWnd);

// The top-left srcW x srcH pixels of the source, stretched into (x, y, w, h).
void StretchCopy(int srcW, int srcH, HDC srcDC, int x, int y, int w, int h, HDC destDC);

// A window's device context with a new solid brush and pen selected into it
// for the owner's life; then the old ones are put back, the new ones deleted
// and the context given back.
class PenAndBrushDc {
  public:
    PenAndBrushDc(HWND wnd, COLORREF brushColour, COLORREF penColour, int penWidth);
    HDC Get() const { return dc_.Get(); }
    HBRUSH Brush() const { return static_cast<HBRUSH>(brush_.Get()); }

  private:
    WindowDc dc_;
    GdiObject brush_;
    GdiObject pen_;
    SelectedObject brushSelection_; // declared after what they select: put back first
    SelectedObject penSelection_;
};

void FillBox(HDC dc, HBRUSH brush, const RECT& rect);

// A bitmap of the program's resources, or none.
GdiObject LoadBitmapResource(int id);
// Draws the whole bitmap with its top-left corner at (x, y).
void DrawBitmap(HDC dc, HGDIOBJ bitmap, int x, int y);
// A font of the face at a size in hundredths of a point on this screen.
GdiObject MakeFont(const wchar_t* face, int centiPoints, bool bold, bool underline = false);

// Fills the rectangle with a solid colour, no brush to keep.
void FillSolid(HDC dc, const RECT& rect, COLORREF colour);

} // namespace brelvix
