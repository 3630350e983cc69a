// What the folder picker saves before its dialog and restores after it: the
// active and foreground windows, and the enabled state of each program window
// it disabled.
#pragma once

#include <windows.h>

#include <cstddef>

namespace tcls::win32 {

struct SavedWindowState {
  static constexpr std::size_t kMaxWindows = 4;
  struct Record {
    HWND window;
    bool wasEnabled;
  };
  // Record 1: the active window (none if it is not a live window) and the
  // foreground window.
  HWND active;
  HWND foreground;
  // Records 2 onwards, in the order the windows were visited.
  Record disabled[kMaxWindows];
  std::size_t disabledCount;
};

// Records the active and foreground windows, then disables each of
// `programWindows` (in order) that is a top-level window, recording whether it
// was enabled. Entries that are null or have a parent or owner are skipped.
SavedWindowState DisableProgramWindows(const HWND* programWindows, std::size_t count);

// Gives each recorded window its former enabled state, in record order, then
// brings back the foreground window and the active window, where they still exist.
void RestoreProgramWindows(const SavedWindowState& state);

}  // namespace tcls::win32
