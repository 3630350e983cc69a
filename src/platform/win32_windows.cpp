#include "platform/win32_windows.h"

#include "platform/cp936.h"
#include "ui/form.h"
#include "ui/keyboard.h"
#include "ui/native_styles.h"

namespace tcls::win32 {
namespace {

// The form's style numbers are the Win32 ones.
static_assert(style::kOverlapped == WS_OVERLAPPED && style::kChild == WS_CHILD &&
                  style::kClipSiblings == WS_CLIPSIBLINGS && style::kClipChildren == WS_CLIPCHILDREN &&
                  style::kDisabled == WS_DISABLED && style::kCaption == WS_CAPTION && style::kSysMenu == WS_SYSMENU &&
                  style::kMinimizeBox == WS_MINIMIZEBOX && style::kTabStop == WS_TABSTOP &&
                  style::kExClientEdge == WS_EX_CLIENTEDGE,
              "window styles");
static_assert(style::kEditMultiline == ES_MULTILINE && style::kEditAutoVScroll == ES_AUTOVSCROLL &&
                  style::kEditWantReturn == ES_WANTRETURN,
              "edit styles");
static_assert(style::kButtonPush == BS_PUSHBUTTON && style::kButtonCenter == BS_CENTER &&
                  style::kButtonVCenter == BS_VCENTER && style::kButtonMultiline == BS_MULTILINE,
              "button styles");

constexpr wchar_t kMainWindowClass[] = L"TclsOverrideWindow";
constexpr wchar_t kLabelClass[] = L"TclsOverrideLabel";
constexpr wchar_t kIconGroup[] = L"DEFAULT_ICON";
// One line, left-aligned, centred vertically, "&" drawn as itself (0x824).
constexpr UINT kLabelTextFormat = DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);

HFONT DefaultGuiFont() { return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }

const wchar_t* NativeClass(ControlKind kind) {
  switch (kind) {
    case ControlKind::EditBox:
      return L"EDIT";
    case ControlKind::Button:
      return L"BUTTON";
    case ControlKind::Label:
      break;
  }
  return kLabelClass;
}

ATOM RegisterWindowClass(HINSTANCE instance, const wchar_t* name, WNDPROC procedure) {
  WNDCLASSEXW windowClass = {};
  windowClass.cbSize = sizeof windowClass;
  windowClass.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  // The hollow brush: each window paints its own background in WM_PAINT.
  windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
  windowClass.lpszClassName = name;
  return RegisterClassExW(&windowClass);
}

// Paints a label: the button-face background, then its text in black.
void PaintLabel(HWND hwnd) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(hwnd, &paint);
  if (dc == nullptr) return;
  FillRect(dc, &paint.rcPaint, GetSysColorBrush(COLOR_BTNFACE));
  wchar_t text[256];
  const int length = GetWindowTextW(hwnd, text, 256);
  RECT client;
  GetClientRect(hwnd, &client);
  const HGDIOBJ previousFont = SelectObject(dc, DefaultGuiFont());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, kBlack);
  DrawTextW(dc, text, length, &client, kLabelTextFormat);
  SelectObject(dc, previousFont);
  EndPaint(hwnd, &paint);
}

}  // namespace

Win32WindowSystem::~Win32WindowSystem() { ReleaseIcons(); }

