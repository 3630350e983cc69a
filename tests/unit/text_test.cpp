#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "fakes.h"
#include "ui/texts.h"

namespace tcls::testing {
namespace {

TEST(CompareText, OrdersUnsignedBytesWithAbsentAsEmpty) {
  struct Case {
    Text a, b;
    int expected;
  };
  const Case cases[] = {
      {nullptr, nullptr, 0},
      {nullptr, "", 0},
      {"", nullptr, 0},
      {"", "", 0},
      {"a", nullptr, 1},
      {nullptr, "a", -1},
      {"abc", "abc", 0},
      {"ab", "abc", -1},  // a prefix is the smaller
      {"abc", "ab", 1},
      {"abd", "abc", 1},
      {"\x7F", "\x80", -1},  // bytes above 0x7F are unsigned, so larger
      {"\xFF", "\x01", 1},
      {"G:\\\xD3\xA2", "G:\\\xD3\xA1", 1},
      {"\xB5\xDA", "\xB5\xDA", 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CompareText(c.a, c.b), c.expected)
        << "CompareText(" << (c.a ? Hex(c.a) : "absent") << ", " << (c.b ? Hex(c.b) : "absent") << ")";
  }
}

TEST(TextStorage, JoinAsksForTheSumOfLengthsPlusOne) {
  LayerHarness h;
  {
    OwnedText joined = JoinText(h.layer.Storage(), "G:\\TCLS", "/wegame_launch");
    EXPECT_STREQ(joined.Get(), "G:\\TCLS/wegame_launch");
    OwnedText fromAbsent = JoinText(h.layer.Storage(), nullptr, "/x");
    EXPECT_STREQ(fromAbsent.Get(), "/x");
  }
  EXPECT_EQ(h.log, (Log{"obtain 22", "obtain 3", "release /x", "release G:\\TCLS/wegame_launch"}));
}

TEST(TextStorage, CopyOfNothingIsAbsentAndAsksForNothing) {
  LayerHarness h;
  OwnedText empty = CopyText(h.layer.Storage(), "", 0);
  EXPECT_EQ(empty.Get(), nullptr);
  empty.Reset();  // releasing an absent text does nothing
  h.layer.Storage().Release(nullptr);
  EXPECT_TRUE(h.log.empty());
}

TEST(TextStorage, MovedTextIsReleasedOnce) {
  LayerHarness h;
  OwnedText first = CopyText(h.layer.Storage(), "abc", 3);
  OwnedText second = std::move(first);
  EXPECT_EQ(first.Get(), nullptr);
  second = CopyText(h.layer.Storage(), "de", 2);  // releases "abc"
  second.Reset();
  EXPECT_EQ(h.log, (Log{"obtain 4", "obtain 3", "release abc", "release de"}));
}

TEST(TextStorage, ExhaustionEndsTheProcessWithTheByteCount) {
  LayerHarness h;
  h.heap.RefuseAfter(0);
  bool returned = false;
  try {
    JoinText(h.layer.Storage(), "G:\\TCLS", "/wegame_launch.tmp");
    returned = true;
  } catch (const ProcessEnded& ended) {
    EXPECT_EQ(ended.exitCode, 0xFFFFFFFFu);
  }
  EXPECT_FALSE(returned) << "a refused request must never return to its caller";
  ASSERT_EQ(h.windows.boxTexts.size(), 1u);
  // 运行时出错! / (empty) / 错误信息：分配 26 字节内存失败! / (empty) / 0, 0
  const std::string expected =
      "\xD4\xCB\xD0\xD0\xCA\xB1\xB3\xF6\xB4\xED!\r\n"
      "\r\n"
      "\xB4\xED\xCE\xF3\xD0\xC5\xCF\xA2\xA3\xBA\xB7\xD6\xC5\xE4 26 \xD7\xD6\xBD\xDA\xC4\xDA\xB4\xE6\xCA\xA7\xB0\xDC!\r\n"
      "\r\n"
      "0, 0\r\n";
  EXPECT_EQ(Hex(h.windows.boxTexts[0]), Hex(expected));
  EXPECT_EQ(h.log, (Log{"refuse 26", "ShowFatalErrorBox", "ReleaseIcons", "OleUninitialize",
                        "EndProcess 4294967295"}));
}

TEST(Texts, HaveTheirByteLengthsInCodePage936) {
  EXPECT_EQ(std::strlen(texts::kInstructionText), 126u);
  EXPECT_EQ(std::strlen(texts::kStepOneCaption), 16u);
  EXPECT_EQ(std::strlen(texts::kStepTwoCaption), 10u);
  EXPECT_EQ(std::strlen(texts::kFolderPickerTitle), 17u);
  EXPECT_EQ(Hex(texts::kLabelText), Hex(std::string("   by\xA3\xBATallowick")));
  // Four CR LF pairs, none at the end.
  const std::string instruction = texts::kInstructionText;
  EXPECT_EQ(instruction.find("\r\n\r\n"), 36u);
  EXPECT_NE(instruction.substr(instruction.size() - 2), "\r\n");
  size_t pairs = 0;
  for (size_t at = instruction.find("\r\n"); at != std::string::npos; at = instruction.find("\r\n", at + 2)) ++pairs;
  EXPECT_EQ(pairs, 4u);
}

}  // namespace
}  // namespace tcls::testing
