// The pictures built into Brelvix.scr, read back the way the program loads
// them. The status bar places its controls over fixed pixels of the skin, so
// the pixels listed here are the ones the layout depends on.
#include "resources/resource_ids.h"
#include "win_test_support.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace brelvix {
namespace {

struct ModuleTraits {
    static HMODULE Invalid() { return nullptr; }
    static void Close(HMODULE h) { FreeLibrary(h); }
};
using Module = UniqueResource<HMODULE, ModuleTraits>;

struct IconTraits {
    static HICON Invalid() { return nullptr; }
    static void Close(HICON h) { DestroyIcon(h); }
};
using Icon = UniqueResource<HICON, IconTraits>;

struct CursorTraits {
    static HCURSOR Invalid() { return nullptr; }
    static void Close(HCURSOR h) { DestroyCursor(h); }
};
using Cursor = UniqueResource<HCURSOR, CursorTraits>;

// The program file as resources only: nothing of it runs.
Module LoadProgramResources() {
    std::wstring path = testing::ProgramFolder() + L"\\Brelvix.scr";
    return Module(LoadLibraryExW(path.c_str(), nullptr,
                                 LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE));
}

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kNavy = RGB(0, 0, 128);
constexpr COLORREF kPurple = RGB(128, 0, 128);
constexpr COLORREF kGrey = RGB(128, 128, 128);
constexpr COLORREF kLight = RGB(192, 192, 192);
constexpr COLORREF kGreen = RGB(0, 255, 0);

// The standard 16-colour palette in the order Windows gives its entries.
constexpr COLORREF kStandardPalette[16] = {
    kBlack,         RGB(128, 0, 0),   RGB(0, 128, 0),   RGB(128, 128, 0),
    kNavy,          kPurple,          RGB(0, 128, 128), kLight,
    kGrey,          RGB(255, 0, 0),   kGreen,           RGB(255, 255, 0),
    RGB(0, 0, 255), RGB(255, 0, 255), RGB(0, 255, 255), kWhite,
};

// A bitmap resource read into plain RGB values, top row first.
struct Picture {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;
    std::vector<COLORREF> colourTable;
    std::vector<COLORREF> pixels;

