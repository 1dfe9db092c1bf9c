#include "winutil/graphics_win.h"

#include "saver/saver_window_win.h"
#include "winutil/message_pump_win.h"
#include "win_test_support.h"

#include <gtest/gtest.h>

namespace brelvix {
namespace {

// A visible window filled with one colour.
class ColourWindow : public Window {
  public:
    ColourWindow(COLORREF colour, RECT area) : colour_(colour) {
        CreateForm(WS_EX_TOPMOST, WS_POPUP, L"", area.left, area.top, area.right - area.left,
                   area.bottom - area.top, nullptr);
        Show(SW_SHOWNOACTIVATE);
        UpdateWindow(Handle());
    }

  protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override {
        if (msg == WM_PAINT) {
            PaintDc paint(Handle());
            FillSolid(paint.Get(), paint.Area(), colour_);
            return 0;
        }
        return Window::HandleMessage(msg, wParam, lParam);
    }

  private:
    COLORREF colour_;
};

TEST(Graphics, BeginDrawSelectsANewBrushAndPenAndEndDrawGivesThemBack) {
    ColourWindow window(RGB(255, 255, 255), {0, 0, 200, 100});
    HDC dc = nullptr;
    BeginDraw(window.Handle(), RGB(0, 0, 0), RGB(192, 192, 192), 1, dc);
    ASSERT_NE(dc, nullptr);
    HBRUSH brush = DrawBrush();
    HGDIOBJ pen = GetCurrentObject(dc, OBJ_PEN);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), brush);
    LOGPEN penInfo{};
    GetObjectW(pen, sizeof penInfo, &penInfo);
    EXPECT_EQ(penInfo.lopnColor, RGB(192, 192, 192));
    FillBox(dc, brush, {10, 10, 50, 50});
    EXPECT_EQ(GetPixel(dc, 20, 20), RGB(0, 0, 0));
    EXPECT_EQ(GetPixel(dc, 60, 20), RGB(255, 255, 255));
    EndDraw(window.Handle(), dc);
    EXPECT_EQ(GetObjectType(brush), 0u);
    EXPECT_EQ(GetObjectType(pen), 0u);
    EXPECT_EQ(DrawBrush(), nullptr);
}

TEST(Graphics, APairWithoutABrushLeavesTheEarlierPairsObjectsAlone) {
    ColourWindow window(RGB(255, 255, 255), {0, 0, 100, 100});
    HDC dc = nullptr;
    BeginDraw(window.Handle(), RGB(0, 0, 0), RGB(0, 0, 0), 1, dc);
    EndDraw(window.Handle(), dc);
    HGDIOBJ other = CreateSolidBrush(RGB(1, 2, 3)); // may take a freed handle's place
    BeginDraw(window.Handle(), kNoBrush, RGB(255, 0, 0), 2, dc);
    EXPECT_EQ(DrawBrush(), nullptr);
    HGDIOBJ pen = GetCurrentObject(dc, OBJ_PEN);
    EndDraw(window.Handle(), dc);
    EXPECT_EQ(GetObjectType(pen), 0u);
    EXPECT_EQ(GetObjectType(other), static_cast<DWORD>(OBJ_BRUSH));
    DeleteObject(other);
}

TEST(Graphics, StretchCopyShrinksTheSourcesTopLeftPart) {
    WindowDc screen(nullptr);
    PersistentPicture source;
    PersistentPicture target;
    ASSERT_TRUE(source.Create(screen.Get(), 40, 40));
    ASSERT_TRUE(target.Create(screen.Get(), 40, 40));
    FillSolid(source.Dc(), {0, 0, 40, 40}, RGB(0, 0, 255));
    FillSolid(source.Dc(), {0, 0, 20, 20}, RGB(255, 0, 0));
    FillSolid(target.Dc(), {0, 0, 40, 40}, RGB(0, 255, 0));
    StretchCopy(20, 20, source.Dc(), 5, 5, 10, 10, target.Dc());
    EXPECT_EQ(GetPixel(target.Dc(), 5, 5), RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(target.Dc(), 14, 14), RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(target.Dc(), 15, 15), RGB(0, 255, 0));
    EXPECT_EQ(GetPixel(target.Dc(), 4, 4), RGB(0, 255, 0));
}

TEST(Graphics, StretchScreenShrinksTheWholeScreenIntoTheClientArea) {
    int w = GetSystemMetrics(SM_CXSCREEN);
    int h = GetSystemMetrics(SM_CYSCREEN);
    ColourWindow left(RGB(255, 0, 0), {0, 0, w / 2, h});
    ColourWindow right(RGB(0, 0, 255), {w / 2, 0, w, h});
    ColourWindow preview(RGB(0, 0, 0), {0, 0, 152, 112});
    WindowDc screen(nullptr);
    PersistentPicture target;
    ASSERT_TRUE(target.Create(screen.Get(), 152, 112));
    preview.Unload(); // its size is all StretchScreen needs; the screen stays red and blue
    ColourWindow sized(RGB(0, 0, 0), {-300, -300, -148, -188});
    StretchScreen(target.Dc(), sized.Handle());
    EXPECT_EQ(GetPixel(target.Dc(), 10, 50), RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(target.Dc(), 140, 50), RGB(0, 0, 255));
}

TEST(Graphics, CaptureScreenGivesTheSaverWindowTheDesktopPixelForPixel) {
    std::optional<ColourWindow> patch;
    patch.emplace(RGB(255, 0, 255), RECT{100, 80, 260, 200});
    Pause(0.1);
    ASSERT_TRUE(frmSS().Load());
    CaptureScreen(frmSS());
    EXPECT_EQ(frmSS().Pic().Width(), GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(frmSS().Pic().Height(), GetSystemMetrics(SM_CYSCREEN));
    patch.reset(); // the screen changes; the snapshot does not
    frmSS().Show();
    UpdateWindow(frmSS().Handle());
    {
        WindowDc dc(frmSS().Handle());
        EXPECT_EQ(GetPixel(dc.Get(), 150, 150), RGB(255, 0, 255));
        EXPECT_EQ(GetPixel(dc.Get(), 100, 80), RGB(255, 0, 255));
        EXPECT_NE(GetPixel(dc.Get(), 99, 150), RGB(255, 0, 255));
        EXPECT_NE(GetPixel(dc.Get(), 260, 150), RGB(255, 0, 255));
        // A later paint shows the snapshot again.
        RECT part{120, 100, 140, 120};
        FillRect(dc.Get(), &part, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    }
    RedrawWindow(frmSS().Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    WindowDc dc(frmSS().Handle());
    EXPECT_EQ(GetPixel(dc.Get(), 130, 110), RGB(255, 0, 255));
    frmSS().Unload();
    EXPECT_FALSE(frmSS().Pic());
}

} // namespace
} // namespace brelvix
