#include "platform/win32_folder_picker.h"

#include <windows.h>
#include <shlobj.h>

#include "platform/cp936.h"
#include "platform/saved_window_state.h"
#include "platform/win32_windows.h"

namespace tcls::win32 {

OwnedText Win32FolderPicker::ChooseFolder(Text title, bool includeFiles) {
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

  PIDLIST_ABSOLUTE chosen = SHBrowseForFolderW(&info);
  RestoreProgramWindows(saved);
  if (chosen == nullptr) return OwnedText();

  OwnedText result;
  wchar_t path[MAX_PATH];
  path[0] = L'\0';
  if (SHGetPathFromIDListW(chosen, path) && path[0] != L'\0') {
    result = TextFromWide(path, static_cast<std::size_t>(lstrlenW(path)), layer_.Storage());
  }
  IMalloc* allocator = nullptr;
  if (SUCCEEDED(SHGetMalloc(&allocator))) {
    allocator->Free(chosen);
    allocator->Release();
  }
  return result;
}

}  // namespace tcls::win32
