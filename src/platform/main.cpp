// TclsOverride: writes the two launch-override files into the game's TCLS folder.
#include <windows.h>

#include "platform/win32_files.h"
#include "platform/win32_folder_picker.h"
#include "platform/win32_process.h"
#include "platform/win32_windows.h"
#include "ui/program.h"
#include "ui/window_layer.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  // The command line is not read.
  tcls::win32::Win32ProcessServices process;
  tcls::win32::Win32WindowSystem windows(instance);
  tcls::WindowLayer layer(process, windows);
  windows.SetFatalReport(layer);
  tcls::win32::Win32FolderPicker picker(layer);
  tcls::win32::Win32FileOperations files(layer);
  return tcls::RunProgram(layer, process, picker, files);
}
