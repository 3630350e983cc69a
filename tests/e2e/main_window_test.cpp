// The main window of the real program, as a user and as Windows see it.
// Run with --exe=PATH of the program; run once under a Chinese and once under
// an English locale: everything checked here must be the same.
#include <string>

#include "harness.h"

namespace e2e {
namespace {

// Code page 936 bytes of the window's texts.
const std::string kInstruction =
    "\xD1\xA1\xD4\xF1\xC4\xBF\xC2\xBC\xCE\xAA\xD3\xA2\xD0\xDB\xC1\xAA\xC3\xCB\xB0\xB2\xD7\xB0\xC2\xB7\xBE\xB6"
    "\xB5\xC4TCLS\xC4\xBF\xC2\xBC\r\n\r\n\xC0\xFD\xC8\xE7\xA3\xBAG:\\game\\WeGameApps\\\xD3\xA2\xD0\xDB\xC1\xAA"
    "\xC3\xCB\\TCLS\r\n\r\n\xBD\xF6\xB9\xA9\xB2\xCE\xBF\xBC\xA3\xAC\xC7\xEB\xD1\xA1\xD4\xF1\xB1\xBE\xBB\xFA"
    "\xB0\xB2\xD7\xB0\xC2\xB7\xBE\xB6\xBE\xAB\xC8\xB7\xB5\xBDTCLS\xCE\xC4\xBC\xFE\xBC\xD0";
const std::string kStepOne = "\xB5\xDA\xD2\xBB\xB2\xBD\xD1\xA1\xD4\xF1\xCE\xC4\xBC\xFE\xBC\xD0";  // 第一步选择文件夹
const std::string kStepTwo = "\xB5\xDA\xB6\xFE\xB2\xBD\xD0\xDE\xB8\xC4";                          // 第二步修改
const std::string kLabel = "   by\xA3\xBATallowick";                                           // "   by：Tallowick"



struct ExpectedControl {
  int childId;
  const wchar_t* className;
  LONG style;  // as created, before the window layer shows it
  LONG exStyle;
  RECT rect;  // in the client area of MainWindow
  const std::string* text;
  bool enabled;
};

E2E_TEST(WindowAndControlsAreWhatTheFormSays) {
  Program program(ExeUnderTest(), StartMs());
  E2E_REQUIRE(program.Started(), "the program's window did not appear");
  HWND window = program.Window();

  // Outer 345 x 200, centred on the 1920 x 1080 screen of the test desktop.
  const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
  const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
  E2E_CHECK_EQ(screenWidth, 1920, "screen width of the test desktop");
  E2E_CHECK_EQ(screenHeight, 1080, "screen height of the test desktop");
  const RECT outer = WindowRect(window);
  E2E_CHECK_EQ(outer.left, (screenWidth - 345) / 2, "outer left");
  E2E_CHECK_EQ(outer.top, (screenHeight - 200) / 2, "outer top");
  E2E_CHECK_EQ(outer.left, 787L, "outer left on 1920 x 1080");
  E2E_CHECK_EQ(outer.top, 440L, "outer top on 1920 x 1080");
  E2E_CHECK_EQ(outer.right - outer.left, 345L, "outer width");
  E2E_CHECK_EQ(outer.bottom - outer.top, 200L, "outer height");

  // The client area is what the frame and title bar leave.
  RECT client = {};
  GetClientRect(window, &client);
  POINT origin = {0, 0};
  ClientToScreen(window, &origin);
  E2E_CHECK(origin.x > outer.left && origin.y > outer.top && origin.x + client.right < outer.right &&
                origin.y + client.bottom < outer.bottom,
            "the client area lies inside the frame");

  // Styles: no maximise box, no thick frame. WS_VISIBLE now that it is
  // shown, and WS_CLIPSIBLINGS, which Windows gives every top-level window.
  E2E_CHECK_EQ(GetWindowLongW(window, GWL_STYLE), static_cast<LONG>(0x02CA0000 | WS_VISIBLE | WS_CLIPSIBLINGS),
               "window style");
  // Windows itself adds WS_EX_WINDOWEDGE to every captioned window.
  E2E_CHECK_EQ(GetWindowLongW(window, GWL_EXSTYLE) & ~WS_EX_WINDOWEDGE, 0L, "window extended style");
  E2E_CHECK(GetWindow(window, GW_OWNER) == nullptr && GetParent(window) == nullptr, "no owner, no parent");
  E2E_CHECK_EQ(WindowTextBytes(window), std::string(), "the caption is empty");
  E2E_CHECK(ClassName(window) == L"TclsOverrideWindow", "window class");
  // Wine does not carry WM_GETICON or WM_GETFONT across processes, so the
  // icon is checked where it is drawn: the small icon at the left of the
  // title bar shows the folder's yellow.
  const RECT iconArea = {outer.left, outer.top, origin.x + 24, origin.y};
  E2E_CHECK(CountScreenPixels(iconArea, RGB(255, 255, 0)) >= 10, "the small icon is drawn in the title bar");
  E2E_CHECK(GetClassLongPtrW(window, GCLP_HICON) == 0, "no class icon");
  E2E_CHECK_EQ(static_cast<LONG>(GetClassLongW(window, GCL_STYLE)),
               static_cast<LONG>(CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS), "class style");
  E2E_CHECK(IsWindowEnabled(window), "the window is enabled");

  const ExpectedControl expected[] = {
      // In z-order from the top: 标签1, 按钮2, 编辑框1, 按钮1.
      {kLabel1, L"TclsOverrideLabel", 0x44000000, 0, {192, 144, 328, 168}, &kLabel, true},
      {kButton2, L"Button", 0x44012F00, 0, {224, 96, 296, 136}, &kStepTwo, true},
      {kEditBox1, L"Edit", 0x4C011044, WS_EX_CLIENTEDGE, {16, 16, 320, 80}, &kInstruction, false},
      {kButton1, L"Button", 0x44012F00, 0, {48, 96, 120, 136}, &kStepOne, true},
  };
  const std::vector<HWND> children = ChildrenInZOrder(window);
  E2E_REQUIRE(children.size() == 4, "four controls, found " << children.size());
  for (std::size_t i = 0; i < 4; ++i) {
    const ExpectedControl& e = expected[i];
    HWND child = children[i];
    const std::string where = "control " + std::to_string(e.childId) + " (z-order place " + std::to_string(i) + ")";
    E2E_CHECK_EQ(GetDlgCtrlID(child), e.childId, where + ": child-window identifier");
    E2E_CHECK(_wcsicmp(ClassName(child).c_str(), e.className) == 0, where << ": class");
    E2E_CHECK_EQ(GetWindowLongW(child, GWL_STYLE), static_cast<LONG>(e.style | WS_VISIBLE), where + ": style");
    E2E_CHECK_EQ(GetWindowLongW(child, GWL_EXSTYLE), e.exStyle, where + ": extended style");
    const RECT r = ChildRectInParentClient(child);
    E2E_CHECK_EQ(r.left, e.rect.left, where + ": left");
    E2E_CHECK_EQ(r.top, e.rect.top, where + ": top");
    E2E_CHECK_EQ(r.right, e.rect.right, where + ": right");
    E2E_CHECK_EQ(r.bottom, e.rect.bottom, where + ": bottom");
    E2E_CHECK_EQ(WindowTextBytes(child), *e.text, where + ": text in code page 936");
    E2E_CHECK_EQ(IsWindowEnabled(child) != FALSE, e.enabled, where + ": enabled");
    E2E_CHECK(IsWindowVisible(child), where << ": visible");
  }
  E2E_CHECK_EQ(kInstruction.size(), static_cast<std::size_t>(126), "the instruction text is 126 bytes");

  // The label is painted by the program: button face behind black text.
  const RECT label = WindowRect(program.Control(kLabel1));
  const long labelArea = (label.right - label.left) * (label.bottom - label.top);
  E2E_CHECK(CountScreenPixels(label, GetSysColor(COLOR_BTNFACE)) > labelArea / 2, "the label's background");
  E2E_CHECK(CountScreenPixels(label, RGB(0, 0, 0)) > 20, "the label's text in black");
  // The edit box: white behind its text.
  const RECT editArea = WindowRect(program.Control(kEditBox1));
  E2E_CHECK(CountScreenPixels(editArea, RGB(255, 255, 255)) >
                (editArea.right - editArea.left) * (editArea.bottom - editArea.top) / 2,
            "the edit box's white background");

  HWND edit = program.Control(kEditBox1);
  DWORD selStart = 1, selEnd = 1;
  SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&selStart), reinterpret_cast<LPARAM>(&selEnd));
  E2E_CHECK(selStart == 0 && selEnd == 0, "the caret at the start of the text, got " << selStart << ".." << selEnd);
  E2E_CHECK(static_cast<unsigned long long>(SendMessageW(edit, EM_GETLIMITTEXT, 0, 0)) >= 0x7FFFFFFEull,
            "no limit on the text length");
  E2E_CHECK_EQ(SendMessageW(edit, EM_GETFIRSTVISIBLELINE, 0, 0), 0LL, "the view at the start of the text");

