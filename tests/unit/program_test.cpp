#include <string>

#include <gtest/gtest.h>

#include "fakes.h"
#include "ui/program.h"
#include "ui/texts.h"

namespace tcls::testing {
namespace {

struct ProgramHarness {
  Log log;
  FakeHeap heap{log};
  FakeProcess process{log, heap};
  FakeWindowSystem windows{log};
  WindowLayer layer{process, windows};
  FakeFiles files{log};
  FakeFolderPicker picker{log, &layer.Storage()};
  int Run() { return RunProgram(layer, process, picker, files); }
};

TEST(RunProgram, StartsInOrderAndEndsWithZeroWhenTheWindowIsClosed) {
  ProgramHarness h;
  h.windows.script = [&] { h.windows.Destroy(); };
  EXPECT_EQ(h.Run(), 0);
  EXPECT_EQ(h.log, (Log{"TextHeap", "OleInitialize", "ExecutablePath", "SetCurrentFolder C:\\Games",
                        "CreateFormWindow", "RunMessageLoop", "destroyed", "PostQuit 0", "ReleaseIcons",
                        "OleUninitialize"}));
  EXPECT_EQ(h.windows.createdAt.x, 787);
  EXPECT_EQ(h.windows.createdAt.y, 440);
}

TEST(RunProgram, CentresOnTheScreenItFinds) {
  ProgramHarness h;
  h.windows.screen = ScreenSize{1366, 768};
  h.windows.script = [&] { h.windows.Destroy(); };
  h.Run();
  EXPECT_EQ(h.windows.createdAt.x, 510);
  EXPECT_EQ(h.windows.createdAt.y, 284);
}

TEST(RunProgram, BindsStepTwoToButton2AndStepOneToButton1) {
  ProgramHarness h;
  h.windows.script = [&] {
    h.windows.Click(ids::按钮2);
    EXPECT_FALSE(h.windows.ControlState(ids::按钮2).enabled);
    EXPECT_TRUE(h.windows.ControlState(ids::按钮1).enabled);
    h.windows.Click(ids::按钮1);
    EXPECT_FALSE(h.windows.ControlState(ids::按钮1).enabled);
    h.windows.Destroy();
  };
  EXPECT_EQ(h.Run(), 0);
  EXPECT_EQ(h.files.writtenContents.size(), 2u);
  EXPECT_EQ(h.picker.lastTitle, texts::kFolderPickerTitle);
}

TEST(RunProgram, AWindowThatCannotBeCreatedEndsInTheFatalReport) {
  ProgramHarness h;
  h.windows.failCreation = true;
  try {
    h.Run();
    ADD_FAILURE() << "RunProgram returned";
  } catch (const ProcessEnded& ended) {
    EXPECT_EQ(ended.exitCode, 0xFFFFFFFFu);
  }
  ASSERT_EQ(h.windows.boxTexts.size(), 1u);
  const std::string expected = std::string("\xD4\xCB\xD0\xD0\xCA\xB1\xB3\xF6\xB4\xED!\r\n\r\n") +
                               "\xB4\xED\xCE\xF3\xD0\xC5\xCF\xA2\xA3\xBA" + texts::kMainWindowNotCreated +
                               "\r\n\r\n1375797249, 0\r\n\"\"\r\n\"\"\r\n";
  EXPECT_EQ(Hex(h.windows.boxTexts[0]), Hex(expected));
  // OLE was initialised, so it is released before the end.
  EXPECT_EQ(h.log.back(), "EndProcess 4294967295");
  EXPECT_EQ(h.log[h.log.size() - 2], "OleUninitialize");
}

TEST(WindowLayer, LoopReturnsAtOnceWhenNoWindowIsLive) {
  LayerHarness h;
  h.windows.Destroy();  // before the loop: no quit is posted
  EXPECT_EQ(h.log, (Log{"destroyed"}));
  EXPECT_EQ(h.layer.RunMessageLoop(), 0);
  EXPECT_EQ(h.log, (Log{"destroyed"})) << "the loop must not wait for messages";
}

TEST(ExecutableFolderLength, SplitsAtTheLastRealBackslash) {
  struct Case {
    Text path;
    const char* folder;
  };
  const Case cases[] = {
      {"C:\\Games\\TclsOverride.exe", "C:\\Games"},
      {"C:\\TclsOverride.exe", "C:"},
      {"TclsOverride.exe", ""},
      {"", ""},
      {nullptr, ""},
      {"\\\\server\\share\\a.exe", "\\\\server\\share"},
      // 英雄联盟 ends in a character whose trail byte is 0x5C? No: but 表 (B1 ED) and
      // 能 (C4 DC) do not either; 誠 in GBK is D5 5C: its trail byte is a backslash.
      {"D:\\\xD5\x5C\\a.exe", "D:\\\xD5\x5C"},
      {"D:\\\xD5\x5C" "a.exe", "D:"},
      {"D:\\\xD3\xA2\xD0\xDB\\TCLS\\a.exe", "D:\\\xD3\xA2\xD0\xDB\\TCLS"},
      // A lead byte at the very end has no trail byte to take.
      {"D:\\x\\\x81", "D:\\x"},
  };
  for (const Case& c : cases) {
    const std::string path = c.path == nullptr ? "" : c.path;
    EXPECT_EQ(path.substr(0, ExecutableFolderLength(c.path)), c.folder) << Hex(path);
  }
}

}  // namespace
}  // namespace tcls::testing
