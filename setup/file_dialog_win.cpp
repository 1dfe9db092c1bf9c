#include "setup/file_dialog_win.h"

#include "base/program_state.h"
#include "setup/open_file_buffer.h"
#include "winutil/com_win.h"
#include "winutil/message_box_win.h"

#include <cderr.h>
#include <commdlg.h>
#include <shobjidl.h>

namespace brelvix {
namespace {

constexpr DWORD kBufferCharacters = 64000;

DWORD DialogFlags(bool mustExist, bool multiSelect) {
    DWORD flags = OFN_HIDEREADONLY;
    if (mustExist) {
        flags |= OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST;
    }
    if (multiSelect) {
        flags |= OFN_EXPLORER | OFN_ALLOWMULTISELECT;
    }
    return flags;
}

void TellBufferTooSmall(HWND owner) {
    ShowMessageBox(owner,
                   L"The files chosen have too many names to add at once (at most " +
                       std::to_wstring(kBufferCharacters) +
                       L" characters of names). Please choose fewer files at a time.",
                   Program().AppTitle, MB_OK | MB_ICONEXCLAMATION);
}

} // namespace

std::vector<std::wstring> ShowOpenDialog(HWND owner, const std::wstring& filter,
                                         const std::wstring& title, std::wstring& fileName,
                                         std::wstring& folder, const std::wstring& defaultExt,
                                         bool mustExist, bool multiSelect, int& filterIndex) {
    std::wstring filterText = DialogFilter(filter);
    std::wstring titleText = DialogTitle(title);
    std::wstring file(kBufferCharacters, L'\0');
    std::wstring fileTitle(kBufferCharacters, L'\0');
    fileName = fileName.substr(0, kBufferCharacters - 1);
    file.replace(0, fileName.size(), fileName);
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = filterText.c_str();
    ofn.nFilterIndex = static_cast<DWORD>(filterIndex);
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = kBufferCharacters;
    ofn.lpstrFileTitle = fileTitle.data();
    ofn.nMaxFileTitle = kBufferCharacters;
    ofn.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    ofn.lpstrTitle = titleText.empty() ? nullptr : titleText.c_str();
    ofn.Flags = DialogFlags(mustExist, multiSelect);
    ofn.lpstrDefExt = defaultExt.empty() ? nullptr : defaultExt.c_str();
    if (!GetOpenFileNameW(&ofn)) {
        if (CommDlgExtendedError() == FNERR_BUFFERTOOSMALL) {
            TellBufferTooSmall(owner);
        }
        return {L""};
    }
    filterIndex = static_cast<int>(ofn.nFilterIndex);
    std::wstring chosenFolder;
    std::vector<std::wstring> paths = ChosenPaths(file, multiSelect, chosenFolder);
    if (!paths.front().empty()) {
        fileName = fileTitle.c_str();
        folder = chosenFolder;
    }
    return paths;
}

std::wstring ShowFolderDialog(HWND owner, const std::wstring& title) {
    ComApartment com;
    ComPtr<IFileOpenDialog> dialog;
    if (FAILED(CoCreateInstance(CLSID_FileOpenDialog, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IFileOpenDialog, dialog.Out()))) {
        return L"";
    }
    FILEOPENDIALOGOPTIONS options = 0;
    dialog->GetOptions(&options);
    dialog->SetOptions(options | FOS_PICKFOLDERS | FOS_FORCEFILESYSTEM | FOS_PATHMUSTEXIST);
    dialog->SetTitle(title.c_str());
    ComPtr<IShellItem> item;
    PWSTR path = nullptr;
    // Show answers S_OK only for a choice; a cancel is an error code.
    if (dialog->Show(owner) != S_OK ||
        FAILED(dialog->GetResult(reinterpret_cast<IShellItem**>(item.Out()))) ||
        FAILED(item->GetDisplayName(SIGDN_FILESYSPATH, &path))) {
        return L"";
    }
    std::wstring folder = path;
    CoTaskMemFree(path);
    return folder;
}

} // namespace brelvix
