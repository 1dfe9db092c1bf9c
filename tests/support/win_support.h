// What the tests under Wine share: temporary song files, a fresh program
// store, waits that pump messages, processes, input as a user gives it and
// the screen as it is.
#pragma once

#include "base/program_state.h"
#include "winutil/handles_win.h"
#include "winutil/registry_store_win.h"

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

namespace brelvix::testing {

// A fresh folder under %TEMP% whose name holds blanks and Latin-1 letters;
// removed with its files when the owner goes.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    std::wstring File(const std::wstring& name) const { return path_ + L"\\" + name; }
    // Writes the bytes into a file of the folder and returns its path.
    std::wstring Write(const std::wstring& name, const std::string& bytes) const;
    static void WriteTo(const std::wstring& path, const std::string& bytes);

  private:
    std::wstring path_;
};

// A mono 16-bit tone as a WAV file's bytes.
std::string WavBytes(double seconds);
// A committed fixture (tests/fixtures) next to the test programs.
std::wstring FixturePath(const std::wstring& name);

// The program's own registry key, emptied before and after use.
class FreshProgramStore {
  public:
    FreshProgramStore();
    ~FreshProgramStore();
    FreshProgramStore(const FreshProgramStore&) = delete;
    FreshProgramStore& operator=(const FreshProgramStore&) = delete;
    RegistryStore& Store() { return store_; }
    // The songs as the play-list keys and their count.
    void StoreList(const std::vector<std::wstring>& paths);

  private:
    RegistryStore store_;
};

// Puts the program-wide state back when the scope ends.
class ProgramStateScope {
  public:
    ~ProgramStateScope() { Program() = saved_; }

  private:
    ProgramState saved_ = Program();
};

// "ScreenSaverIsSecure" for the length of a test (Wine does not answer
// SPI_GETSCREENSAVESECURE, so the program reads this value there).
class SecureSaverSetting {
  public:
    explicit SecureSaverSetting(const wchar_t* value);
    ~SecureSaverSetting();

  private:
    RegistryStore store_{L"Control Panel"};
};

// Pumps messages until the condition holds or timeoutMs passes.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs);
// A dialog box (class "#32770") with this caption once it shows, or nullptr.
HWND WaitForBox(const wchar_t* caption, DWORD timeoutMs = 5000);
// The window's text; a message box's text is its control 0xFFFF's.
std::wstring TextOf(HWND wnd);

// The built Brelvix.scr, started with the arguments; killed, if it still
// runs, when the owner goes.
class Scr {
  public:
    explicit Scr(const std::wstring& arguments);
    ~Scr() { Kill(); }
    // False when the process still runs after timeoutMs.
    bool WaitForExit(DWORD timeoutMs);
    DWORD ExitCode() const;
    void Kill();
    // A top-level window of the program's class owned by the process.
    HWND Window() const;
    // Waits until the process shows a window; false when it ends first or
    // nothing shows within the time.
    bool ShowsAWindow(DWORD timeoutMs = 30000);

  private:
    KernelHandle process_;
    DWORD id_ = 0;
};

// Presses the keys in order and lets them go in reverse: {VK_CONTROL, VK_DOWN}.
void PressKeys(std::initializer_list<WORD> keys);
inline void PressKey(WORD key) {
    PressKeys({key});
}
void ClickAt(POINT screen, bool right = false);
// Presses the left button at from, moves to to in steps, releases.
void DragMouse(POINT from, POINT to);

// The whole screen at one moment.
class ScreenCapture {
  public:
    ScreenCapture();
    COLORREF At(int x, int y) const;
    int Count(const RECT& area, COLORREF colour) const;
    // Writes a 24-bit BMP into the test programs' screenshots folder.
    void Save(const std::wstring& name) const;

  private:
    int width_;
    int height_;
    std::vector<DWORD> bits_; // top-down rows of 0x00RRGGBB
};

// A stand-in for the host's screen-saver settings: a dialog whose page
// "Screen saver" holds a combo box of saver names (none when names is
// empty) and, three parents below the dialog, the preview window.
struct StandInHost {
    StandInHost(SIZE previewSize, const std::vector<std::wstring>& names, int selected);
    ~StandInHost() { DestroyWindow(dialog); }
    // "/p" and the preview window's handle.
    std::wstring Switch() const {
        return L"/p " + std::to_wstring(reinterpret_cast<UINT_PTR>(preview));
    }
    HWND dialog, combo = nullptr, preview;
};

// A rectangle of a window's client area on the screen.
RECT OnScreen(HWND wnd, RECT area);

} // namespace brelvix::testing
