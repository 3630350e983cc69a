// What the program needs from the system it runs on. The Win32 realisation is
// in src/platform/; the tests put recording fakes in its place.
#pragma once

#include <cstddef>
#include <cstdint>

#include "ui/form.h"
#include "ui/text.h"
#include "ui/window_table.h"

namespace tcls {

// The process: its heap, OLE, its executable and its end.
class ProcessServices {
 public:
  virtual ~ProcessServices() = default;
  // The heap that text storage comes from (the process's default heap).
  virtual Heap& TextHeap() = 0;
  virtual void InitializeOle() = 0;
  virtual void UninitializeOle() = 0;
  // Writes the executable's full path, in code page 936 and terminated, into
  // `buffer`; an empty text when it cannot be had.
  virtual void ExecutablePath(char* buffer, std::size_t capacity) = 0;
  // Its result is not examined: a failure leaves the inherited directory.
  virtual void SetCurrentFolder(Text folder) = 0;
  [[noreturn]] virtual void EndProcess(std::uint32_t exitCode) = 0;
};

// What a native window tells the window layer.
class WindowEvents {
 public:
  virtual ~WindowEvents() = default;
  // A button's click notification, from the mouse or from Space.
  virtual void ControlClicked(std::uint32_t windowId, std::uint32_t controlId) = 0;
  // The window is being destroyed; its handle names no window any more.
  virtual void WindowDestroyed(std::uint32_t windowId) = 0;
};

struct ScreenSize {
  int width, height;
};

// The windowing system.
class WindowSystem {
 public:
  virtual ~WindowSystem() = default;
  virtual ScreenSize PrimaryScreenSize() = 0;
  // Creates the window of the form hidden at `origin` with its outer size,
  // its icons, font and controls, and shows it. Returns none (and leaves
  // nothing behind) if the window or any control cannot be created.
  virtual WindowHandle CreateFormWindow(const WindowForm& form, Point origin, WindowEvents& events) = 0;
  virtual bool IsLive(WindowHandle window) = 0;
  // The live native control of a form window, or none.
  virtual WindowHandle ControlWindow(WindowHandle window, const WindowForm& form, std::uint32_t controlId) = 0;
  // The control's text as a new text from `storage` (length + 1 bytes), or
  // absent when it is empty.
  virtual OwnedText ReadWindowText(WindowHandle control, TextStorage& storage) = 0;
  virtual void WriteWindowText(WindowHandle control, Text text) = 0;
  virtual void EnableWindow(WindowHandle window, bool enabled) = 0;
  // Fetches and dispatches messages until the quit message; returns its code.
  virtual int RunMessageLoop() = 0;
  virtual void PostQuit(int exitCode) = 0;
  // Frees the icons loaded for the windows.
  virtual void ReleaseIcons() = 0;
  // The ownerless error box with one OK button; returns when it is closed.
  virtual void ShowFatalErrorBox(Text text, Text caption) = 0;
};

}  // namespace tcls
