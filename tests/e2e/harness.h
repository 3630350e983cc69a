// A small test harness for the Win32 test programs that drive the real
// executable under Wine: test registration and checks that say what was
// expected and what happened, and a driver that starts the program as its own
// process and acts on its window as a user and as Windows would.
#pragma once

#include <windows.h>

#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

namespace e2e {

// ---- Tests and checks ----

using TestFunction = void (*)();
struct Registrar {
  Registrar(const char* name, TestFunction function);
};

#define E2E_TEST(name)                                   \
  static void name();                                    \
  static ::e2e::Registrar name##_registrar(#name, name); \
  static void name()

void RecordFailure(const char* file, int line, const std::string& message);
// True when the current test has failed so far.
bool CurrentTestFailed();

#define E2E_CHECK(condition, message)                                                  \
  do {                                                                                 \
    if (!(condition)) {                                                                \
      std::ostringstream e2e_stream_;                                                  \
      e2e_stream_ << "check failed: " #condition "\n    " << message;                  \
      ::e2e::RecordFailure(__FILE__, __LINE__, e2e_stream_.str());                    \
    }                                                                                  \
  } while (0)

#define E2E_CHECK_EQ(actual, expected, what)                                                                 \
  do {                                                                                                       \
    const auto& e2e_actual_ = (actual);                                                                      \
    const auto& e2e_expected_ = (expected);                                                                  \
    if (!(e2e_actual_ == e2e_expected_)) {                                                                   \
      std::ostringstream e2e_stream_;                                                                        \
      e2e_stream_ << what << "\n    expected: " << ::e2e::Show(e2e_expected_)                               \
                  << "\n    actual:   " << ::e2e::Show(e2e_actual_);                                        \
      ::e2e::RecordFailure(__FILE__, __LINE__, e2e_stream_.str());                                          \
    }                                                                                                        \
  } while (0)

// Stops the current test (after a failed precondition) by returning from it.
#define E2E_REQUIRE(condition, message) \
  do {                                  \
    E2E_CHECK(condition, message);      \
    if (!(condition)) return;           \
  } while (0)

std::string Show(const std::string& bytes);  // printable, with hex for non-ASCII bytes
std::string Show(long long value);
inline std::string Show(int value) { return Show(static_cast<long long>(value)); }
inline std::string Show(long value) { return Show(static_cast<long long>(value)); }
inline std::string Show(unsigned value) { return Show(static_cast<long long>(value)); }
inline std::string Show(unsigned long value) { return Show(static_cast<long long>(value)); }
inline std::string Show(unsigned long long value) { return Show(static_cast<long long>(value)); }
inline std::string Show(bool value) { return value ? "true" : "false"; }
inline std::string Show(const char* text) { return Show(std::string(text)); }
std::string Show(const void* pointer);

// Runs every registered test (or those named on the command line after the
// options) and prints "N passed, N failed"; returns the process exit code.
int RunAllTests(int argc, char** argv);

// Keeps the command line for Option(); RunAllTests does it itself.
void SetArguments(int argc, char** argv);
// The value of a "--name=value" option of the command line, or "".
std::string Option(const char* name);

// The program under test (--exe=PATH) and how long it may take to show its
// window (--start-ms=N; the 32-bit Wine is much slower to start).
std::wstring ExeUnderTest();
DWORD StartMs();

// ---- Texts ----

// UTF-16 to code page 936 bytes and back, as the program holds its texts.
std::string ToCp936(const std::wstring& wide);
std::wstring FromCp936(const std::string& bytes);
// A Linux path ("/work/...") as Wine's Z: drive names it; others unchanged.
std::wstring WindowsPath(const std::string& path);

// ---- Files ----

// The whole content of a file, or "<cannot open>".
std::string ReadFileBytes(const std::wstring& path);
// Deletes a file even if it is read-only.
void RemoveFileForcibly(const std::wstring& path);
// Creates a folder and any missing folders above it.
void MakeFolders(const std::wstring& path);

// ---- Windows of another process ----

std::string WindowTextBytes(HWND hwnd);  // WM_GETTEXT, in code page 936
std::wstring ClassName(HWND hwnd);
RECT WindowRect(HWND hwnd);
RECT ChildRectInParentClient(HWND child);
HWND FocusOf(HWND window);  // the focus of the window's thread
HWND ActiveOf(HWND window);
// Top-level windows of a process, visible ones only, optionally of one class.
std::vector<HWND> TopLevelWindows(DWORD processId, const wchar_t* className = nullptr);
// The child windows in z-order from the top.
std::vector<HWND> ChildrenInZOrder(HWND parent);

// How many pixels of a screen rectangle have exactly this colour.
long CountScreenPixels(const RECT& area, COLORREF colour);

// Polls `condition` every 50 ms until it holds or `timeoutMs` has passed.
template <typename Condition>
bool WaitFor(Condition condition, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  for (;;) {
    if (condition()) return true;
    if (GetTickCount() - start > timeoutMs) return false;
    Sleep(50);
  }
}

// ---- Input, as a user gives it ----

void PressKey(WORD key, bool shift = false, bool ctrl = false, bool alt = false);
void ClickAt(HWND window);  // a left click in the middle of the window, with the mouse
void ClickAtPoint(int x, int y);  // a left click at a point of the screen
// Saves a part of the screen as a 24-bit BMP file.
bool SaveScreenshot(const RECT& area, const std::wstring& path);
// Brings a window to the foreground so that keys go to it.
bool BringToFront(HWND window);

// ---- The program as a process ----

class Program {
 public:
  // Starts `exe` and waits up to `startMs` for its main window (of the class
  // `windowClass`; nullptr: any visible top-level window) to show.
  // `workingDir` (nullptr: the test's own) is the directory it starts in.
  Program(const std::wstring& exe, DWORD startMs = 30000, const wchar_t* windowClass = L"TclsOverrideWindow",
          const wchar_t* workingDir = nullptr);
  ~Program();  // ends the process if it is still running
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  bool Started() const { return window_ != nullptr; }
  HWND Window() const { return window_; }
  DWORD ProcessId() const { return info_.dwProcessId; }
  HWND Control(int childId) const { return GetDlgItem(window_, childId); }
  // Waits for the process to end; returns its exit code, or STILL_ACTIVE
  // after `timeoutMs`.
  DWORD WaitForExit(DWORD timeoutMs = 20000);
  bool Running() const;
  // Whether the window still answers messages (it is not hung).
  bool Responsive() const;

 private:
  PROCESS_INFORMATION info_ = {};
  HWND window_ = nullptr;
};

// The program's child-window identifiers.
enum ChildId : int { kButton1 = 100, kEditBox1 = 110, kButton2 = 120, kLabel1 = 130 };

}  // namespace e2e
