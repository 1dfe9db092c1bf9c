// Helpers for the tests that run under Wine: temporary folders, a private
// registry key, child processes and waits that pump messages.
#pragma once

#include "saver/program_state.h"
#include "saver/registry_store_win.h"
#include "winutil/handles_win.h"

#include <functional>
#include <string>
#include <vector>

namespace brelvix::testing {

// The folder of the running test program.
std::wstring ProgramFolder();

// A fresh folder under %TEMP% whose name holds blanks and Latin-1 letters;
// removed with everything in it when the owner goes.
class TempFolder {
  public:
    explicit TempFolder(const std::wstring& hint = L"brelvix test \u00e0\u00e9");
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::wstring& Path() const { return path_; }
    std::wstring File(const std::wstring& name) const { return path_ + L"\\" + name; }

  private:
    std::wstring path_;
};

void WriteFileBytes(const std::wstring& path, const std::string& bytes);

// The program's own registry key, emptied before and after each use so that
// tests start from a fresh store.
class FreshProgramStore {
  public:
    FreshProgramStore();
    ~FreshProgramStore();
    FreshProgramStore(const FreshProgramStore&) = delete;
    FreshProgramStore& operator=(const FreshProgramStore&) = delete;
    RegistryStore& Store() { return store_; }

  private:
    RegistryStore store_;
};

// Pumps messages until the condition holds or timeoutMs passes; returns the
// condition's last value.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs);

// Puts the program-wide state back as it was when the scope ends, so that a
// test's options and flags do not leak into the next test.
class ProgramStateScope {
  public:
    ProgramStateScope() : saved_(Program()) {}
    ~ProgramStateScope() { Program() = saved_; }
    ProgramStateScope(const ProgramStateScope&) = delete;
    ProgramStateScope& operator=(const ProgramStateScope&) = delete;

  private:
    ProgramState saved_;
};

// The user's "ScreenSaverIsSecure" setting for the length of a test, put
// back afterwards. Wine does not answer SPI_GETSCREENSAVESECURE, so the
// program reads this value there.
class SecureSaverSetting {
  public:
    explicit SecureSaverSetting(const wchar_t* value);
    ~SecureSaverSetting();
    SecureSaverSetting(const SecureSaverSetting&) = delete;
    SecureSaverSetting& operator=(const SecureSaverSetting&) = delete;

  private:
    RegistryStore store_{L"Control Panel"};
    std::wstring old_;
};

// The pixels of a window's client rectangle, row by row, and how many of
// them have the given colour.
std::vector<COLORREF> WindowPixels(HWND wnd, const RECT& r);
int CountColour(HWND wnd, const RECT& r, COLORREF colour);

// ShowCursor's display count, left as it was.
int CursorDisplayCount();

class ChildProcess {
  public:
    // Starts the program with the given arguments (the program path is quoted
    // and put in front).
    ChildProcess(const std::wstring& program, const std::wstring& arguments);
    bool Started() const { return static_cast<bool>(process_); }
    // Waits for the exit; returns false if the process is still running then.
    bool WaitForExit(DWORD timeoutMs);
    DWORD ExitCode() const;
    DWORD Id() const { return id_; }
    void Kill();

  private:
    KernelHandle process_;
    DWORD id_ = 0;
};

} // namespace brelvix::testing
