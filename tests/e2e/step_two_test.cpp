// Step two against the real program: the edit box is given a folder text as
// the window would hold it, 按钮2 is clicked with the mouse, and the files on
// disk are read back. Needs read-only files enforced (the wineserver and the
// program run without root's permission override), G: mapped to a folder of
// the test's, and T: mapped to a tiny file system that is full.
#include <string>

#include "harness.h"

namespace e2e {
namespace {

const std::string kFirstContent("[TCLS]\r\ndata_name=cf", 20);
const std::string kSecondContent("[TCLS]\r\nLocalR=90\r\nLastLoginMethod=1\r\n", 38);
const std::string kOldContent = "old content, kept";
// G:\game\WeGameApps\英雄联盟\TCLS, written as a user's path.
const std::wstring kGameFolder = L"G:\\game\\WeGameApps\\\u82F1\u96C4\u8054\u76DF\\TCLS";

// ---- Files, as the test sets them up and reads them back ----

bool Exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// A fresh, empty folder.
std::wstring FreshFolder(const std::wstring& path) {
  MakeFolders(path);
  RemoveFileForcibly(path + L"\\wegame_launch");
  RemoveFileForcibly(path + L"\\wegame_launch.tmp");
  return path;
}

void WriteBytes(const std::wstring& path, const std::string& bytes, DWORD attributes) {
  RemoveFileForcibly(path);
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  DWORD count = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &count, nullptr);
  CloseHandle(file);
  SetFileAttributesW(path.c_str(), attributes);
}

// The attributes of a file, as far as Wine can tell them: Wine keeps no
// archive bit and reports it on every regular file that has no hidden or
// system bit stored, so it is masked out here. Read-only, hidden and system
// are what Wine keeps, and those must be read-only alone.
DWORD Attributes(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes == INVALID_FILE_ATTRIBUTES ? attributes : attributes & ~static_cast<DWORD>(FILE_ATTRIBUTE_ARCHIVE);
}

// ---- The program ----

// Starts the program, puts `folder` into 编辑框1 (unless null: the
// instruction text stays), clicks 按钮2 and waits for it to grey. Then checks
// that no message appeared, that the window still answers, and that it
// closes with exit code 0.
void RunStepTwo(const std::wstring* folder, const wchar_t* workingDir = nullptr) {
  Program program(ExeUnderTest(), StartMs(), L"TclsOverrideWindow", workingDir);
  E2E_REQUIRE(program.Started(), "the program's window did not appear");
  HWND edit = program.Control(kEditBox1);
  HWND button2 = program.Control(kButton2);
  if (folder != nullptr) {
    SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(folder->c_str()));
    E2E_CHECK_EQ(WindowTextBytes(edit), ToCp936(*folder), "the edit box holds the folder text");
  }
  ClickAt(button2);
  E2E_CHECK(WaitFor([&] { return !IsWindowEnabled(button2); }, 10000), "按钮2 was not greyed after the click");
  Sleep(300);
  E2E_CHECK_EQ(TopLevelWindows(program.ProcessId()).size(), static_cast<std::size_t>(1),
               "windows of the program (no message may appear)");
  E2E_CHECK(IsWindowEnabled(program.Control(kButton1)), "step two leaves 按钮1 alone");
  E2E_CHECK(program.Responsive(), "the window still answers");
  E2E_REQUIRE(BringToFront(program.Window()), "could not bring the window to the foreground");
  PressKey(VK_ESCAPE);
  E2E_CHECK_EQ(program.WaitForExit(), 0UL, "exit code after Esc");
}

void CheckWritten(const std::wstring& folder) {
  E2E_CHECK_EQ(ReadFileBytes(folder + L"\\wegame_launch"), kFirstContent, "wegame_launch, byte for byte");
  E2E_CHECK_EQ(ReadFileBytes(folder + L"\\wegame_launch.tmp"), kSecondContent, "wegame_launch.tmp, byte for byte");
  E2E_CHECK_EQ(Attributes(folder + L"\\wegame_launch"), static_cast<DWORD>(FILE_ATTRIBUTE_READONLY),
               "wegame_launch carries exactly the read-only attribute");
  E2E_CHECK_EQ(Attributes(folder + L"\\wegame_launch.tmp"), static_cast<DWORD>(FILE_ATTRIBUTE_READONLY),
               "wegame_launch.tmp carries exactly the read-only attribute");
}

