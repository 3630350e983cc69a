#include <string>

#include <gtest/gtest.h>

#include "fakes.h"
#include "ui/texts.h"

namespace tcls::testing {
namespace {

constexpr std::uint32_t kUnknownWindow = 0x52019999;

// Runs `operation`, which must end in the fatal report, and returns the box text.
template <typename Operation>
std::string FatalTextOf(LayerHarness& h, Operation operation) {
  try {
    operation();
    ADD_FAILURE() << "the operation returned instead of ending the process";
  } catch (const ProcessEnded& ended) {
    EXPECT_EQ(ended.exitCode, 0xFFFFFFFFu);
  }
  return h.windows.boxTexts.empty() ? std::string() : h.windows.boxTexts.back();
}

TEST(ReadControlProperty, HandsOutANewCopyOfTheLiveTextEachTime) {
  LayerHarness h;
  {
    OwnedText first = h.layer.ReadControlProperty(ids::MainWindow, ids::编辑框1, kPropertyContent, kWholeProperty);
    OwnedText second = h.layer.ReadControlProperty(ids::MainWindow, ids::编辑框1, kPropertyContent, kWholeProperty);
    EXPECT_STREQ(first.Get(), texts::kInstructionText);
    EXPECT_NE(first.Get(), second.Get());
  }
  EXPECT_EQ(h.log, (Log{"read 369176045", "obtain 127", "read 369176045", "obtain 127",
                        std::string("release ") + texts::kInstructionText,
                        std::string("release ") + texts::kInstructionText}));
}

TEST(WriteControlProperty, ContentIsSetEveryTimeAndEmptyReadsBackAbsent) {
  LayerHarness h;
  h.layer.WriteControlProperty(ids::MainWindow, ids::编辑框1, kPropertyContent, kWholeProperty, "G:\\");
  h.layer.WriteControlProperty(ids::MainWindow, ids::编辑框1, kPropertyContent, kWholeProperty, "G:\\");
  EXPECT_EQ(h.log, (Log{"write 369176045 G:\\", "write 369176045 G:\\"}));
  h.layer.WriteControlProperty(ids::MainWindow, ids::编辑框1, kPropertyContent, kWholeProperty, Text(nullptr));
  EXPECT_EQ(h.windows.ControlState(ids::编辑框1).text, "");
  h.log.clear();
  OwnedText read = h.layer.ReadControlProperty(ids::MainWindow, ids::编辑框1, kPropertyContent, kWholeProperty);
  EXPECT_EQ(read.Get(), nullptr);
  EXPECT_EQ(h.log, (Log{"read 369176045"})) << "an empty text asks the storage for nothing";
}

TEST(WriteControlProperty, DisablesAButtonAndKeepsTheStoredState) {
  LayerHarness h;
  h.layer.WriteControlProperty(ids::MainWindow, ids::按钮1, kPropertyDisabled, kWholeProperty, 1);
  h.layer.WriteControlProperty(ids::MainWindow, ids::按钮1, kPropertyDisabled, kWholeProperty, 1);
  h.layer.WriteControlProperty(ids::MainWindow, ids::按钮2, kPropertyDisabled, kWholeProperty, 7);
  EXPECT_FALSE(h.windows.ControlState(ids::按钮1).enabled);
  EXPECT_FALSE(h.windows.ControlState(ids::按钮2).enabled);
  EXPECT_TRUE(h.layer.StoredDisabled(ids::按钮1));
  EXPECT_TRUE(h.layer.StoredDisabled(ids::按钮2));
  EXPECT_TRUE(h.windows.boxTexts.empty());

  // Without a live control only the stored state changes, and that is no failure.
  h.windows.ControlState(ids::按钮1).live = false;
  h.log.clear();
  h.layer.WriteControlProperty(ids::MainWindow, ids::按钮1, kPropertyDisabled, kWholeProperty, 0);
  EXPECT_FALSE(h.layer.StoredDisabled(ids::按钮1));
  EXPECT_TRUE(h.log.empty());
  EXPECT_TRUE(h.windows.boxTexts.empty());
}

TEST(ControlProperties, EachFailureEndsInItsReport) {
  const std::string first = "\xD4\xCB\xD0\xD0\xCA\xB1\xB3\xF6\xB4\xED!\r\n\r\n\xB4\xED\xCE\xF3\xD0\xC5\xCF\xA2\xA3\xBA";
  const std::string ids = "\r\n\r\n1375797249, 369176045\r\n";
  {
    LayerHarness h;
    EXPECT_EQ(Hex(FatalTextOf(h, [&] { h.layer.ReadControlProperty(kUnknownWindow, ids::编辑框1, 8, -1); })),
              Hex(first + texts::kWindowNotLoaded + "\r\n\r\n1375836569, 369176045\r\n" + texts::kWindowNotFound +
                  "\r\n"));
  }
  {
    LayerHarness h;
    FatalTextOf(h, [&] { h.layer.WriteControlProperty(kUnknownWindow, ids::按钮1, 6, -1, 1); });
    EXPECT_EQ(h.windows.boxTexts.size(), 1u) << "disabling a button of an unknown window is fatal too";
  }
  {
    LayerHarness h;
    h.windows.ControlState(ids::编辑框1).live = false;
    EXPECT_EQ(Hex(FatalTextOf(h, [&] { h.layer.ReadControlProperty(ids::MainWindow, ids::编辑框1, 8, -1); })),
              Hex(first + texts::kReadWithoutLiveControl + ids + "\"\"\r\n\"\"\r\n"));
  }
  {
    LayerHarness h;
    h.windows.Destroy();  // the whole window has gone
    EXPECT_EQ(Hex(FatalTextOf(h, [&] { h.layer.WriteControlProperty(ids::MainWindow, ids::编辑框1, 8, -1, "x"); })),
              Hex(first + texts::kWriteWithoutLiveControl + ids + "\"\"\r\n\"\"\r\n"));
  }
}

TEST(WindowLayer, ClicksReachOnlyTheirBoundRoutine) {
  LayerHarness h;
  struct Counting final : ClickRoutine {
    void Run() override { ++runs; }
    int runs = 0;
  } one, two;
  ASSERT_TRUE(h.layer.BindClick(ids::MainWindow, ids::按钮1, one));
  ASSERT_TRUE(h.layer.BindClick(ids::MainWindow, ids::按钮2, two));
  h.windows.Click(ids::按钮1);
  h.windows.Click(ids::标签1);
  h.windows.Click(ids::编辑框1);  // disabled: no click at all
  EXPECT_EQ(one.runs, 1);
  EXPECT_EQ(two.runs, 0);
  h.layer.BeginOrderlyEnd();
  h.windows.Click(ids::按钮2);
  EXPECT_EQ(two.runs, 0) << "no routine runs once the orderly end has begun";
}

}  // namespace
}  // namespace tcls::testing
