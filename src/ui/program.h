// Start-up, the message loop and the orderly end of the program.
#pragma once

#include <cstddef>

#include "override/launch_override.h"
#include "ui/platform.h"
#include "ui/step_one.h"
#include "ui/text.h"

namespace tcls {

// Length of the folder part of an executable's path: everything before its
// last backslash, found with code-page-936 scanning (the trail byte of a
// double-byte character is never a separator). 0 when there is no backslash.
std::size_t ExecutableFolderLength(Text path);

class WindowLayer;

// Runs the program from start-up to its orderly end and returns the exit
// code (0). The layer, constructed first, has already set up the text
// storage; the picker and the file operations may stand on it. A fatal error
// ends the process inside and never returns here.
int RunProgram(WindowLayer& layer, ProcessServices& process, FolderPicker& picker, FileOperations& files);

}  // namespace tcls
