#include "platform/saved_window_state.h"

namespace tcls::win32 {

SavedWindowState DisableProgramWindows(const HWND* programWindows, std::size_t count) {
  SavedWindowState state = {};
  HWND active = GetActiveWindow();
  state.active = IsWindow(active) ? active : nullptr;
  state.foreground = GetForegroundWindow();
  for (std::size_t i = 0; i < count && state.disabledCount < SavedWindowState::kMaxWindows; ++i) {
    HWND window = programWindows[i];
    if (window == nullptr || !IsWindow(window)) continue;
    if (GetParent(window) != nullptr) continue;  // a child, or a pop-up with an owner
    state.disabled[state.disabledCount++] = SavedWindowState::Record{window, IsWindowEnabled(window) != FALSE};
    EnableWindow(window, FALSE);
  }
  return state;
}

void RestoreProgramWindows(const SavedWindowState& state) {
  for (std::size_t i = 0; i < state.disabledCount; ++i) {
    EnableWindow(state.disabled[i].window, state.disabled[i].wasEnabled ? TRUE : FALSE);
  }
  if (state.foreground != nullptr && IsWindow(state.foreground)) SetForegroundWindow(state.foreground);
  if (state.active != nullptr && IsWindow(state.active)) SetActiveWindow(state.active);
}

}  // namespace tcls::win32
