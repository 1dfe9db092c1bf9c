#include "user_input.h"

#include "winutil/handles_win.h"
#include "winutil/message_pump_win.h"

#include <algorithm>

namespace brelvix::testing {
namespace {

INPUT KeyInput(WORD key, bool up) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = key;
    in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return in;
}

INPUT MouseInput(DWORD flags, POINT at = {0, 0}) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = flags;
    if (flags & MOUSEEVENTF_MOVE) {
        // Absolute coordinates run from 0 to 65535 across the primary screen.
        in.mi.dwFlags |= MOUSEEVENTF_ABSOLUTE;
        in.mi.dx = MulDiv(at.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
        in.mi.dy = MulDiv(at.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    }
    return in;
}

void Send(std::vector<INPUT> inputs) {
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    // Let the input reach the other process before the caller looks.
    Pause(0.05);
}

} // namespace

void PressKey(WORD key) {
    Send({KeyInput(key, false), KeyInput(key, true)});
}

void MoveMouseTo(POINT screen) {
    Send({MouseInput(MOUSEEVENTF_MOVE, screen)});
}

void ClickAt(POINT screen, bool right) {
    MoveMouseTo(screen);
    DWORD down = right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN;
    DWORD up = right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP;
    Send({MouseInput(down), MouseInput(up)});
}

void DragMouse(POINT from, POINT to) {
    MoveMouseTo(from);
    Send({MouseInput(MOUSEEVENTF_LEFTDOWN)});
    for (int i = 1; i <= 10; ++i) {
        MoveMouseTo({from.x + (to.x - from.x) * i / 10, from.y + (to.y - from.y) * i / 10});
    }
    Send({MouseInput(MOUSEEVENTF_LEFTUP)});
}

COLORREF ScreenPixel(POINT screen) {
    WindowDc dc(nullptr);
    return GetPixel(dc.Get(), screen.x, screen.y);
}

namespace {

BITMAPINFOHEADER ScreenHeader(int width, int height) {
    BITMAPINFOHEADER h{};
    h.biSize = sizeof h;
    h.biWidth = width;
    h.biHeight = height;
    h.biPlanes = 1;
    h.biBitCount = 24;
    return h;
}

int Stride(int width) {
    return ((width * 3 + 3) / 4) * 4;
}

} // namespace

ScreenCapture::ScreenCapture()
    : width_(GetSystemMetrics(SM_CXSCREEN)), height_(GetSystemMetrics(SM_CYSCREEN)),
      bits_(static_cast<size_t>(Stride(width_)) * height_) {
    WindowDc screen(nullptr);
    MemoryDc mem(CreateCompatibleDC(screen.Get()));
    GdiObject bitmap(CreateCompatibleBitmap(screen.Get(), width_, height_));
    {
        SelectedObject selected(mem.Get(), bitmap.Get());
        BitBlt(mem.Get(), 0, 0, width_, height_, screen.Get(), 0, 0, SRCCOPY);
    }
    BITMAPINFO info{};
    info.bmiHeader = ScreenHeader(width_, height_);
    GetDIBits(mem.Get(), static_cast<HBITMAP>(bitmap.Get()), 0, height_, bits_.data(), &info,
              DIB_RGB_COLORS);
}

COLORREF ScreenCapture::At(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) {
        return CLR_INVALID;
    }
    const unsigned char* p = &bits_[static_cast<size_t>(height_ - 1 - y) * Stride(width_) + x * 3];
    return RGB(p[2], p[1], p[0]);
}

std::vector<COLORREF> ScreenCapture::Pixels(const RECT& area) const {
    std::vector<COLORREF> pixels;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            pixels.push_back(At(x, y));
        }
    }
    return pixels;
}

int ScreenCapture::Count(const RECT& area, COLORREF colour) const {
    std::vector<COLORREF> pixels = Pixels(area);
    return static_cast<int>(std::count(pixels.begin(), pixels.end(), colour));
}

bool ScreenCapture::Save(const std::wstring& path) const {
    BITMAPINFOHEADER header = ScreenHeader(width_, height_);
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof header;
    file.bfSize = file.bfOffBits + static_cast<DWORD>(bits_.size());
    KernelHandle out(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                 FILE_ATTRIBUTE_NORMAL, nullptr));
    if (out.Get() == INVALID_HANDLE_VALUE) {
        out.Release();
        return false;
    }
    DWORD written = 0;
    return WriteFile(out.Get(), &file, sizeof file, &written, nullptr) &&
           WriteFile(out.Get(), &header, sizeof header, &written, nullptr) &&
           WriteFile(out.Get(), bits_.data(), static_cast<DWORD>(bits_.size()), &written, nullptr);
}

} // namespace brelvix::testing
