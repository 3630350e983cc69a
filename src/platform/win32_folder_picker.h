// Step one's folder picker on Win32: the shell's classic browse dialog.
#pragma once

#include <windows.h>
#include <shlobj.h>

#include "ui/step_one.h"
#include "ui/window_layer.h"

namespace tcls::win32 {

class Win32FolderPicker final : public FolderPicker {
 public:
  // The layer gives the program's windows and the text storage.
  explicit Win32FolderPicker(WindowLayer& layer) : layer_(layer) {}
  ~Win32FolderPicker() override;
  Win32FolderPicker(const Win32FolderPicker&) = delete;
  Win32FolderPicker& operator=(const Win32FolderPicker&) = delete;

  OwnedText ChooseFolder(Text title, bool includeFiles) override;

 private:
  // The shell is loaded on the first use of the picker, not at start-up:
  // loading and starting it is the largest part of a start-up that otherwise
  // shows a window and waits. Kept until the program ends.
  struct Shell {
    decltype(&SHBrowseForFolderW) browseForFolder;
    decltype(&SHGetPathFromIDListW) getPathFromIdList;
    decltype(&SHGetMalloc) getMalloc;
  };
  // nullptr when the shell cannot be loaded.
  const Shell* LoadShell();

  WindowLayer& layer_;
  HMODULE shell32_ = nullptr;
  Shell shell_ = {};
};

}  // namespace tcls::win32
