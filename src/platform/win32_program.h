// The program on Win32: the Windows realisations of every platform operation,
// put together around the window layer and run.
#pragma once

#include <windows.h>

#include "ui/platform.h"

namespace tcls::win32 {

// Runs the program with `process` for the process services (the shipped
// program passes the real ones) and returns its exit code.
int RunWin32Program(HINSTANCE instance, ProcessServices& process);

}  // namespace tcls::win32
