#include "folder_dialog.h"

#include <commctrl.h>

#include <cstdint>

#include "harness.h"

namespace e2e {
namespace {

constexpr SIZE_T kRemoteSize = 4096;
constexpr SIZE_T kTextOffset = 512;
constexpr int kTextChars = 260;

// TVITEMW as a 32-bit process lays it out.
struct TvItem32 {
  UINT mask;
  std::uint32_t hItem;
  UINT state;
  UINT stateMask;
  std::uint32_t pszText;
  int cchTextMax;
  int iImage;
  int iSelectedImage;
  int cChildren;
  std::uint32_t lParam;
};

HTREEITEM NextItem(HWND tree, HTREEITEM item, WPARAM relation) {
  return reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(item)));
}

}  // namespace

HWND FolderDialog::Find(DWORD processId, HWND owner, DWORD timeoutMs) {
  HWND found = nullptr;
  WaitFor(
      [&] {
        for (HWND hwnd : TopLevelWindows(processId, L"#32770")) {
          if (GetWindow(hwnd, GW_OWNER) == owner) {
            found = hwnd;
            return true;
          }
        }
        return false;
      },
      timeoutMs);
  return found;
}

FolderDialog::FolderDialog(HWND dialog, DWORD processId) : dialog_(dialog) {
  tree_ = FindWindowExW(dialog, nullptr, WC_TREEVIEWW, nullptr);
  process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE | PROCESS_QUERY_INFORMATION,
                         FALSE, processId);
  if (process_ != nullptr) {
    BOOL wow64 = FALSE;
    IsWow64Process(process_, &wow64);
    wow64_ = wow64 != FALSE;
    remote_ = static_cast<char*>(VirtualAllocEx(process_, nullptr, kRemoteSize, MEM_COMMIT, PAGE_READWRITE));
  }
}

FolderDialog::~FolderDialog() {
  if (remote_ != nullptr) VirtualFreeEx(process_, remote_, 0, MEM_RELEASE);
  if (process_ != nullptr) CloseHandle(process_);
}

std::vector<std::string> FolderDialog::Texts() const {
  std::vector<std::string> texts;
  for (HWND child = GetWindow(dialog_, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    if (_wcsicmp(ClassName(child).c_str(), L"Static") == 0) texts.push_back(WindowTextBytes(child));
  }
  return texts;
}

std::wstring FolderDialog::ItemText(HTREEITEM item) {
  char* remoteText = remote_ + kTextOffset;
  SIZE_T done = 0;
  if (wow64_) {
    TvItem32 query = {};
    query.mask = TVIF_TEXT | TVIF_HANDLE;
    query.hItem = static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(item));
    query.pszText = static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(remoteText));
    query.cchTextMax = kTextChars;
    WriteProcessMemory(process_, remote_, &query, sizeof query, &done);
  } else {
    TVITEMW query = {};
    query.mask = TVIF_TEXT | TVIF_HANDLE;
    query.hItem = item;
    query.pszText = reinterpret_cast<LPWSTR>(remoteText);
    query.cchTextMax = kTextChars;
    WriteProcessMemory(process_, remote_, &query, sizeof query, &done);
  }
  const wchar_t nothing = L'\0';
  WriteProcessMemory(process_, remoteText, &nothing, sizeof nothing, &done);
  SendMessageW(tree_, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(remote_));
  wchar_t text[kTextChars + 1] = {};
  ReadProcessMemory(process_, remoteText, text, kTextChars * sizeof(wchar_t), &done);
  return text;
}

std::vector<HTREEITEM> FolderDialog::Children(HTREEITEM parent) {
  // Expanding fills the children, as a click on the item's plus sign does.
  SendMessageW(tree_, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(parent));
  std::vector<HTREEITEM> children;
  for (HTREEITEM child = NextItem(tree_, parent, TVGN_CHILD); child != nullptr;
       child = NextItem(tree_, child, TVGN_NEXT)) {
    children.push_back(child);
  }
  return children;
}

HTREEITEM FolderDialog::ChildNamed(HTREEITEM parent, const std::wstring& name) {
  for (HTREEITEM child : Children(parent)) {
    if (_wcsicmp(ItemText(child).c_str(), name.c_str()) == 0) return child;
  }
  return nullptr;
}

HTREEITEM FolderDialog::Computer() {
  HTREEITEM desktop = NextItem(tree_, nullptr, TVGN_ROOT);
  for (HTREEITEM candidate : Children(desktop)) {
    std::wstring name = ItemText(candidate);
    // Not a folder of the file system such as "My Documents": the node that
    // holds the drives.
    for (HTREEITEM drive : Children(candidate)) {
      if (ItemText(drive).find(L"G:") != std::wstring::npos) return candidate;
    }
    SendMessageW(tree_, TVM_EXPAND, TVE_COLLAPSE, reinterpret_cast<LPARAM>(candidate));
  }
  return nullptr;
}

HTREEITEM FolderDialog::DriveG() {
  HTREEITEM computer = Computer();
  if (computer == nullptr) return nullptr;
  for (HTREEITEM drive : Children(computer)) {
    if (ItemText(drive).find(L"G:") != std::wstring::npos) return drive;
  }
  return nullptr;
}

HTREEITEM FolderDialog::Folder(const std::vector<std::wstring>& namesBelowDriveG) {
  HTREEITEM item = DriveG();
  for (const std::wstring& name : namesBelowDriveG) {
    if (item == nullptr) return nullptr;
    item = ChildNamed(item, name);
  }
  return item;
}

void FolderDialog::ClickItem(HTREEITEM item) {
  SendMessageW(tree_, TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(item));
  // TVM_GETITEMRECT takes the item in the RECT it fills.
  SIZE_T done = 0;
  RECT rect = {};
  if (wow64_) {
    const std::uint32_t handle = static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(item));
    WriteProcessMemory(process_, remote_, &handle, sizeof handle, &done);
  } else {
    WriteProcessMemory(process_, remote_, &item, sizeof item, &done);
  }
  SendMessageW(tree_, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(remote_));
  ReadProcessMemory(process_, remote_, &rect, sizeof rect, &done);
  MapWindowPoints(tree_, HWND_DESKTOP, reinterpret_cast<POINT*>(&rect), 2);
  ClickAtPoint((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
}

std::string FolderDialog::Describe() {
  std::string out;
  HTREEITEM desktop = NextItem(tree_, nullptr, TVGN_ROOT);
  out += "[" + ToCp936(ItemText(desktop)) + "]";
  for (HTREEITEM child : Children(desktop)) {
    out += " {" + ToCp936(ItemText(child)) + ":";
    for (HTREEITEM grandchild : Children(child)) out += " " + ToCp936(ItemText(grandchild));
    out += "}";
  }
  return out;
}

HTREEITEM FolderDialog::Selected() { return NextItem(tree_, nullptr, TVGN_CARET); }

void FolderDialog::ClickOk() { ClickAt(GetDlgItem(dialog_, IDOK)); }

void FolderDialog::ClickCancel() { ClickAt(GetDlgItem(dialog_, IDCANCEL)); }

}  // namespace e2e