E2E_TEST(WritesBothFilesIntoTheChineseGameFolder) {
  const std::wstring folder = FreshFolder(kGameFolder);
  RunStepTwo(&folder);
  CheckWritten(folder);
}

E2E_TEST(ReplacesWritableFiles) {
  // Longer than the new contents, so that a missing truncation would show.
  // (Not hidden: Windows refuses CREATE_ALWAYS on a hidden file.)
  const std::wstring folder = FreshFolder(L"G:\\writable");
  WriteBytes(folder + L"\\wegame_launch", kOldContent + kOldContent, FILE_ATTRIBUTE_ARCHIVE);
  WriteBytes(folder + L"\\wegame_launch.tmp", kOldContent + kOldContent + kOldContent, FILE_ATTRIBUTE_ARCHIVE);
  RunStepTwo(&folder);
  CheckWritten(folder);
}

E2E_TEST(LeavesReadOnlyFilesFromAnEarlierRunUnchanged) {
  const std::wstring folder = FreshFolder(L"G:\\earlier");
  WriteBytes(folder + L"\\wegame_launch", kOldContent, FILE_ATTRIBUTE_READONLY);
  WriteBytes(folder + L"\\wegame_launch.tmp", kOldContent, FILE_ATTRIBUTE_READONLY);
  RunStepTwo(&folder);
  E2E_CHECK_EQ(ReadFileBytes(folder + L"\\wegame_launch"), kOldContent, "the read-only wegame_launch is unchanged");
  E2E_CHECK_EQ(ReadFileBytes(folder + L"\\wegame_launch.tmp"), kOldContent, "the read-only wegame_launch.tmp is unchanged");
  E2E_CHECK_EQ(Attributes(folder + L"\\wegame_launch"), static_cast<DWORD>(FILE_ATTRIBUTE_READONLY), "still read-only");
  E2E_CHECK_EQ(Attributes(folder + L"\\wegame_launch.tmp"), static_cast<DWORD>(FILE_ATTRIBUTE_READONLY),
               "still read-only");
}

E2E_TEST(OnlyTheFirstReadOnlyTheSecondIsCreated) {
  const std::wstring folder = FreshFolder(L"G:\\first-only");
  WriteBytes(folder + L"\\wegame_launch", kOldContent, FILE_ATTRIBUTE_READONLY);
  RunStepTwo(&folder);
  E2E_CHECK_EQ(ReadFileBytes(folder + L"\\wegame_launch"), kOldContent, "the read-only first file is unchanged");
  E2E_CHECK_EQ(ReadFileBytes(folder + L"\\wegame_launch.tmp"), kSecondContent, "the second file is created");
  E2E_CHECK_EQ(Attributes(folder + L"\\wegame_launch"), static_cast<DWORD>(FILE_ATTRIBUTE_READONLY), "first read-only");
  E2E_CHECK_EQ(Attributes(folder + L"\\wegame_launch.tmp"), static_cast<DWORD>(FILE_ATTRIBUTE_READONLY),
               "second read-only");
}

E2E_TEST(AnAbsentFolderGetsNothing) {
  const std::wstring absent = L"G:\\no such folder";
  RemoveDirectoryW(absent.c_str());
  RunStepTwo(&absent);
  E2E_CHECK(!Exists(absent), "the absent folder was created");
  E2E_CHECK(!Exists(L"G:\\wegame_launch") && !Exists(L"G:\\no such folder\\wegame_launch"), "a file was created");
}

