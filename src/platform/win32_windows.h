// The window layer's native side on Win32: the main window and its controls
// built from the form, their messages, the keys and the message loop.
#pragma once

#include <windows.h>

#include "ui/fatal_error.h"
#include "ui/platform.h"

namespace tcls::win32 {

inline HWND ToHwnd(WindowHandle handle) { return reinterpret_cast<HWND>(handle); }
inline WindowHandle FromHwnd(HWND hwnd) { return reinterpret_cast<WindowHandle>(hwnd); }

class Win32WindowSystem final : public WindowSystem {
 public:
  explicit Win32WindowSystem(HINSTANCE instance) : instance_(instance) {}
  ~Win32WindowSystem() override;
  Win32WindowSystem(const Win32WindowSystem&) = delete;
  Win32WindowSystem& operator=(const Win32WindowSystem&) = delete;

  // Where conversions report exhausted memory; set before any window exists.
  void SetFatalReport(FatalErrorReport& fatal) { fatal_ = &fatal; }

  ScreenSize PrimaryScreenSize() override;
  WindowHandle CreateFormWindow(const WindowForm& form, Point origin, WindowEvents& events) override;
  bool IsLive(WindowHandle window) override;
  WindowHandle ControlWindow(WindowHandle window, const WindowForm& form, std::uint32_t controlId) override;
  OwnedText ReadWindowText(WindowHandle control, TextStorage& storage) override;
  void WriteWindowText(WindowHandle control, Text text) override;
  void EnableWindow(WindowHandle window, bool enabled) override;
  int RunMessageLoop() override;
  void PostQuit(int exitCode) override;
  void ReleaseIcons() override;
  void ShowFatalErrorBox(Text text, Text caption) override;

 private:
  // The program's one window: what its window procedure needs, bound to the
  // HWND from WM_NCCREATE to WM_NCDESTROY.
  struct FormWindow {
    Win32WindowSystem* system = nullptr;
    const WindowForm* form = nullptr;
    WindowEvents* events = nullptr;
    HWND hwnd = nullptr;
    HWND lastFocus = nullptr;  // the child that had the focus when the window was last deactivated
  };

  static LRESULT CALLBACK MainWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK LabelProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT HandleMessage(FormWindow& window, UINT message, WPARAM wParam, LPARAM lParam);

  bool RegisterClasses();
  bool CreateControls(FormWindow& window);
  void LoadIcons();
  // Handles Tab, Shift+Tab, Esc and Enter for the main window; true when consumed.
  bool HandleKey(const MSG& msg);
  void MoveFocus(FormWindow& window, bool forward);
  void FocusOnActivation(FormWindow& window);
  HWND ChildOf(const FormWindow& window, std::uint32_t controlId) const;

  HINSTANCE instance_;
  FatalErrorReport* fatal_ = nullptr;
  bool classesRegistered_ = false;
  HICON bigIcon_ = nullptr;
  HICON smallIcon_ = nullptr;
  FormWindow window_;
};

}  // namespace tcls::win32