ScreenSize Win32WindowSystem::PrimaryScreenSize() {
  return ScreenSize{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

bool Win32WindowSystem::RegisterClasses() {
  if (classesRegistered_) return true;
  if (RegisterWindowClass(instance_, kMainWindowClass, &MainWindowProc) == 0) return false;
  if (RegisterWindowClass(instance_, kLabelClass, &LabelProc) == 0) return false;
  classesRegistered_ = true;
  return true;
}

void Win32WindowSystem::LoadIcons() {
  // Loaded once, kept until the program ends.
  if (bigIcon_ == nullptr) bigIcon_ = static_cast<HICON>(LoadImageW(instance_, kIconGroup, IMAGE_ICON, 32, 32, 0));
  if (smallIcon_ == nullptr) {
    smallIcon_ = static_cast<HICON>(LoadImageW(instance_, kIconGroup, IMAGE_ICON, 16, 16, 0));
  }
}

void Win32WindowSystem::ReleaseIcons() {
  if (bigIcon_ != nullptr) DestroyIcon(bigIcon_);
  if (smallIcon_ != nullptr) DestroyIcon(smallIcon_);
  bigIcon_ = nullptr;
  smallIcon_ = nullptr;
}

WindowHandle Win32WindowSystem::CreateFormWindow(const WindowForm& form, Point origin, WindowEvents& events) {
  if (window_.hwnd != nullptr || !RegisterClasses()) return nullptr;
  window_ = FormWindow{this, &form, &events, nullptr, nullptr};

  WideText caption(form.caption, *fatal_);
  // Hidden at first; WM_NCCREATE binds window_ and sets window_.hwnd.
  HWND hwnd = CreateWindowExW(form.exStyle, kMainWindowClass, caption.Get(), form.style, origin.x, origin.y,
                              form.outerWidth, form.outerHeight, nullptr, nullptr, instance_, &window_);
  if (hwnd == nullptr) {
    window_ = FormWindow{};
    return nullptr;
  }

  // The outer size is fixed whatever the system's frame metrics.
  RECT outer;
  if (GetWindowRect(hwnd, &outer) &&
      (outer.right - outer.left != form.outerWidth || outer.bottom - outer.top != form.outerHeight)) {
    MoveWindow(hwnd, origin.x, origin.y, form.outerWidth, form.outerHeight, TRUE);
  }

  LoadIcons();
  SendMessageW(hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_));
  SendMessageW(hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_));
  SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(DefaultGuiFont()), FALSE);

  if (!CreateControls(window_)) {
    DestroyWindow(hwnd);  // takes the controls made so far with it
    window_ = FormWindow{};
    return nullptr;
  }

  // Z-order in form order: the first control of the form on top.
  HWND above = HWND_TOP;
  for (std::size_t i = 0; i < form.controlCount; ++i) {
    HWND child = ChildOf(window_, form.controls[i].id);
    SetWindowPos(child, above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    above = child;
  }
  for (std::size_t i = 0; i < form.controlCount; ++i) {
    ShowWindow(ChildOf(window_, form.controls[i].id), form.controls[i].visible ? SW_SHOWNA : SW_HIDE);
  }
  ShowWindow(hwnd, SW_SHOW);
  return FromHwnd(hwnd);
}

bool Win32WindowSystem::CreateControls(FormWindow& window) {
  const WindowForm& form = *window.form;
  for (std::size_t i = 0; i < form.controlCount; ++i) {
    const ControlForm& control = ControlInCreationOrder(form, i);
    WideText text(control.text, *fatal_);
    HWND child = CreateWindowExW(control.exStyle, NativeClass(control.kind), text.Get(), control.style, control.left,
                                 control.top, control.width, control.height, window.hwnd,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(ChildWindowIdentifier(i))), instance_,
                                 nullptr);
    if (child == nullptr) return false;
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(DefaultGuiFont()), FALSE);
    if (control.kind == ControlKind::EditBox) {
      SendMessageW(child, EM_LIMITTEXT, 0, 0);  // 0: no limit of the program's own
      SendMessageW(child, EM_SETSEL, 0, 0);
      SendMessageW(child, EM_SCROLLCARET, 0, 0);
    }
  }
  return true;
}

namespace {

// The native child of a form window for one of its controls, or null.
HWND FormChild(HWND parent, const WindowForm& form, std::uint32_t controlId) {
  const int creationIndex = CreationIndexOf(form, controlId);
  if (parent == nullptr || creationIndex < 0) return nullptr;
  return GetDlgItem(parent, ChildWindowIdentifier(static_cast<std::size_t>(creationIndex)));
}

// The control of the form that a native child of the window stands for, or null.
const ControlForm* FormControlOf(HWND parent, const WindowForm& form, HWND child) {
  if (child == nullptr || GetParent(child) != parent) return nullptr;
  const int childId = GetDlgCtrlID(child);
  for (std::size_t i = 0; i < form.controlCount; ++i) {
    if (ChildWindowIdentifier(i) == childId) return &ControlInCreationOrder(form, i);
  }
  return nullptr;
}

}  // namespace

