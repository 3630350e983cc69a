// Step one against the real program: 按钮1 is clicked with the mouse, the
// folder dialog is worked as a user works it, and then the whole job is done.
// Needs G: mapped to a folder of the test's, and read-only files enforced.
// With --screenshots=DIR it saves a picture of the screen after each step.
#include <string>
#include <vector>

#include "folder_dialog.h"
#include "harness.h"

namespace e2e {
namespace {

const std::string kFirstContent("[TCLS]\r\ndata_name=cf", 20);
const std::string kSecondContent("[TCLS]\r\nLocalR=90\r\nLastLoginMethod=1\r\n", 38);
// G:\game\WeGameApps\英雄联盟\TCLS in code page 936.
const std::string kGamePathBytes = "G:\\game\\WeGameApps\\\xD3\xA2\xD0\xDB\xC1\xAA\xC3\xCB\\TCLS";
const std::vector<std::wstring> kGameFolders = {L"game", L"WeGameApps", L"\u82F1\u96C4\u8054\u76DF", L"TCLS"};
// 选择LOL的TCLS目录
const std::string kTitle = "\xD1\xA1\xD4\xF1LOL\xB5\xC4TCLS\xC4\xBF\xC2\xBC";

// A picture of the middle of the screen, where the window and the dialog are.
void Screenshot(const char* name) {
  const std::string folder = Option("screenshots");
  if (folder.empty()) return;
  const RECT area = {510, 190, 1410, 890};
  SaveScreenshot(area, WindowsPath(folder) + L"\\" + FromCp936(name) + L".bmp");
}

std::wstring GameFolder() {
  std::wstring path = L"G:";
  for (const std::wstring& name : kGameFolders) path += L"\\" + name;
  MakeFolders(path);
  return path;
}

// Clicks 按钮1 and returns the folder dialog it opens.
HWND OpenDialog(Program& program) {
  ClickAt(program.Control(kButton1));
  return FolderDialog::Find(program.ProcessId(), program.Window(), 15000);
}

// After the dialog: the window is enabled and active again, 按钮1 is greyed.
void CheckAfterDialog(Program& program) {
  HWND window = program.Window();
  E2E_CHECK(WaitFor([&] { return IsWindowEnabled(window) != FALSE; }, 5000), "MainWindow is enabled again");
  E2E_CHECK(WaitFor([&] { return ActiveOf(window) == window; }, 5000), "MainWindow is active again");
  E2E_CHECK(WaitFor([&] { return !IsWindowEnabled(program.Control(kButton1)); }, 5000), "按钮1 is greyed");
  E2E_CHECK(!IsWindowEnabled(program.Control(kEditBox1)), "编辑框1 stays disabled");
  E2E_CHECK_EQ(TopLevelWindows(program.ProcessId()).size(), static_cast<std::size_t>(1),
               "windows of the program (no message)");
}

void CloseWithEsc(Program& program) {
  E2E_REQUIRE(BringToFront(program.Window()), "could not bring the window to the foreground");
  PressKey(VK_ESCAPE);
  E2E_CHECK_EQ(program.WaitForExit(), 0UL, "exit code after Esc");
}

E2E_TEST(TheWholeJob) {
  const std::wstring folder = GameFolder();
  RemoveFileForcibly(folder + L"\\wegame_launch");
  RemoveFileForcibly(folder + L"\\wegame_launch.tmp");

  Program program(ExeUnderTest(), StartMs());
  E2E_REQUIRE(program.Started(), "the program's window did not appear");
  Screenshot("1-start");
  HWND dialogWindow = OpenDialog(program);
  E2E_REQUIRE(dialogWindow != nullptr, "no folder dialog owned by MainWindow appeared");
  {
    FolderDialog dialog(dialogWindow, program.ProcessId());
    E2E_REQUIRE(dialog.Ready(), "could not reach the dialog's folder tree");
    bool titled = false;
    for (const std::string& text : dialog.Texts()) titled = titled || text == kTitle;
    E2E_CHECK(titled, "the dialog shows the title 选择LOL的TCLS目录");
    E2E_CHECK(!IsWindowEnabled(program.Window()), "MainWindow is disabled while the dialog is open");

    HTREEITEM tcls = dialog.Folder(kGameFolders);
    E2E_REQUIRE(tcls != nullptr, "the tree has no G:\\game\\WeGameApps\\英雄联盟\\TCLS: " << dialog.Describe());
    dialog.ClickItem(tcls);
    E2E_CHECK(dialog.Selected() == tcls, "the click selected the TCLS folder");
    Screenshot("2-dialog");
    dialog.ClickOk();
  }
  E2E_CHECK(WaitFor([&] { return !IsWindow(dialogWindow); }, 10000), "the dialog closed after OK");
  CheckAfterDialog(program);
  E2E_CHECK_EQ(WindowTextBytes(program.Control(kEditBox1)), kGamePathBytes,
               "the edit box holds the chosen path in code page 936");
  Screenshot("3-chosen");

  HWND button2 = program.Control(kButton2);
  ClickAt(button2);
  E2E_CHECK(WaitFor([&] { return !IsWindowEnabled(button2); }, 10000), "按钮2 was not greyed after the click");
  Screenshot("4-written");
  E2E_CHECK_EQ(ReadFileBytes(folder + L"\\wegame_launch"), kFirstContent, "wegame_launch, byte for byte");
  E2E_CHECK_EQ(ReadFileBytes(folder + L"\\wegame_launch.tmp"), kSecondContent, "wegame_launch.tmp, byte for byte");
  // Wine reports an archive bit it does not keep; read-only is what matters.
  for (const wchar_t* name : {L"\\wegame_launch", L"\\wegame_launch.tmp"}) {
    const DWORD attributes = GetFileAttributesW((folder + name).c_str()) & ~static_cast<DWORD>(FILE_ATTRIBUTE_ARCHIVE);
    E2E_CHECK_EQ(attributes, static_cast<DWORD>(FILE_ATTRIBUTE_READONLY), ToCp936(name) + " is read-only");
  }
  CloseWithEsc(program);
}

E2E_TEST(CancelKeepsTheInstructionTextAndStepTwoStillWorks) {
  Program program(ExeUnderTest(), StartMs());
  E2E_REQUIRE(program.Started(), "the program's window did not appear");
  const std::string instruction = WindowTextBytes(program.Control(kEditBox1));
  HWND button2 = program.Control(kButton2);
  HWND dialogWindow = OpenDialog(program);
  E2E_REQUIRE(dialogWindow != nullptr, "no folder dialog owned by MainWindow appeared");

  // While the dialog is open the program's window takes no clicks.
  E2E_CHECK(!IsWindowEnabled(program.Window()), "MainWindow is disabled while the dialog is open");
  SetWindowPos(dialogWindow, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  Sleep(300);
  ClickAt(button2);
  Sleep(500);
  E2E_CHECK(IsWindowEnabled(button2), "a click on 按钮2 ran step two while the dialog was open");
  E2E_CHECK(IsWindow(dialogWindow), "the dialog is still open");

  FolderDialog(dialogWindow, program.ProcessId()).ClickCancel();
  E2E_CHECK(WaitFor([&] { return !IsWindow(dialogWindow); }, 10000), "the dialog closed after Cancel");
  CheckAfterDialog(program);
  E2E_CHECK_EQ(WindowTextBytes(program.Control(kEditBox1)), instruction, "the instruction text stays");
  E2E_CHECK_EQ(instruction.size(), static_cast<std::size_t>(126), "the instruction text");

  // 按钮2 takes input again and works on the instruction text: nothing is created.
  ClickAt(button2);
  E2E_CHECK(WaitFor([&] { return !IsWindowEnabled(button2); }, 10000), "按钮2 did not work after the dialog");
  CloseWithEsc(program);
}

E2E_TEST(EscInTheDialogIsCancel) {
  Program program(ExeUnderTest(), StartMs());
  E2E_REQUIRE(program.Started(), "the program's window did not appear");
  const std::string before = WindowTextBytes(program.Control(kEditBox1));
  HWND dialogWindow = OpenDialog(program);
  E2E_REQUIRE(dialogWindow != nullptr, "no folder dialog owned by MainWindow appeared");
  E2E_REQUIRE(BringToFront(dialogWindow), "could not bring the dialog to the foreground");
  PressKey(VK_ESCAPE);
  E2E_CHECK(WaitFor([&] { return !IsWindow(dialogWindow); }, 10000), "the dialog closed after Esc");
  CheckAfterDialog(program);
  E2E_CHECK_EQ(WindowTextBytes(program.Control(kEditBox1)), before, "the edit box is unchanged");
  CloseWithEsc(program);
}

E2E_TEST(TheComputerNodeGivesNoPath) {
  Program program(ExeUnderTest(), StartMs());
  E2E_REQUIRE(program.Started(), "the program's window did not appear");
  const std::string before = WindowTextBytes(program.Control(kEditBox1));
  HWND dialogWindow = OpenDialog(program);
  E2E_REQUIRE(dialogWindow != nullptr, "no folder dialog owned by MainWindow appeared");
  {
    FolderDialog dialog(dialogWindow, program.ProcessId());
    E2E_REQUIRE(dialog.Ready(), "could not reach the dialog's folder tree");
    HTREEITEM computer = dialog.Computer();
    E2E_REQUIRE(computer != nullptr, "the tree has no computer node: " << dialog.Describe());
    dialog.ClickItem(computer);
    E2E_CHECK(dialog.Selected() == computer, "the click selected the computer node");
    dialog.ClickOk();
  }
  E2E_CHECK(WaitFor([&] { return !IsWindow(dialogWindow); }, 10000), "the dialog closed after OK");
  CheckAfterDialog(program);
  E2E_CHECK_EQ(WindowTextBytes(program.Control(kEditBox1)), before, "the edit box is unchanged");
  CloseWithEsc(program);
}

E2E_TEST(ADriveRootKeepsItsBackslash) {
  Program program(ExeUnderTest(), StartMs());
  E2E_REQUIRE(program.Started(), "the program's window did not appear");
  HWND dialogWindow = OpenDialog(program);
  E2E_REQUIRE(dialogWindow != nullptr, "no folder dialog owned by MainWindow appeared");
  {
    FolderDialog dialog(dialogWindow, program.ProcessId());
    E2E_REQUIRE(dialog.Ready(), "could not reach the dialog's folder tree");
    HTREEITEM drive = dialog.DriveG();
    E2E_REQUIRE(drive != nullptr, "the tree has no drive G:: " << dialog.Describe());
    dialog.ClickItem(drive);
    dialog.ClickOk();
  }
  E2E_CHECK(WaitFor([&] { return !IsWindow(dialogWindow); }, 10000), "the dialog closed after OK");
  CheckAfterDialog(program);
  E2E_CHECK_EQ(WindowTextBytes(program.Control(kEditBox1)), std::string("G:\\"), "the edit box shows the root");
  CloseWithEsc(program);
}

}  // namespace
}  // namespace e2e

int main(int argc, char** argv) { return e2e::RunAllTests(argc, argv); }
