#include "platform/win32_process.h"

#include <ole2.h>

#include "platform/cp936.h"

namespace tcls::win32 {

void RestrictLibrarySearchToSystemFolder() {
  using SetDefaultDllDirectoriesFunction = BOOL(WINAPI*)(DWORD);
  HMODULE kernel32 = GetModuleHandleW(L"kernel32.dll");
  if (kernel32 == nullptr) return;
  const auto setDefaultDllDirectories = reinterpret_cast<SetDefaultDllDirectoriesFunction>(
      reinterpret_cast<void*>(GetProcAddress(kernel32, "SetDefaultDllDirectories")));
  if (setDefaultDllDirectories != nullptr) setDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
}

void Win32ProcessServices::InitializeOle() { OleInitialize(nullptr); }

void Win32ProcessServices::UninitializeOle() { OleUninitialize(); }

void Win32ProcessServices::ExecutablePath(char* buffer, std::size_t capacity) {
  wchar_t path[MAX_PATH];
  const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) {
    buffer[0] = '\0';
    return;
  }
  TextIntoBuffer(path, buffer, capacity);
}

void Win32ProcessServices::SetCurrentFolder(Text folder) {
  wchar_t wide[MAX_PATH + 1];
  WideIntoBuffer(folder, wide, MAX_PATH + 1);
  // An empty folder makes the call fail and changes nothing, which is what a
  // path without a backslash should do.
  SetCurrentDirectoryW(wide);
}

void Win32ProcessServices::EndProcess(std::uint32_t exitCode) { ExitProcess(exitCode); }

}  // namespace tcls::win32