  E2E_CHECK(FocusOf(window) == program.Control(kButton1),
            "the focus starts on 按钮1, found child " << GetDlgCtrlID(FocusOf(window)));
  E2E_CHECK(GetForegroundWindow() == window, "the window is in the foreground");

  E2E_REQUIRE(BringToFront(window), "could not bring the window to the foreground");
  PressKey(VK_ESCAPE);
  E2E_CHECK_EQ(program.WaitForExit(), 0UL, "exit code after Esc");
}

E2E_TEST(TabAndShiftTabMoveBetweenTheButtonsAndEnterDoesNothing) {
  Program program(ExeUnderTest(), StartMs());
  E2E_REQUIRE(program.Started(), "the program's window did not appear");
  HWND window = program.Window();
  HWND button1 = program.Control(kButton1);
  HWND button2 = program.Control(kButton2);
  E2E_REQUIRE(BringToFront(window), "could not bring the window to the foreground");

  struct Step {
    WORD key;
    bool shift;
    HWND focus;
    const char* what;
  };
  const Step steps[] = {
      {VK_TAB, false, button2, "Tab from 按钮1"},       {VK_TAB, false, button1, "Tab from 按钮2"},
      {VK_TAB, true, button2, "Shift+Tab from 按钮1"},  {VK_TAB, true, button1, "Shift+Tab from 按钮2"},
      {VK_RETURN, false, button1, "Enter on 按钮1"},    {VK_TAB, false, button2, "Tab again"},
      {VK_RETURN, false, button2, "Enter on 按钮2"},
  };
  for (const Step& step : steps) {
    PressKey(step.key, step.shift);
    E2E_CHECK(FocusOf(window) == step.focus, step.what << ": focus on child " << GetDlgCtrlID(FocusOf(window)));
    E2E_CHECK(FocusOf(window) != program.Control(kEditBox1), step.what << ": the edit box never gets the focus");
  }
  // Enter clicked nothing: both buttons are still enabled and no dialog opened.
  E2E_CHECK(IsWindowEnabled(button1) && IsWindowEnabled(button2), "Enter clicked a button");
  E2E_CHECK_EQ(TopLevelWindows(program.ProcessId()).size(), static_cast<std::size_t>(1), "windows of the program");

  // Space on the focused 按钮2 clicks it: step two runs on the instruction
  // text (which names no possible file) and greys the button.
  PressKey(VK_SPACE);
  E2E_CHECK(WaitFor([&] { return !IsWindowEnabled(button2); }, 3000), "Space did not click 按钮2");
  // With 按钮2 disabled, Tab and Shift+Tab find only 按钮1.
  PressKey(VK_TAB);
  E2E_CHECK(FocusOf(window) == button1, "Tab skips the disabled 按钮2, focus on " << GetDlgCtrlID(FocusOf(window)));
  PressKey(VK_TAB, true);
  E2E_CHECK(FocusOf(window) == button1, "Shift+Tab stays on the only tab stop");
  E2E_CHECK(program.Responsive(), "the window answers messages");

  PressKey(VK_ESCAPE);
  E2E_CHECK_EQ(program.WaitForExit(), 0UL, "exit code after Esc");
}

