#include "platform/win32_files.h"

#include <windows.h>

#include "platform/cp936.h"

namespace tcls::win32 {
namespace {

// Read-only, hidden, system and archive: the only attribute bits ever set.
constexpr DWORD kSettableAttributes = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                                      FILE_ATTRIBUTE_ARCHIVE;
static_assert(kSettableAttributes == 0x27, "attribute mask");

}  // namespace

bool Win32FileOperations::WriteWholeFile(Text path, ByteSet content) {
  if (path == nullptr || *path == '\0') return false;
  WideText widePath(path, fatal_);

  SECURITY_ATTRIBUTES security = {};
  security.nLength = sizeof security;
  security.lpSecurityDescriptor = nullptr;
  security.bInheritHandle = TRUE;
  // Write access only, no sharing while the file is open, created or truncated.
  HANDLE file = CreateFileW(widePath.Get(), GENERIC_WRITE, 0, &security, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;  // nothing touched: an existing file keeps content and attributes

  bool written = true;
  if (content.length > 0) {
    DWORD count = 0;
    written = WriteFile(file, content.bytes, static_cast<DWORD>(content.length), &count, nullptr) != FALSE &&
              count == content.length;
  }
  // A failed close still counts as closed: it is not tried twice.
  const bool closed = CloseHandle(file) != FALSE;
  if (!written || !closed) {
    // A truncated file must not be left behind: the read-only mark that
    // follows would lock it where no later run could repair it.
    DeleteFileW(widePath.Get());
    return false;
  }
  return true;
}

bool Win32FileOperations::SetFileAttributeBits(Text path, std::uint32_t attributes) {
  WideText widePath(path == nullptr ? "" : path, fatal_);
  return SetFileAttributesW(widePath.Get(), attributes & kSettableAttributes) != FALSE;
}

}  // namespace tcls::win32
