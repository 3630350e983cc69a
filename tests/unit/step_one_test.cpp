#include <string>

#include <gtest/gtest.h>

#include "fakes.h"
#include "ui/texts.h"

namespace tcls::testing {
namespace {

struct StepOneHarness : LayerHarness {
  FakeFolderPicker picker{log, &layer.Storage()};
};

TEST(StepOneChooseFolder, WritesTheChosenPathThenDisablesButton1ThenReleases) {
  StepOneHarness h;
  const std::string chosen = "G:\\game\\WeGameApps\\\xD3\xA2\xD0\xDB\xC1\xAA\xC3\xCB\\TCLS";
  h.picker.choice = chosen;
  StepOneChooseFolder(h.layer, h.picker);
  EXPECT_EQ(h.picker.lastTitle, texts::kFolderPickerTitle);
  EXPECT_EQ(h.log, (Log{"ChooseFolder includeFiles=false", "obtain 33", "write 369176045 " + chosen,
                        "disable 369164293", "release " + chosen}));
  EXPECT_EQ(h.windows.ControlState(ids::编辑框1).text, chosen);
  EXPECT_TRUE(h.windows.ControlState(ids::按钮2).enabled) << "step one never touches 按钮2";
}

TEST(StepOneChooseFolder, NoPathLeavesTheEditBoxAndStillDisablesButton1) {
  StepOneHarness h;
  StepOneChooseFolder(h.layer, h.picker);
  EXPECT_EQ(h.log, (Log{"ChooseFolder includeFiles=false", "disable 369164293"}));
  EXPECT_EQ(h.windows.ControlState(ids::编辑框1).text, texts::kInstructionText);
  EXPECT_FALSE(h.windows.ControlState(ids::按钮1).enabled);
}

TEST(StepOneChooseFolder, ADriveRootKeepsItsBackslash) {
  StepOneHarness h;
  h.picker.choice = "G:\\";
  StepOneChooseFolder(h.layer, h.picker);
  EXPECT_EQ(h.windows.ControlState(ids::编辑框1).text, "G:\\");
}

}  // namespace
}  // namespace tcls::testing
