// A test-only build of the program whose text storage refuses every request,
// so that the first click that needs a text ends in the fatal-error box.
// Everything else is the shipped program's own code.
#include <windows.h>

#include "platform/win32_files.h"
#include "platform/win32_folder_picker.h"
#include "platform/win32_process.h"
#include "platform/win32_windows.h"
#include "ui/program.h"
#include "ui/window_layer.h"

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
  tcls::win32::Win32WindowSystem windows(instance);
  tcls::WindowLayer layer(process, windows);
  windows.SetFatalReport(layer);
  tcls::win32::Win32FolderPicker picker(layer);
  tcls::win32::Win32FileOperations files(layer);
  return tcls::RunProgram(layer, process, picker, files);
}
