#include "harness.h"

#include <cstdio>
#include <cstring>

namespace e2e {
namespace {

struct Registered {
  const char* name;
  TestFunction function;
};

std::vector<Registered>& Registry() {
  static std::vector<Registered> tests;
  return tests;
}

bool g_currentFailed = false;
const char* g_currentName = "";
std::vector<std::string> g_arguments;

}  // namespace

Registrar::Registrar(const char* name, TestFunction function) { Registry().push_back({name, function}); }

void RecordFailure(const char* file, int line, const std::string& message) {
  g_currentFailed = true;
  std::printf("%s:%d: in %s: %s\n", file, line, g_currentName, message.c_str());
  std::fflush(stdout);
}

bool CurrentTestFailed() { return g_currentFailed; }

std::string Show(const std::string& bytes) {
  std::string out = "\"";
  char hex[8];
  for (unsigned char c : bytes) {
    if (c >= 0x20 && c < 0x7F && c != '\\' && c != '"') {
      out += static_cast<char>(c);
    } else {
      std::snprintf(hex, sizeof hex, "\\x%02X", c);
      out += hex;
    }
  }
  return out + "\" (" + std::to_string(bytes.size()) + " bytes)";
}

std::string Show(long long value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%lld (0x%llX)", value, static_cast<unsigned long long>(value));
  return buffer;
}

std::string Show(const void* pointer) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%p", pointer);
  return buffer;
}

std::string Option(const char* name) {
  const std::string prefix = std::string("--") + name + "=";
  for (const std::string& argument : g_arguments) {
    if (argument.compare(0, prefix.size(), prefix) == 0) return argument.substr(prefix.size());
  }
  return "";
}

void SetArguments(int argc, char** argv) {
  g_arguments.assign(argv + 1, argv + argc);
}

int RunAllTests(int argc, char** argv) {
  SetArguments(argc, argv);
  std::vector<std::string> selected;
  for (int i = 1; i < argc; ++i) {
    if (std::strncmp(argv[i], "--", 2) != 0) selected.push_back(argv[i]);
  }
  int passed = 0;
  int failed = 0;
  for (const Registered& test : Registry()) {
    if (!selected.empty()) {
      bool wanted = false;
      for (const std::string& name : selected) wanted = wanted || name == test.name;
      if (!wanted) continue;
    }
    g_currentFailed = false;
    g_currentName = test.name;
    std::printf("[ RUN      ] %s\n", test.name);
    std::fflush(stdout);
    const DWORD start = GetTickCount();
    test.function();
    std::printf("[ %s ] %s (%lu ms)\n", g_currentFailed ? " FAILED " : "      OK", test.name,
                static_cast<unsigned long>(GetTickCount() - start));
    std::fflush(stdout);
    (g_currentFailed ? failed : passed)++;
  }
  std::printf("%d passed, %d failed\n", passed, failed);
  std::fflush(stdout);
  return failed == 0 && passed > 0 ? 0 : 1;
}

std::wstring ExeUnderTest() { return WindowsPath(Option("exe")); }

DWORD StartMs() {
  const std::string given = Option("start-ms");
  return given.empty() ? 30000 : static_cast<DWORD>(std::stoul(given));
}

std::string ReadFileBytes(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return "<cannot open>";
  std::string bytes(4096, '\0');
  DWORD count = 0;
  ReadFile(file, &bytes[0], static_cast<DWORD>(bytes.size()), &count, nullptr);
  CloseHandle(file);
  bytes.resize(count);
  return bytes;
}

void RemoveFileForcibly(const std::wstring& path) {
  SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  DeleteFileW(path.c_str());
}

void MakeFolders(const std::wstring& path) {
  for (std::size_t at = path.find(L'\\', 3); at != std::wstring::npos; at = path.find(L'\\', at + 1)) {
    CreateDirectoryW(path.substr(0, at).c_str(), nullptr);
  }
  CreateDirectoryW(path.c_str(), nullptr);
}

std::string ToCp936(const std::wstring& wide) {
  if (wide.empty()) return "";
  const int n = WideCharToMultiByte(936, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(936, 0, wide.data(), static_cast<int>(wide.size()), &out[0], n, nullptr, nullptr);
  return out;
}

std::wstring FromCp936(const std::string& bytes) {
  if (bytes.empty()) return L"";
  const int n = MultiByteToWideChar(936, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
  std::wstring out(static_cast<std::size_t>(n), L'\0');
  MultiByteToWideChar(936, 0, bytes.data(), static_cast<int>(bytes.size()), &out[0], n);
  return out;
}

std::wstring WindowsPath(const std::string& path) {
  std::wstring wide;
  const int n = MultiByteToWideChar(CP_UTF8, 0, path.c_str(), -1, nullptr, 0);
  wide.resize(static_cast<std::size_t>(n > 0 ? n - 1 : 0));
  if (n > 1) MultiByteToWideChar(CP_UTF8, 0, path.c_str(), -1, &wide[0], n);
  if (!wide.empty() && wide[0] == L'/') {
    for (wchar_t& c : wide) {
      if (c == L'/') c = L'\\';
    }
    wide = L"Z:" + wide;
  }
  return wide;
}

std::string WindowTextBytes(HWND hwnd) {
  const LRESULT length = SendMessageW(hwnd, WM_GETTEXTLENGTH, 0, 0);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const LRESULT copied = SendMessageW(hwnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]));
  text.resize(static_cast<std::size_t>(copied));
  return ToCp936(text);
}