E2E_TEST(AltF4ClosesWithExitCodeZero) {
  Program program(ExeUnderTest(), StartMs());
  E2E_REQUIRE(program.Started(), "the program's window did not appear");
  E2E_REQUIRE(BringToFront(program.Window()), "could not bring the window to the foreground");
  PressKey(VK_F4, false, false, true);
  E2E_CHECK_EQ(program.WaitForExit(), 0UL, "exit code after Alt+F4");
}

E2E_TEST(CloseButtonClosesWithExitCodeZero) {
  Program program(ExeUnderTest(), StartMs());
  E2E_REQUIRE(program.Started(), "the program's window did not appear");
  // What the close button and Close in the window menu send.
  PostMessageW(program.Window(), WM_SYSCOMMAND, SC_CLOSE, 0);
  E2E_CHECK_EQ(program.WaitForExit(), 0UL, "exit code after SC_CLOSE");
}

E2E_TEST(FocusReturnsToTheLastFocusedButtonOnReactivation) {
  Program program(ExeUnderTest(), StartMs());
  E2E_REQUIRE(program.Started(), "the program's window did not appear");
  HWND window = program.Window();
  E2E_REQUIRE(BringToFront(window), "could not bring the window to the foreground");
  PressKey(VK_TAB);
  E2E_REQUIRE(FocusOf(window) == program.Control(kButton2), "Tab moved the focus to 按钮2");
  // Another window takes the foreground, then the program's comes back.
  HWND other = CreateWindowExW(0, L"STATIC", L"other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100, nullptr,
                               nullptr, GetModuleHandleW(nullptr), nullptr);
  BringToFront(other);
  E2E_CHECK(ActiveOf(window) != window, "the program's window was deactivated");
  E2E_CHECK(BringToFront(window), "the program's window came back");
  Sleep(300);
  E2E_CHECK(FocusOf(window) == program.Control(kButton2),
            "the focus went back to 按钮2, found child " << GetDlgCtrlID(FocusOf(window)));
  DestroyWindow(other);
  PostMessageW(window, WM_CLOSE, 0, 0);
  E2E_CHECK_EQ(program.WaitForExit(), 0UL, "exit code after WM_CLOSE");
}

}  // namespace
}  // namespace e2e

int main(int argc, char** argv) { return e2e::RunAllTests(argc, argv); }
