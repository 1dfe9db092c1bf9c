#include "user_input.h"

#include "winutil/handles_win.h"
#include "winutil/message_pump_win.h"

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

std::vector<INPUT> WithHeld(const std::vector<WORD>& held, std::vector<INPUT> middle) {
    std::vector<INPUT> all;
    for (WORD key : held) {
        all.push_back(KeyInput(key, false));
    }
    all.insert(all.end(), middle.begin(), middle.end());
    for (auto it = held.rbegin(); it != held.rend(); ++it) {
        all.push_back(KeyInput(*it, true));
    }
    return all;
}

} // namespace

void PressKey(WORD key, std::vector<WORD> held) {
    Send(WithHeld(held, {KeyInput(key, false), KeyInput(key, true)}));
}

void MoveMouseTo(POINT screen) {
    Send({MouseInput(MOUSEEVENTF_MOVE, screen)});
}

void ClickAt(POINT screen, bool right, std::vector<WORD> held) {
    MoveMouseTo(screen);
    DWORD down = right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN;
    DWORD up = right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP;
    Send(WithHeld(held, {MouseInput(down), MouseInput(up)}));
}

void MiddleClickAt(POINT screen) {
    MoveMouseTo(screen);
    Send({MouseInput(MOUSEEVENTF_MIDDLEDOWN), MouseInput(MOUSEEVENTF_MIDDLEUP)});
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

bool SaveScreenshot(const std::wstring& path) {
    int w = GetSystemMetrics(SM_CXSCREEN);
    int h = GetSystemMetrics(SM_CYSCREEN);
    WindowDc screen(nullptr);
    MemoryDc mem(CreateCompatibleDC(screen.Get()));
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = h;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    GdiObject bitmap(CreateDIBSection(screen.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap || !bits) {
        return false;
    }
    {
        SelectedObject selected(mem.Get(), bitmap.Get());
        BitBlt(mem.Get(), 0, 0, w, h, screen.Get(), 0, 0, SRCCOPY);
    }
    DWORD stride = ((w * 3 + 3) / 4) * 4;
    DWORD imageSize = stride * h;
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info.bmiHeader;
    file.bfSize = file.bfOffBits + imageSize;
    KernelHandle out(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                 FILE_ATTRIBUTE_NORMAL, nullptr));
    if (out.Get() == INVALID_HANDLE_VALUE) {
        out.Release();
        return false;
    }
    DWORD written = 0;
    bool ok = WriteFile(out.Get(), &file, sizeof file, &written, nullptr) &&
              WriteFile(out.Get(), &info.bmiHeader, sizeof info.bmiHeader, &written, nullptr) &&
              WriteFile(out.Get(), bits, imageSize, &written, nullptr);
    return ok;
}

} // namespace brelvix::testing