std::wstring ClassName(HWND hwnd) {
  wchar_t name[256];
  const int n = GetClassNameW(hwnd, name, 256);
  return std::wstring(name, n > 0 ? static_cast<std::size_t>(n) : 0);
}

RECT WindowRect(HWND hwnd) {
  RECT r = {};
  GetWindowRect(hwnd, &r);
  return r;
}

RECT ChildRectInParentClient(HWND child) {
  RECT r = WindowRect(child);
  MapWindowPoints(HWND_DESKTOP, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

HWND FocusOf(HWND window) {
  GUITHREADINFO info = {};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) return nullptr;
  return info.hwndFocus;
}

HWND ActiveOf(HWND window) {
  GUITHREADINFO info = {};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) return nullptr;
  return info.hwndActive;
}

namespace {
struct EnumState {
  DWORD processId;
  const wchar_t* className;
  std::vector<HWND>* out;
};

BOOL CALLBACK CollectTopLevel(HWND hwnd, LPARAM lParam) {
  EnumState& state = *reinterpret_cast<EnumState*>(lParam);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  if (pid == state.processId && IsWindowVisible(hwnd) &&
      (state.className == nullptr || ClassName(hwnd) == state.className)) {
    state.out->push_back(hwnd);
  }
  return TRUE;
}
}  // namespace

std::vector<HWND> TopLevelWindows(DWORD processId, const wchar_t* className) {
  std::vector<HWND> windows;
  EnumState state{processId, className, &windows};
  EnumWindows(&CollectTopLevel, reinterpret_cast<LPARAM>(&state));
  return windows;
}

std::vector<HWND> ChildrenInZOrder(HWND parent) {
  std::vector<HWND> children;
  for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    children.push_back(child);
  }
  return children;
}

namespace {

// A copy of part of the screen in a 32-bit top-down DIB section.
class ScreenCapture {
 public:
  explicit ScreenCapture(const RECT& area)
      : width_(area.right - area.left), height_(area.bottom - area.top) {
    if (width_ <= 0 || height_ <= 0) return;
    screen_ = GetDC(nullptr);
    memory_ = CreateCompatibleDC(screen_);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width_;
    info.bmiHeader.biHeight = -height_;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmap_ = CreateDIBSection(memory_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    pixels_ = static_cast<const DWORD*>(bits);
    previous_ = SelectObject(memory_, bitmap_);
    BitBlt(memory_, 0, 0, width_, height_, screen_, area.left, area.top, SRCCOPY);
    GdiFlush();
  }
  ~ScreenCapture() {
    if (memory_ == nullptr) return;
    SelectObject(memory_, previous_);
    DeleteObject(bitmap_);
    DeleteDC(memory_);
    ReleaseDC(nullptr, screen_);
  }
  ScreenCapture(const ScreenCapture&) = delete;
  ScreenCapture& operator=(const ScreenCapture&) = delete;

  int Width() const { return pixels_ == nullptr ? 0 : width_; }
  int Height() const { return pixels_ == nullptr ? 0 : height_; }
  // 0x00RRGGBB, rows from the top.
  DWORD Pixel(int x, int y) const { return pixels_[static_cast<long>(y) * width_ + x] & 0xFFFFFF; }

 private:
  int width_;
  int height_;
  HDC screen_ = nullptr;
  HDC memory_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ previous_ = nullptr;
  const DWORD* pixels_ = nullptr;
};

}  // namespace

long CountScreenPixels(const RECT& area, COLORREF colour) {
  const ScreenCapture capture(area);
  const DWORD wanted = (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour);
  long count = 0;
  for (int y = 0; y < capture.Height(); ++y) {
    for (int x = 0; x < capture.Width(); ++x) count += capture.Pixel(x, y) == wanted;
  }
  return count;
}

void PressKey(WORD key, bool shift, bool ctrl, bool alt) {
  std::vector<INPUT> inputs;
  auto add = [&](WORD vk, bool up) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    inputs.push_back(input);
  };
  if (ctrl) add(VK_CONTROL, false);
  if (alt) add(VK_MENU, false);
  if (shift) add(VK_SHIFT, false);
  add(key, false);
  add(key, true);
  if (shift) add(VK_SHIFT, true);
  if (alt) add(VK_MENU, true);
  if (ctrl) add(VK_CONTROL, true);
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
  Sleep(300);  // let the program take the keys before the test looks
}

