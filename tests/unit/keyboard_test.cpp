#include <gtest/gtest.h>

#include "ui/keyboard.h"

namespace tcls {
namespace {

TEST(ClassifyKey, EachRuleTakesExactlyItsModifiers) {
  struct Case {
    Key key;
    bool ctrl, shift, alt;
    KeyAction expected;
  };
  const Case cases[] = {
      {Key::Tab, false, false, false, KeyAction::FocusNext},
      {Key::Tab, false, true, false, KeyAction::FocusPrevious},
      {Key::Tab, true, false, false, KeyAction::PassToControl},
      {Key::Tab, true, true, false, KeyAction::PassToControl},
      {Key::Tab, false, false, true, KeyAction::PassToControl},
      {Key::Escape, false, false, false, KeyAction::CloseWindow},
      {Key::Escape, false, true, false, KeyAction::PassToControl},
      {Key::Escape, true, false, false, KeyAction::PassToControl},
      {Key::Enter, false, false, false, KeyAction::Nothing},
      {Key::Enter, false, false, true, KeyAction::PassToControl},
      {Key::Other, false, false, false, KeyAction::PassToControl},
      {Key::Other, false, false, true, KeyAction::PassToControl},  // Alt+F4 reaches the system
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ClassifyKey(c.key, Modifiers{c.ctrl, c.shift, c.alt}), c.expected)
        << "key " << static_cast<int>(c.key) << " ctrl " << c.ctrl << " shift " << c.shift << " alt " << c.alt;
  }
}

// The main window's controls in creation order: 按钮1, 编辑框1, 按钮2, 标签1.
struct Controls {
  FocusCandidate c[4] = {
      {true, true, true, 0},   // 按钮1
      {true, false, true, 0},  // 编辑框1: disabled
      {true, true, true, 0},   // 按钮2
      {true, true, false, 0},  // 标签1: no tab stop
  };
};

TEST(Focus, StartsOnButton1AndTabAlternatesBetweenTheButtons) {
  Controls s;
  EXPECT_EQ(FirstFocus(s.c, 4), 0);
  EXPECT_EQ(NextFocus(s.c, 4, 0, true), 2);
  EXPECT_EQ(NextFocus(s.c, 4, 2, true), 0);
  EXPECT_EQ(NextFocus(s.c, 4, 0, false), 2);
  EXPECT_EQ(NextFocus(s.c, 4, 2, false), 0);
  EXPECT_EQ(NextFocus(s.c, 4, -1, true), 0);
  EXPECT_EQ(NextFocus(s.c, 4, -1, false), 2);
}

TEST(Focus, SkipsDisabledAndHiddenControlsAndStaysOnTheOnlyOne) {
  Controls s;
  s.c[0].enabled = false;  // 按钮1 after step one
  EXPECT_EQ(FirstFocus(s.c, 4), 2);
  EXPECT_EQ(NextFocus(s.c, 4, 2, true), 2);
  EXPECT_EQ(NextFocus(s.c, 4, 2, false), 2);
  s.c[2].visible = false;
  EXPECT_EQ(FirstFocus(s.c, 4), -1);
  EXPECT_EQ(NextFocus(s.c, 4, 2, true), -1);
}

TEST(Focus, TabOrderNumberComesBeforeCreationOrder) {
  FocusCandidate c[3] = {{true, true, true, 2}, {true, true, true, 1}, {true, true, true, 1}};
  EXPECT_EQ(FirstFocus(c, 3), 1);
  EXPECT_EQ(NextFocus(c, 3, 1, true), 2);
  EXPECT_EQ(NextFocus(c, 3, 2, true), 0);
  EXPECT_EQ(NextFocus(c, 3, 0, true), 1);
  EXPECT_EQ(NextFocus(c, 3, 0, false), 2);
  EXPECT_EQ(NextFocus(c, 3, 1, false), 0);
}

}  // namespace
}  // namespace tcls
