#include <string>

#include <gtest/gtest.h>

#include "fakes.h"
#include "ui/texts.h"

namespace tcls::testing {
namespace {

const std::string kFirst = "\xD4\xCB\xD0\xD0\xCA\xB1\xB3\xF6\xB4\xED!\r\n";  // 运行时出错!
const std::string kMessage = "\xB4\xED\xCE\xF3\xD0\xC5\xCF\xA2\xA3\xBA";      // 错误信息：
const std::string kCode = "\xB4\xED\xCE\xF3\xB4\xFA\xC2\xEB\xA3\xBA";         // 错误代码：

std::string Compose(const ProgramWindowTable& table, Text message, std::int32_t code, std::uint32_t window,
                    std::uint32_t control) {
  FatalBoxText out;
  ComposeFatalErrorText(table, message, code, window, control, out);
  return out.Get();
}

TEST(FatalErrorText, EachCaseByteForByte) {
  ProgramWindowTable withForm;
  ASSERT_TRUE(withForm.Enter(MainWindowForm()));
  const ProgramWindowTable empty;

  struct Case {
    const char* what;
    const ProgramWindowTable* table;
    Text message;
    std::int32_t code;
    std::uint32_t window, control;
    std::string expected;
  };
  const Case cases[] = {
      {"form unreadable", &empty, texts::kFormUnreadable, 0, 0, 0,
       kFirst + "\r\n" + kMessage + texts::kFormUnreadable + "\r\n\r\n0, 0\r\n"},
      {"window not created", &withForm, texts::kMainWindowNotCreated, 0, 0x52010001, 0,
       kFirst + "\r\n" + kMessage + texts::kMainWindowNotCreated + "\r\n\r\n1375797249, 0\r\n\"\"\r\n\"\"\r\n"},
      {"read without a live edit box", &withForm, texts::kReadWithoutLiveControl, 0, 0x52010001, 0x16012DED,
       kFirst + "\r\n" + kMessage + texts::kReadWithoutLiveControl +
           "\r\n\r\n1375797249, 369176045\r\n\"\"\r\n\"\"\r\n"},
      {"window not in the table", &empty, texts::kWindowNotLoaded, 0, 0x52010001, 0x16012DED,
       kFirst + "\r\n" + kMessage + texts::kWindowNotLoaded + "\r\n\r\n1375797249, 369176045\r\n" +
           texts::kWindowNotFound + "\r\n"},
      {"control not in the form", &withForm, "x", 0, 0x52010001, 0x16000001,
       kFirst + "\r\n" + kMessage + "x\r\n\r\n1375797249, 369098753\r\n\"\"\r\n" + texts::kControlNotFound + "\r\n"},
      {"a code, no message, a control identifier as window (not kind 2)", &withForm, "", -5, 0x16012DED, 0,
       kFirst + "\r\n" + kCode + "-5\r\n\r\n369176045, 0\r\n"},
      {"identifiers above 0x7FFFFFFF are signed", &empty, nullptr, 7, 0x91010001, 0xFFFFFFFF,
       kFirst + "\r\n" + kCode + "7\r\n\r\n-1862205439, -1\r\n"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Hex(Compose(*c.table, c.message, c.code, c.window, c.control)), Hex(c.expected)) << c.what;
  }
}

TEST(ReportFatalError, StopsClicksWhileTheBoxIsOpenThenEndsWithMinusOne) {
  LayerHarness h;
  class Counting final : public ClickRoutine {
   public:
    void Run() override { ++runs; }
    int runs = 0;
  } routine;
  ASSERT_TRUE(h.layer.BindClick(ids::MainWindow, ids::按钮2, routine));
  h.windows.Click(ids::按钮2);
  ASSERT_EQ(routine.runs, 1) << "the bound routine runs on a click before any report";

  int stoppingWhileOpen = -1;
  h.windows.whileBoxOpen = [&] {
    stoppingWhileOpen = h.layer.StoppingCount();
    h.windows.Click(ids::按钮2);  // the box leaves MainWindow enabled
  };
  try {
    h.layer.ReportFatalError(texts::kMainWindowNotCreated, 0, ids::MainWindow, 0);
    ADD_FAILURE() << "ReportFatalError returned";
  } catch (const ProcessEnded& ended) {
    EXPECT_EQ(ended.exitCode, 0xFFFFFFFFu);
  }
  EXPECT_EQ(stoppingWhileOpen, 1);
  EXPECT_EQ(routine.runs, 1) << "a click while the box is open reached the routine";
  EXPECT_TRUE(h.windows.ControlState(ids::按钮2).enabled);
  EXPECT_EQ(h.log, (Log{"ShowFatalErrorBox", "ReleaseIcons", "OleUninitialize", "EndProcess 4294967295"}));
}

}  // namespace
}  // namespace tcls::testing
