// Step two's file operations on Win32.
#pragma once

#include "override/launch_override.h"
#include "ui/fatal_error.h"

namespace tcls::win32 {

class Win32FileOperations final : public FileOperations {
 public:
  explicit Win32FileOperations(FatalErrorReport& fatal) : fatal_(fatal) {}
  bool WriteWholeFile(Text path, ByteSet content) override;
  bool SetFileAttributeBits(Text path, std::uint32_t attributes) override;

 private:
  FatalErrorReport& fatal_;
};

}  // namespace tcls::win32