    COLORREF At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

bool ReadPicture(HMODULE module, int id, Picture& out) {
    // As a DIB section the bitmap keeps the depth and colour table it was stored with.
    GdiObject bitmap(
        LoadImageW(module, MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (!bitmap) {
        return false;
    }
    DIBSECTION section = {};
    if (GetObjectW(bitmap.Get(), sizeof section, &section) != sizeof section) {
        return false;
    }
    out.width = section.dsBm.bmWidth;
    out.height = section.dsBm.bmHeight;
    out.bitsPerPixel = section.dsBm.bmBitsPixel;

    MemoryDc dc(CreateCompatibleDC(nullptr));
    {
        SelectedObject selected(dc.Get(), bitmap.Get());
        RGBQUAD table[256];
        UINT count = GetDIBColorTable(dc.Get(), 0, 256, table);
        for (UINT i = 0; i < count; ++i) {
            out.colourTable.push_back(RGB(table[i].rgbRed, table[i].rgbGreen, table[i].rgbBlue));
        }
    }

    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = out.width;
    info.bmiHeader.biHeight = -out.height; // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    std::vector<uint32_t> bgra(static_cast<size_t>(out.width) * out.height);
    if (GetDIBits(dc.Get(), static_cast<HBITMAP>(bitmap.Get()), 0, out.height, bgra.data(), &info,
                  DIB_RGB_COLORS) != out.height) {
        return false;
    }
    for (uint32_t v : bgra) {
        out.pixels.push_back(RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF));
    }
    return true;
}

std::string Describe(COLORREF c) {
    return "RGB(" + std::to_string(GetRValue(c)) + ", " + std::to_string(GetGValue(c)) + ", " +
           std::to_string(GetBValue(c)) + ")";
}

struct ContractPixel {
    int x;
    int y;
    COLORREF colour;
    const char* what;
};

struct Artwork {
    int id;
    const char* name;
    int width;
    int height;
    std::vector<ContractPixel> pixels;
};

const std::vector<Artwork>& AllArtwork() {
    static const std::vector<Artwork> artwork = {
        {IDB_SKIN,
         "skin",
         350,
         101,
         {
             {0, 50, kWhite, "left highlight column"},
             {175, 0, kWhite, "top highlight row"},
             {2, 50, kLight, "face beside the highlight"},
             {348, 50, kGrey, "right inner shadow"},
             {349, 50, kBlack, "right outer shadow"},
             {175, 99, kGrey, "bottom inner shadow"},
             {175, 100, kBlack, "bottom outer shadow"},
             {3, 3, kLight, "face outside the title band"},
             {4, 4, kNavy, "title band, top left"},
             {345, 4, kNavy, "title band, top right"},
             {4, 21, kNavy, "title band, bottom left"},
             {345, 21, kNavy, "title band, bottom right"},
             {150, 12, kNavy, "title band under the file name"},
             {346, 12, kLight, "face right of the title band"},
             {150, 22, kLight, "face below the title band"},
             {8, 5, kWhite, "title icon page, top left"},
             {12, 10, kPurple, "title icon note"},
             {6, 26, kGrey, "panel frame, top left"},
             {200, 26, kGrey, "panel frame, top edge"},
             {6, 50, kGrey, "panel frame, left edge"},
             {343, 69, kWhite, "panel frame, bottom right"},
             {200, 69, kWhite, "panel frame, bottom edge"},
             {343, 50, kWhite, "panel frame, right edge"},
             {7, 27, kBlack, "panel inside, top left"},
             {341, 67, kBlack, "panel inside, bottom right"},
             {30, 35, kBlack, "panel inside, left part"},
             {250, 50, kBlack, "panel inside, right part"},
             {342, 50, kLight, "panel inner line, right"},
             {200, 68, kLight, "panel inner line, bottom"},
             {6, 74, kWhite, "pause button, top left"},
             {25, 92, kBlack, "pause button, bottom right"},
             {12, 83, kBlack, "pause button, left bar"},
             {17, 83, kBlack, "pause button, right bar"},
             {15, 83, kLight, "pause button, between the bars"},
             {26, 74, kWhite, "stop button, top left"},
             {45, 92, kBlack, "stop button, bottom right"},
             {35, 83, kBlack, "stop button, square"},
             {55, 83, kLight, "face between the buttons and the groove"},
             {65, 81, kGrey, "groove, top left"},
             {200, 81, kGrey, "groove, upper grey line"},
             {200, 82, kBlack, "groove, upper black line"},
             {200, 84, kWhite, "groove, lower white line"},
             {337, 84, kWhite, "groove, bottom right"},
             {200, 80, kLight, "face above the groove"},
             {200, 85, kLight, "face below the groove"},
         }},
        {IDB_KNOB,
         "knob",
         9,
         18,
         {
             {0, 9, kWhite, "left edge"},
             {4, 0, kWhite, "top edge"},
             {8, 9, kBlack, "right edge"},
             {8, 0, kBlack, "right edge, top"},
             {4, 17, kBlack, "bottom edge"},
             {7, 9, kGrey, "inner shadow, right"},
             {4, 16, kGrey, "inner shadow, bottom"},
             {4, 9, kLight, "face"},
         }},
        {IDB_CAPTION_STRIP,
         "caption strip",
         54,
         18,
         {
             {0, 0, kNavy, "background, top left"},
             {53, 17, kNavy, "background, bottom right"},
             {1, 8, kNavy, "background left of minimize"},
             {35, 8, kNavy, "background between maximize and close"},
             {27, 16, kNavy, "background below the buttons"},
             {2, 2, kWhite, "minimize, top left"},
             {17, 15, kBlack, "minimize, bottom right"},
             {8, 12, kBlack, "minimize bar"},
             {8, 8, kLight, "minimize face"},
             {18, 2, kWhite, "maximize, top left"},
             {33, 15, kBlack, "maximize, bottom right"},
             {21, 4, kBlack, "maximize outline, top left"},
             {29, 11, kBlack, "maximize outline, bottom right"},
             {25, 8, kLight, "maximize outline, inside"},
             {36, 2, kWhite, "close, top left"},
             {51, 15, kBlack, "close, bottom right"},
             {40, 5, kBlack, "close X, top left arm"},
             {47, 5, kBlack, "close X, top right arm"},
             {43, 8, kBlack, "close X, crossing"},
             {44, 8, kBlack, "close X, crossing"},
             {40, 11, kBlack, "close X, bottom left arm"},
             {47, 11, kBlack, "close X, bottom right arm"},
             {43, 5, kLight, "close face above the crossing"},
             {40, 8, kLight, "close face left of the crossing"},
         }},
        {IDB_ARROW_UP,
         "up arrow",
         13,
         14,
         {
             {6, 1, kBlack, "tip"},
             {6, 0, kWhite, "above the tip"},
             {5, 1, kWhite, "beside the tip"},
             {1, 6, kBlack, "head, left end"},
             {11, 6, kBlack, "head, right end"},
             {0, 6, kWhite, "left of the head"},
             {6, 12, kBlack, "shaft foot"},
             {3, 12, kWhite, "beside the shaft"},
             {6, 13, kWhite, "below the shaft"},
         }},
        {IDB_ARROW_DOWN,
         "down arrow",
         13,
         14,
         {
             {6, 12, kBlack, "tip"},
             {6, 13, kWhite, "below the tip"},
             {5, 12, kWhite, "beside the tip"},
             {1, 7, kBlack, "head, left end"},
             {11, 7, kBlack, "head, right end"},
             {0, 7, kWhite, "left of the head"},
             {6, 1, kBlack, "shaft top"},
             {3, 1, kWhite, "beside the shaft"},
             {6, 0, kWhite, "above the shaft"},
         }},
    };
    return artwork;
}

class ArtworkTest : public ::testing::Test {
  protected:
    void SetUp() override {
        program_ = LoadProgramResources();
        ASSERT_TRUE(program_) << "cannot open Brelvix.scr beside the test program, error "
                              << GetLastError();
    }
    Module program_;
};

TEST_F(ArtworkTest, BitmapsHaveTheirSizeDepthAndPalette) {
    for (const Artwork& art : AllArtwork()) {
        SCOPED_TRACE(art.name);
        Picture picture;
        ASSERT_TRUE(ReadPicture(program_.Get(), art.id, picture));
        EXPECT_EQ(picture.width, art.width);
        EXPECT_EQ(picture.height, art.height);
        EXPECT_EQ(picture.bitsPerPixel, 4);
        ASSERT_EQ(picture.colourTable.size(), 16u);
        for (size_t i = 0; i < 16; ++i) {
            EXPECT_EQ(Describe(picture.colourTable[i]), Describe(kStandardPalette[i]))
                << "palette entry " << i;
        }
    }
}

TEST_F(ArtworkTest, LayoutPixelsHaveTheirColours) {
    for (const Artwork& art : AllArtwork()) {
        SCOPED_TRACE(art.name);
        Picture picture;
        ASSERT_TRUE(ReadPicture(program_.Get(), art.id, picture));
        ASSERT_EQ(picture.width, art.width);
        ASSERT_EQ(picture.height, art.height);
        for (const ContractPixel& p : art.pixels) {
            EXPECT_EQ(Describe(picture.At(p.x, p.y)), Describe(p.colour))
                << p.what << " at (" << p.x << ", " << p.y << ")";
        }
    }
}

TEST_F(ArtworkTest, TimeLegendSitsInThePanelBelowThePositionDigits) {
    Picture skin;
    ASSERT_TRUE(ReadPicture(program_.Get(), IDB_SKIN, skin));
    ASSERT_EQ(skin.width, 350);
    // lblPos covers x 96-165, y 30-56 and the panel's black ends at y 67; a
    // legend under a label would never be seen.
    int inside = 0;
    int outside = 0;
    POINT firstOutside = {};
    for (int y = 0; y < skin.height; ++y) {
        for (int x = 0; x < skin.width; ++x) {
            if (skin.At(x, y) != kGreen) {
                continue;
            }
            if (x >= 96 && x <= 165 && y >= 57 && y <= 67) {
                ++inside;
            } else if (outside++ == 0) {
                firstOutside = {x, y};
            }
        }
    }
    EXPECT_GE(inside, 20);
    EXPECT_EQ(outside, 0) << "first green pixel outside the legend's place at (" << firstOutside.x
                          << ", " << firstOutside.y << ")";
}

TEST_F(ArtworkTest, IconLoadsInBothSizes) {
    for (int size : {32, 16}) {
        SCOPED_TRACE(size);
        Icon icon(static_cast<HICON>(
            LoadImageW(program_.Get(), MAKEINTRESOURCEW(IDI_BRELVIX), IMAGE_ICON, size, size, 0)));
        ASSERT_TRUE(icon);
        ICONINFO info = {};
        ASSERT_TRUE(GetIconInfo(icon.Get(), &info));
        GdiObject colour(info.hbmColor);
        GdiObject mask(info.hbmMask);
        EXPECT_TRUE(info.fIcon);
        ASSERT_TRUE(colour);
        BITMAP bm = {};
        ASSERT_TRUE(GetObjectW(colour.Get(), sizeof bm, &bm));
        EXPECT_EQ(bm.bmWidth, size);
        EXPECT_EQ(bm.bmHeight, size);
    }
}

TEST_F(ArtworkTest, HandCursorPointsWithItsFingertip) {
    Cursor cursor(static_cast<HCURSOR>(
        LoadImageW(program_.Get(), MAKEINTRESOURCEW(IDC_HAND_POINTER), IMAGE_CURSOR, 32, 32, 0)));
    ASSERT_TRUE(cursor);
    ICONINFO info = {};
    ASSERT_TRUE(GetIconInfo(cursor.Get(), &info));
    GdiObject colour(info.hbmColor);
    GdiObject mask(info.hbmMask);
    EXPECT_FALSE(info.fIcon);
    EXPECT_EQ(info.xHotspot, 12u);
    EXPECT_EQ(info.yHotspot, 1u);
}

} // namespace
} // namespace brelvix
