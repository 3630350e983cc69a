// The process on Win32: the process heap, OLE, the executable's path, the
// current directory and the end.
#pragma once

#include <windows.h>

#include "ui/platform.h"

namespace tcls::win32 {

// Makes Windows load libraries from the system folder only, never from the
// executable's folder or the current directory: a utility like this is run
// from a Downloads folder, where a planted DLL must not be picked up. Looked
// up at run time, so that a Windows 7 without the update that brings it still
// starts. Call it before anything else that may load a library.
void RestrictLibrarySearchToSystemFolder();

// Text storage on the process's default heap.
class ProcessHeapStorage final : public Heap {
 public:
  ProcessHeapStorage() : heap_(GetProcessHeap()) {}
  void* Allocate(std::size_t bytes) override { return HeapAlloc(heap_, 0, bytes); }
  void Free(void* block) override { HeapFree(heap_, 0, block); }

 private:
  HANDLE heap_;
};

class Win32ProcessServices : public ProcessServices {
 public:
  Heap& TextHeap() override { return heap_; }
  void InitializeOle() override;
  void UninitializeOle() override;
  void ExecutablePath(char* buffer, std::size_t capacity) override;
  void SetCurrentFolder(Text folder) override;
  [[noreturn]] void EndProcess(std::uint32_t exitCode) override;

 private:
  ProcessHeapStorage heap_;
};

}  // namespace tcls::win32