E2E_TEST(TheUntouchedInstructionTextNamesNoFile) {
  // The example path of the instruction text exists, so a stray write would show there.
  const std::wstring example = FreshFolder(kGameFolder);
  wchar_t exeFolder[MAX_PATH];
  lstrcpynW(exeFolder, ExeUnderTest().c_str(), MAX_PATH);
  *wcsrchr(exeFolder, L'\\') = L'\0';
  RunStepTwo(nullptr);
  E2E_CHECK(!Exists(example + L"\\wegame_launch") && !Exists(example + L"\\wegame_launch.tmp"),
            "a file appeared in the instruction text's example folder");
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((std::wstring(exeFolder) + L"\\*wegame_launch*").c_str(), &found);
  E2E_CHECK(search == INVALID_HANDLE_VALUE, "a file appeared beside the program: " << ToCp936(found.cFileName));
  if (search != INVALID_HANDLE_VALUE) FindClose(search);
}

E2E_TEST(ARelativeFolderIsBesideTheProgramWhereverItWasStarted) {
  // Started in G:\, the program still resolves a relative folder text against
  // its own folder.
  std::wstring exeFolder = ExeUnderTest();
  exeFolder.resize(exeFolder.rfind(L'\\'));
  const std::wstring folder = FreshFolder(exeFolder + L"\\relative-tcls");
  RemoveFileForcibly(L"G:\\relative-tcls\\wegame_launch");
  const std::wstring relative = L"relative-tcls";
  RunStepTwo(&relative, L"G:\\");
  CheckWritten(folder);
  E2E_CHECK(!Exists(L"G:\\relative-tcls\\wegame_launch"), "the files went to the directory it was started in");
  RemoveFileForcibly(folder + L"\\wegame_launch");
  RemoveFileForcibly(folder + L"\\wegame_launch.tmp");
}

E2E_TEST(ADriveRootGetsBothFilesInItsRoot) {
  RemoveFileForcibly(L"G:\\wegame_launch");
  RemoveFileForcibly(L"G:\\wegame_launch.tmp");
  const std::wstring root = L"G:\\";
  RunStepTwo(&root);
  CheckWritten(L"G:");
  RemoveFileForcibly(L"G:\\wegame_launch");
  RemoveFileForcibly(L"G:\\wegame_launch.tmp");
}

E2E_TEST(AFileHeldOpenByAnotherProcessKeepsItsContent) {
  const std::wstring folder = FreshFolder(L"G:\\held");
  const std::wstring held = folder + L"\\wegame_launch";
  WriteBytes(held, kOldContent, FILE_ATTRIBUTE_NORMAL);
  // This test's process holds it open, sharing nothing.
  HANDLE holder = CreateFileW(held.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  E2E_REQUIRE(holder != INVALID_HANDLE_VALUE, "could not hold the file open");
  RunStepTwo(&folder);
  CloseHandle(holder);
  E2E_CHECK_EQ(ReadFileBytes(held), kOldContent, "the held file keeps its content");
  E2E_CHECK_EQ(ReadFileBytes(folder + L"\\wegame_launch.tmp"), kSecondContent, "the other file is written");
  E2E_CHECK_EQ(Attributes(folder + L"\\wegame_launch.tmp"), static_cast<DWORD>(FILE_ATTRIBUTE_READONLY),
               "the other file is read-only");
}

E2E_TEST(AFullDiskLeavesNoTruncatedFileLocked) {
  // T: is a tiny file system with no room left: files can be created, but
  // nothing can be written into them.
  E2E_REQUIRE(Exists(L"T:\\"), "drive T: (the full file system) is not mapped");
  const std::wstring folder = L"T:\\";
  RunStepTwo(&folder);
  E2E_CHECK(!Exists(L"T:\\wegame_launch"), "a truncated wegame_launch was left behind");
  E2E_CHECK(!Exists(L"T:\\wegame_launch.tmp"), "a truncated wegame_launch.tmp was left behind");
}

}  // namespace
}  // namespace e2e

int main(int argc, char** argv) { return e2e::RunAllTests(argc, argv); }
