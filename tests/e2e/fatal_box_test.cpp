// The fatal-error box, end to end, with the test-only build whose text
// storage refuses every request: a click on 按钮2 asks for the edit box's text
// (127 bytes) and the program must end through the box.
#include <string>

#include "harness.h"

namespace e2e {
namespace {

// 运行时出错! / (empty) / 错误信息：分配 127 字节内存失败! / (empty) / 0, 0
const std::string kExpectedText =
    "\xD4\xCB\xD0\xD0\xCA\xB1\xB3\xF6\xB4\xED!\r\n"
    "\r\n"
    "\xB4\xED\xCE\xF3\xD0\xC5\xCF\xA2\xA3\xBA\xB7\xD6\xC5\xE4 127 \xD7\xD6\xBD\xDA\xC4\xDA\xB4\xE6\xCA\xA7\xB0\xDC!\r\n"
    "\r\n"
    "0, 0\r\n";
const std::string kCaption = "\xB4\xED\xCE\xF3";  // 错误

// The message box: a dialog of the program's with the caption 错误.
HWND FindBox(DWORD processId) {
  for (HWND hwnd : TopLevelWindows(processId, L"#32770")) {
    if (WindowTextBytes(hwnd) == kCaption) return hwnd;
  }
  return nullptr;
}

E2E_TEST(ExhaustedStorageShowsTheBoxStopsClicksAndEndsWithMinusOne) {
  Program program(ExeUnderTest());
  E2E_REQUIRE(program.Started(), "the program's window did not appear");
  HWND button1 = program.Control(kButton1);
  HWND button2 = program.Control(kButton2);

  ClickAt(button2);
  HWND box = nullptr;
  E2E_REQUIRE(WaitFor([&] { return (box = FindBox(program.ProcessId())) != nullptr; }, 10000),
              "no box titled 错误 appeared after the click");
  E2E_CHECK(GetWindow(box, GW_OWNER) == nullptr, "the box has no owner");
  // The message text is the box's static control 0xFFFF.
  E2E_CHECK_EQ(WindowTextBytes(GetDlgItem(box, 0xFFFF)), kExpectedText, "the box text, byte for byte");
  E2E_CHECK(GetDlgItem(box, IDOK) != nullptr && GetDlgItem(box, IDCANCEL) == nullptr, "one OK button");
  E2E_CHECK(IsWindowEnabled(program.Window()), "MainWindow stays enabled while the box is open");

  // A click on the other button reaches no routine: no folder picker, and it
  // stays enabled. The box is moved off the button first, as a user would.
  SetWindowPos(box, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  Sleep(300);
  ClickAt(button1);
  E2E_CHECK(WaitFor([&] { return GetForegroundWindow() == program.Window(); }, 3000),
            "the click on 按钮1 did not reach MainWindow");
  Sleep(1000);
  E2E_CHECK(IsWindowEnabled(button1), "按钮1 was disabled: its routine ran while the box was open");
  E2E_CHECK_EQ(TopLevelWindows(program.ProcessId(), L"#32770").size(), static_cast<std::size_t>(1),
               "dialogs of the program (the box alone)");
  E2E_CHECK(program.Running(), "the process ended before the box was closed");

  PostMessageW(box, WM_COMMAND, IDOK, 0);
  E2E_CHECK_EQ(program.WaitForExit(), 0xFFFFFFFFUL, "exit code after the box is closed");
}

}  // namespace
}  // namespace e2e

int main(int argc, char** argv) { return e2e::RunAllTests(argc, argv); }