HWND Win32WindowSystem::ChildOf(const FormWindow& window, std::uint32_t controlId) const {
  return FormChild(window.hwnd, *window.form, controlId);
}

bool Win32WindowSystem::IsLive(WindowHandle window) { return window != nullptr && IsWindow(ToHwnd(window)); }

WindowHandle Win32WindowSystem::ControlWindow(WindowHandle window, const WindowForm& form, std::uint32_t controlId) {
  return FromHwnd(FormChild(ToHwnd(window), form, controlId));
}

OwnedText Win32WindowSystem::ReadWindowText(WindowHandle control, TextStorage& storage) {
  HWND hwnd = ToHwnd(control);
  const int length = GetWindowTextLengthW(hwnd);
  if (length <= 0) return OwnedText();
  const std::size_t bytes = (static_cast<std::size_t>(length) + 1) * sizeof(wchar_t);
  wchar_t* wide = static_cast<wchar_t*>(HeapAlloc(GetProcessHeap(), 0, bytes));
  if (wide == nullptr) ReportStorageExhausted(*fatal_, bytes);
  const int copied = GetWindowTextW(hwnd, wide, length + 1);
  OwnedText text = TextFromWide(wide, copied > 0 ? static_cast<std::size_t>(copied) : 0, storage);
  HeapFree(GetProcessHeap(), 0, wide);
  return text;
}

void Win32WindowSystem::WriteWindowText(WindowHandle control, Text text) {
  WideText wide(text, *fatal_);
  SetWindowTextW(ToHwnd(control), wide.Get());
}

void Win32WindowSystem::EnableWindow(WindowHandle window, bool enabled) {
  ::EnableWindow(ToHwnd(window), enabled ? TRUE : FALSE);
}

void Win32WindowSystem::PostQuit(int exitCode) { PostQuitMessage(exitCode); }

void Win32WindowSystem::ShowFatalErrorBox(Text text, Text caption) {
  // No heap here: the box may be reporting that there is none left.
  wchar_t wideText[1100];
  wchar_t wideCaption[16];
  WideIntoBuffer(text, wideText, sizeof wideText / sizeof wideText[0]);
  WideIntoBuffer(caption, wideCaption, sizeof wideCaption / sizeof wideCaption[0]);
  MessageBoxW(nullptr, wideText, wideCaption, MB_OK | MB_ICONERROR);
}

