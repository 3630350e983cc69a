// A test-only build of the program whose text storage refuses every request,
// so that the first click that needs a text ends in the fatal-error box.
// Everything else is the shipped program's own code.
#include <windows.h>

#include "platform/win32_process.h"
#include "platform/win32_program.h"

namespace {

class RefusingHeap final : public tcls::Heap {
 public:
  void* Allocate(std::size_t) override { return nullptr; }
  void Free(void*) override {}
};

class RefusingProcess final : public tcls::win32::Win32ProcessServices {
 public:
  tcls::Heap& TextHeap() override { return heap_; }

 private:
  RefusingHeap heap_;
};

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  RefusingProcess process;
  return tcls::win32::RunWin32Program(instance, process);
}
