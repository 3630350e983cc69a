#include "platform/win32_folder_picker.h"

#include <windows.h>
#include <shlobj.h>

#include "platform/cp936.h"
#include "platform/saved_window_state.h"
#include "platform/win32_windows.h"

namespace tcls::win32 {

namespace {

template <typename Function>
Function Lookup(HMODULE module, const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

}  // namespace

Win32FolderPicker::~Win32FolderPicker() {
  if (shell32_ != nullptr) FreeLibrary(shell32_);
}

const Win32FolderPicker::Shell* Win32FolderPicker::LoadShell() {
  if (shell32_ == nullptr) {
    // By its full path in the system folder: safe on every Windows, also on a
    // Windows 7 that lacks LOAD_LIBRARY_SEARCH_SYSTEM32.
    wchar_t path[MAX_PATH];
    const UINT length = GetSystemDirectoryW(path, MAX_PATH);
    if (length == 0 || length + 13 >= MAX_PATH) return nullptr;
    lstrcpyW(path + length, L"\\shell32.dll");
    shell32_ = LoadLibraryW(path);
    if (shell32_ == nullptr) return nullptr;
    shell_ = Shell{Lookup<decltype(Shell::browseForFolder)>(shell32_, "SHBrowseForFolderW"),
                   Lookup<decltype(Shell::getPathFromIdList)>(shell32_, "SHGetPathFromIDListW"),
                   Lookup<decltype(Shell::getMalloc)>(shell32_, "SHGetMalloc")};
  }
  if (shell_.browseForFolder == nullptr || shell_.getPathFromIdList == nullptr || shell_.getMalloc == nullptr) {
    return nullptr;
  }
  return &shell_;
}

OwnedText Win32FolderPicker::ChooseFolder(Text title, bool includeFiles) {
  // Without the shell the dialog cannot be shown: no path, as after Cancel.
  const Shell* shell = LoadShell();
  if (shell == nullptr) return OwnedText();

  WideText wideTitle(title, layer_);
  // Receives the display name during the dialog; never read.
  wchar_t displayName[MAX_PATH];
  displayName[0] = L'\0';

  BROWSEINFOW info = {};
  info.pidlRoot = nullptr;  // the tree starts at the desktop
  info.pszDisplayName = displayName;
  info.lpszTitle = wideTitle.Get();
  // The classic dialog with an edit field; no BIF_RETURNONLYFSDIRS, BIF_VALIDATE
  // or BIF_NEWDIALOGSTYLE.
  info.ulFlags = BIF_EDITBOX | (includeFiles ? BIF_BROWSEINCLUDEFILES : 0);
  info.lpfn = nullptr;
  info.lParam = 0;

  // The program's windows, in table order, to disable around the dialog.
  const ProgramWindowTable& table = layer_.Table();
  HWND windows[SavedWindowState::kMaxWindows] = {};
  std::size_t windowCount = 0;
  for (std::size_t i = 0; i < table.Count() && windowCount < SavedWindowState::kMaxWindows; ++i) {
    windows[windowCount++] = ToHwnd(layer_.LiveWindow(table.At(i)));
  }
  const SavedWindowState saved = DisableProgramWindows(windows, windowCount);
  info.hwndOwner = saved.active;

  PIDLIST_ABSOLUTE chosen = shell->browseForFolder(&info);
  RestoreProgramWindows(saved);
  if (chosen == nullptr) return OwnedText();

  OwnedText result;
  wchar_t path[MAX_PATH];
  path[0] = L'\0';
  if (shell->getPathFromIdList(chosen, path) && path[0] != L'\0') {
    result = TextFromWide(path, static_cast<std::size_t>(lstrlenW(path)), layer_.Storage());
  }
  IMalloc* allocator = nullptr;
  if (SUCCEEDED(shell->getMalloc(&allocator))) {
    allocator->Free(chosen);
    allocator->Release();
  }
  return result;
}

}  // namespace tcls::win32
