#include "winutil/graphics_win.h"

#include "base/program_state.h"
#include "base/twips.h"

namespace brelvix {

bool PersistentPicture::Create(HDC reference, int width, int height) {
    Clear();
    dc_.Reset(CreateCompatibleDC(reference));
    bitmap_.Reset(CreateCompatibleBitmap(reference, width, height));
    if (!dc_ || !bitmap_) {
        Clear();
        return false;
    }
    selection_.emplace(dc_.Get(), bitmap_.Get());
    width_ = width;
    height_ = height;
    return true;
}

void PersistentPicture::Clear() {
    selection_.reset();
    bitmap_.Reset();
    dc_.Reset();
    width_ = 0;
    height_ = 0;
}

bool PersistentPicture::Reframe(int width, int height, POINT offset) {
    WindowDc screen(nullptr);
    PersistentPicture old;
    if (!old.Create(screen.Get(), width_, height_)) {
        return false;
    }
    BitBlt(old.Dc(), 0, 0, width_, height_, Dc(), 0, 0, SRCCOPY);
    if (!Create(screen.Get(), width, height)) {
        return false;
    }
    FillSolid(Dc(), {0, 0, width, height}, RGB(0, 0, 0));
    BitBlt(Dc(), offset.x, offset.y, old.Width(), old.Height(), old.Dc(), 0, 0, SRCCOPY);
    return true;
}

void PersistentPicture::PaintTo(HDC dest, const RECT& area) const {
    BitBlt(dest, area.left, area.top, area.right - area.left, area.bottom - area.top, dc_.Get(),
           area.left, area.top, SRCCOPY);
}

LRESULT PictureForm::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_ERASEBKGND:
        return 1; // WM_PAINT covers everything
    case WM_PAINT: {
        PaintDc paint(Handle());
        PaintBackground(paint.Get(), paint.Area());
        return 0;
    }
    default:
        return Window::HandleMessage(msg, wParam, lParam);
    }
}

void PictureForm::PaintBackground(HDC dc, const RECT& area) const {
    if (pic_) {
        pic_.PaintTo(dc, area);
        return;
    }
    FillSolid(dc, area, RGB(0, 0, 0));
}

void CaptureScreen(PictureForm& form, POINT origin) {
    const ProgramState& p = Program();
    WindowDc screen(nullptr);
    int width = TwipsToPixels(form.WidthTwips(), p.TwipsX);
    int height = TwipsToPixels(form.HeightTwips(), p.TwipsY);
    PersistentPicture& pic = form.Pic();
    if (pic.Create(screen.Get(), width, height)) {
        BitBlt(pic.Dc(), 0, 0, width, height, screen.Get(), origin.x, origin.y, SRCCOPY);
    }
    InvalidateRect(form.Handle(), nullptr, FALSE);
}

void StretchScreen(HDC destDC, HWND destWnd) {
    const ProgramState& p = Program();
    WindowDc screen(nullptr);
    int width = TwipsToPixels(ScreenWidthTwips(), p.TwipsX);
    int height = TwipsToPixels(ScreenHeightTwips(), p.TwipsY);
    RECT client{};
    GetClientRect(destWnd, &client);
    StretchCopy(width, height, screen.Get(), 0, 0, client.right - client.left,
                client.bottom - client.top, destDC);
}

void StretchCopy(int srcW, int srcH, HDC srcDC, int x, int y, int w, int h, HDC destDC) {
    StretchBlt(destDC, x, y, w, h, srcDC, 0, 0, srcW, srcH, SRCCOPY);
}

PenAndBrushDc::PenAndBrushDc(HWND wnd, COLORREF brushColour, COLORREF penColour, int penWidth)
    : dc_(wnd), brush_(CreateSolidBrush(brushColour)),
      pen_(CreatePen(PS_SOLID, penWidth, penColour)), brushSelection_(dc_.Get(), brush_.Get()),
      penSelection_(dc_.Get(), pen_.Get()) {}

void FillBox(HDC dc, HBRUSH brush, const RECT& rect) {
    FillRect(dc, &rect, brush);
}

GdiObject LoadBitmapResource(int id) {
    return GdiObject(LoadBitmapW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id)));
}

void DrawBitmap(HDC dc, HGDIOBJ bitmap, int x, int y) {
    BITMAP info{};
    GetObjectW(bitmap, sizeof info, &info);
    MemoryDc source(CreateCompatibleDC(dc));
    SelectedObject selected(source.Get(), bitmap);
    BitBlt(dc, x, y, info.bmWidth, info.bmHeight, source.Get(), 0, 0, SRCCOPY);
}

GdiObject MakeFont(const wchar_t* face, int centiPoints, bool bold, bool underline) {
    WindowDc screen(nullptr);
    int height = MulDiv(centiPoints, GetDeviceCaps(screen.Get(), LOGPIXELSY), 7200);
    return GdiObject(CreateFontW(-height, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, underline,
                                 FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                 DEFAULT_QUALITY, DEFAULT_PITCH, face));
}

void FillSolid(HDC dc, const RECT& rect, COLORREF colour) {
    COLORREF old = SetDCBrushColor(dc, colour);
    FillRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
    SetDCBrushColor(dc, old);
}

} // namespace brelvix
