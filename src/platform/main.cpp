// TclsOverride: writes the two launch-override files into the game's TCLS folder.
#include <windows.h>

#include "platform/win32_process.h"
#include "platform/win32_program.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  // Before anything that may load a library.
  tcls::win32::RestrictLibrarySearchToSystemFolder();
  // The command line is not read.
  tcls::win32::Win32ProcessServices process;
  return tcls::win32::RunWin32Program(instance, process);
}
