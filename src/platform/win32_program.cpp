#include "platform/win32_program.h"

#include "platform/win32_files.h"
#include "platform/win32_folder_picker.h"
#include "platform/win32_windows.h"
#include "ui/program.h"
#include "ui/window_layer.h"

namespace tcls::win32 {

int RunWin32Program(HINSTANCE instance, ProcessServices& process) {
  Win32WindowSystem windows(instance);
  // Constructing the layer sets up the text storage: the first step of start-up.
  WindowLayer layer(process, windows);
  windows.SetFatalReport(layer);
  Win32FolderPicker picker(layer);
  Win32FileOperations files(layer);
  return RunProgram(layer, process, picker, files);
}

}  // namespace tcls::win32
