// Drives the shell's classic folder dialog in another process: finds it,
// walks its tree to a folder, clicks the folder and the buttons with the
// mouse. Tree items are read with the common-control messages whose buffers
// are placed in the other process's memory, as any Windows test tool does.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

namespace e2e {

class FolderDialog {
 public:
  // The dialog owned by `owner`, waited for up to `timeoutMs`.
  static HWND Find(DWORD processId, HWND owner, DWORD timeoutMs);

  FolderDialog(HWND dialog, DWORD processId);
  ~FolderDialog();
  FolderDialog(const FolderDialog&) = delete;
  FolderDialog& operator=(const FolderDialog&) = delete;

  bool Ready() const { return tree_ != nullptr && remote_ != nullptr; }
  HWND Dialog() const { return dialog_; }
  // The title the dialog shows above the tree (its static texts), in code page 936.
  std::vector<std::string> Texts() const;

  // The computer node: the item under the desktop that holds drive G:.
  HTREEITEM Computer();
  // Walks from drive G: down the given folder names; null if one is missing.
  HTREEITEM Folder(const std::vector<std::wstring>& namesBelowDriveG);
  HTREEITEM DriveG();
  // Clicks an item with the mouse, which selects it.
  void ClickItem(HTREEITEM item);
  std::wstring ItemText(HTREEITEM item);
  HTREEITEM Selected();
  // The tree's top two levels, for failure messages.
  std::string Describe();
  void ClickOk();
  void ClickCancel();

 private:
  std::vector<HTREEITEM> Children(HTREEITEM parent);
  HTREEITEM ChildNamed(HTREEITEM parent, const std::wstring& name);

  HWND dialog_;
  HWND tree_ = nullptr;
  HANDLE process_ = nullptr;
  bool wow64_ = false;  // the program is 32-bit: its structures have 32-bit pointers
  char* remote_ = nullptr;
};

}  // namespace e2e
