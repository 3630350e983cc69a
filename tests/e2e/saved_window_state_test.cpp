// The folder picker's save and restore of the program's windows, run on real
// windows of this test's own: which windows are disabled and recorded, and
// that each gets back exactly its former state.
#include "harness.h"
#include "platform/saved_window_state.h"

namespace e2e {
namespace {

using tcls::win32::DisableProgramWindows;
using tcls::win32::RestoreProgramWindows;
using tcls::win32::SavedWindowState;

HWND MakeWindow(DWORD style, HWND parentOrOwner, bool show) {
  HWND hwnd = CreateWindowExW(0, L"STATIC", L"", style, 10, 10, 120, 80, parentOrOwner, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
  if (show) ShowWindow(hwnd, SW_SHOW);
  return hwnd;
}

void Pump() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
}

E2E_TEST(DisablesTopLevelWindowsAndRestoresEachOneAsItWas) {
  HWND enabled = MakeWindow(WS_OVERLAPPEDWINDOW, nullptr, true);
  HWND alreadyDisabled = MakeWindow(WS_OVERLAPPEDWINDOW | WS_DISABLED, nullptr, true);
  HWND child = MakeWindow(WS_CHILD | WS_VISIBLE, enabled, false);
  HWND ownedPopup = MakeWindow(WS_POPUP, enabled, true);
  SetForegroundWindow(enabled);
  SetActiveWindow(enabled);
  Pump();
  E2E_REQUIRE(GetActiveWindow() == enabled, "the first window is active before the dialog");

  const HWND program[] = {enabled, alreadyDisabled, child, ownedPopup, nullptr};
  const SavedWindowState saved = DisableProgramWindows(program, 5);
  E2E_CHECK(saved.active == enabled, "record 1 holds the active window");
  E2E_CHECK(saved.foreground == GetForegroundWindow(), "record 1 holds the foreground window");
  E2E_REQUIRE(saved.disabledCount == 2, "two top-level windows recorded, got " << saved.disabledCount);
  E2E_CHECK(saved.disabled[0].window == enabled && saved.disabled[0].wasEnabled, "record 2: the enabled window, 1");
  E2E_CHECK(saved.disabled[1].window == alreadyDisabled && !saved.disabled[1].wasEnabled,
            "record 3: the disabled window, 0");
  E2E_CHECK(!IsWindowEnabled(enabled) && !IsWindowEnabled(alreadyDisabled), "both are disabled during the dialog");
  E2E_CHECK(IsWindowEnabled(ownedPopup), "an owned pop-up is not the picker's to disable");

  // The dialog would run here; another window of the system may take over.
  HWND other = MakeWindow(WS_OVERLAPPEDWINDOW, nullptr, true);
  SetForegroundWindow(other);
  Pump();

  RestoreProgramWindows(saved);
  Pump();
  E2E_CHECK(IsWindowEnabled(enabled), "the window that was enabled is enabled again");
  E2E_CHECK(!IsWindowEnabled(alreadyDisabled), "the window that was disabled before stays disabled");
  E2E_CHECK(GetActiveWindow() == enabled, "the former active window is active again");

  for (HWND hwnd : {other, ownedPopup, alreadyDisabled, enabled}) DestroyWindow(hwnd);
}

E2E_TEST(WithNoActiveWindowThereIsNoOwnerButTheWindowsAreStillDisabled) {
  // Hidden windows never become active: this thread has no active window.
  HWND first = MakeWindow(WS_OVERLAPPEDWINDOW, nullptr, false);
  HWND second = MakeWindow(WS_OVERLAPPEDWINDOW, nullptr, false);
  E2E_REQUIRE(GetActiveWindow() == nullptr, "no active window in this thread");
  const HWND program[] = {first, second};
  const SavedWindowState saved = DisableProgramWindows(program, 2);
  E2E_CHECK(saved.active == nullptr, "no owner for the dialog");
  E2E_CHECK(saved.disabledCount == 2, "both windows recorded");
  E2E_CHECK(!IsWindowEnabled(first) && !IsWindowEnabled(second), "both windows disabled all the same");
  RestoreProgramWindows(saved);
  E2E_CHECK(IsWindowEnabled(first) && IsWindowEnabled(second), "both enabled again");
  DestroyWindow(first);
  DestroyWindow(second);
}

E2E_TEST(ADestroyedWindowIsSkipped) {
  HWND gone = MakeWindow(WS_OVERLAPPEDWINDOW, nullptr, false);
  DestroyWindow(gone);
  const HWND program[] = {gone};
  const SavedWindowState saved = DisableProgramWindows(program, 1);
  E2E_CHECK_EQ(saved.disabledCount, static_cast<std::size_t>(0), "a window that is not live is not recorded");
  RestoreProgramWindows(saved);
}

}  // namespace
}  // namespace e2e

int main(int argc, char** argv) { return e2e::RunAllTests(argc, argv); }