void ClickAt(HWND window) {
  const RECT r = WindowRect(window);
  ClickAtPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

void ClickAtPoint(int x, int y) {
  const int width = GetSystemMetrics(SM_CXSCREEN);
  const int height = GetSystemMetrics(SM_CYSCREEN);
  auto mouse = [&](int px, int py, DWORD flags) {
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = static_cast<LONG>((px * 65536LL + width / 2) / width);
    input.mi.dy = static_cast<LONG>((py * 65536LL + height / 2) / height);
    input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &input, sizeof(INPUT));
  };
  // The pointer comes in from beside the target and rests on it before the
  // button goes down, as a hand's would: Wine only settles which window is
  // under a pointer that has moved.
  mouse(x + 3, y + 3, MOUSEEVENTF_MOVE);
  Sleep(100);
  mouse(x, y, MOUSEEVENTF_MOVE);
  Sleep(200);
  mouse(x, y, MOUSEEVENTF_LEFTDOWN);
  Sleep(50);
  mouse(x, y, MOUSEEVENTF_LEFTUP);
  Sleep(300);
}

bool SaveScreenshot(const RECT& area, const std::wstring& path) {
  const ScreenCapture capture(area);
  const int width = capture.Width();
  const int height = capture.Height();
  if (width == 0) return false;
  // A 24-bit BMP: rows from the bottom, each padded to four bytes.
  const DWORD rowBytes = ((static_cast<DWORD>(width) * 3 + 3) / 4) * 4;
  std::string image(rowBytes * static_cast<DWORD>(height), '\0');
  for (int y = 0; y < height; ++y) {
    char* row = &image[rowBytes * static_cast<DWORD>(height - 1 - y)];
    for (int x = 0; x < width; ++x) {
      const DWORD pixel = capture.Pixel(x, y);
      row[3 * x] = static_cast<char>(pixel & 0xFF);
      row[3 * x + 1] = static_cast<char>((pixel >> 8) & 0xFF);
      row[3 * x + 2] = static_cast<char>((pixel >> 16) & 0xFF);
    }
  }
  BITMAPINFOHEADER info = {};
  info.biSize = sizeof info;
  info.biWidth = width;
  info.biHeight = height;
  info.biPlanes = 1;
  info.biBitCount = 24;
  info.biCompression = BI_RGB;
  BITMAPFILEHEADER header = {};
  header.bfType = 0x4D42;
  header.bfOffBits = sizeof header + sizeof info;
  header.bfSize = header.bfOffBits + static_cast<DWORD>(image.size());
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD count = 0;
  const bool saved = WriteFile(file, &header, sizeof header, &count, nullptr) &&
                     WriteFile(file, &info, sizeof info, &count, nullptr) &&
                     WriteFile(file, image.data(), static_cast<DWORD>(image.size()), &count, nullptr);
  CloseHandle(file);
  return saved;
}

bool BringToFront(HWND window) {
  SetForegroundWindow(window);
  return WaitFor([&] { return GetForegroundWindow() == window; }, 3000);
}

Program::Program(const std::wstring& exe, DWORD startMs, const wchar_t* windowClass, const wchar_t* workingDir) {
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  std::wstring commandLine = L"\"" + exe + L"\"";
  if (!CreateProcessW(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, workingDir, &startup,
                      &info_)) {
    std::printf("could not start %ls: error %lu\n", exe.c_str(), GetLastError());
    return;
  }
  WaitFor(
      [&] {
        const std::vector<HWND> windows = TopLevelWindows(info_.dwProcessId, windowClass);
        if (windows.empty()) return false;
        window_ = windows.front();
        return true;
      },
      startMs);
  if (window_ != nullptr) {
    // Shown windows become the foreground window; wait for that, then let it paint.
    WaitFor([&] { return GetForegroundWindow() == window_; }, 5000);
    Sleep(300);
  }
}

Program::~Program() {
  if (info_.hProcess != nullptr) {
    if (Running()) {
      TerminateProcess(info_.hProcess, 99);
      WaitForSingleObject(info_.hProcess, 5000);
    }
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
  }
}

DWORD Program::WaitForExit(DWORD timeoutMs) {
  if (info_.hProcess == nullptr) return STILL_ACTIVE;
  if (WaitForSingleObject(info_.hProcess, timeoutMs) != WAIT_OBJECT_0) return STILL_ACTIVE;
  DWORD code = STILL_ACTIVE;
  GetExitCodeProcess(info_.hProcess, &code);
  return code;
}

bool Program::Running() const {
  return info_.hProcess != nullptr && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
}

bool Program::Responsive() const {
  DWORD_PTR result = 0;
  return window_ != nullptr && IsWindow(window_) &&
         SendMessageTimeoutW(window_, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &result) != 0;
}

}  // namespace e2e
