#include <string>

#include <gtest/gtest.h>

#include "fakes.h"
#include "ui/texts.h"

namespace tcls::testing {
namespace {

const std::string kFirstContent("[TCLS]\r\ndata_name=cf", 20);
const std::string kSecondContent("[TCLS]\r\nLocalR=90\r\nLastLoginMethod=1\r\n", 38);

struct StepTwoHarness : LayerHarness {
  FakeFiles files{log};
  void SetFolder(const std::string& folder) { windows.ControlState(ids::编辑框1).text = folder; }
  void Run() { StepTwoModify(layer, layer.Storage(), files); }
};

// The log of one click for a folder text: four reads, each path built,
// the text released, the operation, the path released; then the disable.
Log ExpectedLog(const std::string& folder) {
  const std::string first = folder + "/wegame_launch";
  const std::string second = folder + "/wegame_launch.tmp";
  Log log;
  auto step = [&](const std::string& path, const std::string& operation) {
    log.push_back("read 369176045");
    if (!folder.empty()) {
      log.push_back("obtain " + std::to_string(folder.size() + 1));
    }
    log.push_back("obtain " + std::to_string(path.size() + 1));
    if (!folder.empty()) log.push_back("release " + folder);
    log.push_back(operation);
    log.push_back("release " + path);
  };
  step(first, "WriteWholeFile " + first);
  step(first, "SetFileAttributeBits " + first + " 1");
  step(second, "WriteWholeFile " + second);
  step(second, "SetFileAttributeBits " + second + " 1");
  log.push_back("disable 369176047");
  return log;
}

TEST(StepTwoModify, ReadsJoinsOperatesAndReleasesInOrderForEachFolderText) {
  const std::string folders[] = {
      "G:\\game\\WeGameApps\\\xD3\xA2\xD0\xDB\xC1\xAA\xC3\xCB\\TCLS",  // 英雄联盟 in code page 936
      "G:\\",                                                       // a drive root: backslash then slash
      "C:\\TCLS ",                                                  // trailing blank kept
      "C:\\TCLS\r\n",                                               // trailing line break kept
      texts::kInstructionText,                                      // the untouched instruction text
      "",                                                           // empty reads as absent
  };
  for (const std::string& folder : folders) {
    SCOPED_TRACE(Hex(folder));
    StepTwoHarness h;
    h.SetFolder(folder);
    h.Run();
    EXPECT_EQ(h.log, ExpectedLog(folder));
    ASSERT_EQ(h.files.writtenContents.size(), 2u);
    EXPECT_EQ(Hex(h.files.writtenContents[0]), Hex(kFirstContent));
    EXPECT_EQ(Hex(h.files.writtenContents[1]), Hex(kSecondContent));
    EXPECT_FALSE(h.windows.ControlState(ids::按钮2).enabled);
    EXPECT_EQ(h.windows.ControlState(ids::编辑框1).text, folder) << "step two never changes the edit box";
  }
}

TEST(StepTwoModify, FailuresChangeNothingInTheOrder) {
  StepTwoHarness h;
  h.SetFolder("Q:\\absent");
  h.files.result = false;
  h.Run();
  EXPECT_EQ(h.log, ExpectedLog("Q:\\absent"));
  EXPECT_TRUE(h.windows.boxTexts.empty()) << "step two shows no message";
}

TEST(StepTwoModify, ExhaustedStorageForAPathEndsInTheFatalBoxWithItsByteCount) {
  StepTwoHarness h;
  h.SetFolder("G:\\TCLS");
  h.heap.RefuseAfter(1);  // the read is granted, the join refused
  try {
    h.Run();
    ADD_FAILURE() << "StepTwoModify went on after storage was refused";
  } catch (const ProcessEnded& ended) {
    EXPECT_EQ(ended.exitCode, 0xFFFFFFFFu);
  }
  // "G:\TCLS/wegame_launch" is 21 bytes: 22 were asked for.
  ASSERT_EQ(h.windows.boxTexts.size(), 1u);
  EXPECT_NE(h.windows.boxTexts[0].find(" 22 "), std::string::npos) << h.windows.boxTexts[0];
  EXPECT_EQ(h.files.writtenContents.size(), 0u) << "no file operation after the report";
}

TEST(LaunchOverrideFiles, HoldTheirExactBytes) {
  ASSERT_EQ(kLaunchOverrideFileCount, 2u);
  EXPECT_STREQ(kLaunchOverrideFiles[0].nameSuffix, "/wegame_launch");
  EXPECT_STREQ(kLaunchOverrideFiles[1].nameSuffix, "/wegame_launch.tmp");
  const ByteSet& a = kLaunchOverrideFiles[0].content;
  const ByteSet& b = kLaunchOverrideFiles[1].content;
  EXPECT_EQ(Hex(std::string(reinterpret_cast<const char*>(a.bytes), a.length)),
            "5B 54 43 4C 53 5D 0D 0A 64 61 74 61 5F 6E 61 6D 65 3D 63 66 ");
  EXPECT_EQ(Hex(std::string(reinterpret_cast<const char*>(b.bytes), b.length)),
            "5B 54 43 4C 53 5D 0D 0A 4C 6F 63 61 6C 52 3D 39 30 0D 0A 4C 61 73 74 4C 6F 67 69 6E 4D 65 74 68 6F 64 "
            "3D 31 0D 0A ");
}

}  // namespace
}  // namespace tcls::testing