int Win32WindowSystem::RunMessageLoop() {
  MSG msg = {};
  for (;;) {
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got == 0) break;    // WM_QUIT
    if (got == -1) return 0;  // an invalid argument; nothing more can be fetched
    if ((msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) && HandleKey(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return static_cast<int>(msg.wParam);
}

bool Win32WindowSystem::HandleKey(const MSG& msg) {
  FormWindow& window = window_;
  if (window.hwnd == nullptr || (msg.hwnd != window.hwnd && !IsChild(window.hwnd, msg.hwnd))) return false;
  Key key = Key::Other;
  switch (msg.wParam) {
    case VK_TAB:
      key = Key::Tab;
      break;
    case VK_ESCAPE:
      key = Key::Escape;
      break;
    case VK_RETURN:
      key = Key::Enter;
      break;
    default:
      return false;
  }
  const Modifiers modifiers{GetKeyState(VK_CONTROL) < 0, GetKeyState(VK_SHIFT) < 0, GetKeyState(VK_MENU) < 0};
  switch (ClassifyKey(key, modifiers)) {
    case KeyAction::FocusNext:
      MoveFocus(window, true);
      return true;
    case KeyAction::FocusPrevious:
      MoveFocus(window, false);
      return true;
    case KeyAction::CloseWindow:
      SendMessageW(window.hwnd, WM_CLOSE, 0, 0);
      return true;
    case KeyAction::Nothing:
      return true;
    case KeyAction::PassToControl:
      break;
  }
  return false;
}

namespace {

constexpr std::size_t kMaxControls = 16;

// The live state of the form's controls, in creation order, as the focus
// rules take it; `current` gets the creation index of `focus`, or -1.
std::size_t FocusCandidates(HWND parent, const WindowForm& form, HWND focus, FocusCandidate* out, HWND* handles,
                            int& current) {
  const std::size_t count = form.controlCount < kMaxControls ? form.controlCount : kMaxControls;
  current = -1;
  for (std::size_t i = 0; i < count; ++i) {
    const ControlForm& control = ControlInCreationOrder(form, i);
    HWND child = GetDlgItem(parent, ChildWindowIdentifier(i));
    handles[i] = child;
    const bool live = child != nullptr;
    out[i] = FocusCandidate{live && IsWindowVisible(child) != FALSE, live && IsWindowEnabled(child) != FALSE,
                            control.tabStop, control.tabOrder};
    if (live && child == focus) current = static_cast<int>(i);
  }
  return count;
}

}  // namespace

void Win32WindowSystem::MoveFocus(FormWindow& window, bool forward) {
  FocusCandidate candidates[kMaxControls];
  HWND handles[kMaxControls];
  int current = -1;
  const std::size_t count = FocusCandidates(window.hwnd, *window.form, GetFocus(), candidates, handles, current);
  const int next = NextFocus(candidates, count, current, forward);
  if (next >= 0 && next != current) SetFocus(handles[next]);
}

void Win32WindowSystem::FocusOnActivation(FormWindow& window) {
  // Back to the control that had the focus, if it is still there and can
  // take it (a button disabled meanwhile cannot); else the first tab stop.
  if (window.lastFocus != nullptr && IsWindow(window.lastFocus) && IsChild(window.hwnd, window.lastFocus) &&
      IsWindowEnabled(window.lastFocus) && IsWindowVisible(window.lastFocus)) {
    SetFocus(window.lastFocus);
    return;
  }
  FocusCandidate candidates[kMaxControls];
  HWND handles[kMaxControls];
  int current = -1;
  const std::size_t count = FocusCandidates(window.hwnd, *window.form, nullptr, candidates, handles, current);
  const int first = FirstFocus(candidates, count);
  if (first >= 0) SetFocus(handles[first]);
}

LRESULT CALLBACK Win32WindowSystem::MainWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  FormWindow* window = reinterpret_cast<FormWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (message == WM_NCCREATE) {
    window = static_cast<FormWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    window->hwnd = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
  }
  if (window == nullptr) return DefWindowProcW(hwnd, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    window->hwnd = nullptr;
    window->lastFocus = nullptr;
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }
  return window->system->HandleMessage(*window, message, wParam, lParam);
}

LRESULT Win32WindowSystem::HandleMessage(FormWindow& window, UINT message, WPARAM wParam, LPARAM lParam) {
  HWND hwnd = window.hwnd;
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(hwnd, &paint);
      if (dc != nullptr) {
        FillRect(dc, &paint.rcPaint, GetSysColorBrush(COLOR_BTNFACE));
        EndPaint(hwnd, &paint);
      }
      return 0;
    }
    case WM_COMMAND:
      if (HIWORD(wParam) == BN_CLICKED) {
        const ControlForm* control = FormControlOf(hwnd, *window.form, reinterpret_cast<HWND>(lParam));
        if (control != nullptr && control->kind == ControlKind::Button) {
          window.events->ControlClicked(window.form->id, control->id);
          return 0;
        }
      }
      break;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
      // A disabled edit control asks with WM_CTLCOLORSTATIC: black on white all the same.
      if (const ControlForm* control = FormControlOf(hwnd, *window.form, reinterpret_cast<HWND>(lParam));
          control != nullptr && control->kind == ControlKind::EditBox) {
        HDC dc = reinterpret_cast<HDC>(wParam);
        SetTextColor(dc, kBlack);
        SetBkColor(dc, kWhite);
        return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
      }
      break;
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus != nullptr && IsChild(hwnd, focus)) window.lastFocus = focus;
      }
      break;
    case WM_SETFOCUS:
      FocusOnActivation(window);
      return 0;
    case WM_DESTROY:
      window.events->WindowDestroyed(window.form->id);
      return 0;
    default:
      break;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

LRESULT CALLBACK Win32WindowSystem::LabelProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT) {
    PaintLabel(hwnd);
    return 0;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace tcls::win32
