#include <gtest/gtest.h>

#include "ui/form.h"
#include "ui/texts.h"

namespace tcls {
namespace {

TEST(MainWindowForm, ControlsInFormOrderWithTheirIdentifiersAndGeometry) {
  const WindowForm& form = MainWindowForm();
  EXPECT_EQ(form.id, 0x52010001u);
  EXPECT_EQ(form.style, 0x02CA0000u);
  EXPECT_EQ(form.exStyle, 0u);
  EXPECT_EQ(form.outerWidth, 345);
  EXPECT_EQ(form.outerHeight, 200);
  EXPECT_STREQ(form.caption, "");

  struct Expected {
    std::uint32_t id;
    ControlKind kind;
    std::uint32_t style, exStyle;
    int left, top, width, height;
    Text text;
    bool disabled, tabStop;
    int childId;
  };
  // Form order is the z-order from the top.
  const Expected expected[] = {
      {369176048, ControlKind::Label, 0x44000000, 0, 192, 144, 136, 24, texts::kLabelText, false, false, 130},
      {369176047, ControlKind::Button, 0x44012F00, 0, 224, 96, 72, 40, texts::kStepTwoCaption, false, true, 120},
      {369176045, ControlKind::EditBox, 0x4C011044, 0x200, 16, 16, 304, 64, texts::kInstructionText, true, true, 110},
      {369164293, ControlKind::Button, 0x44012F00, 0, 48, 96, 72, 40, texts::kStepOneCaption, false, true, 100},
  };
  ASSERT_EQ(form.controlCount, 4u);
  for (std::size_t i = 0; i < 4; ++i) {
    const ControlForm& c = form.controls[i];
    const Expected& e = expected[i];
    SCOPED_TRACE(testing::Message() << "control " << i << " of the form (identifier " << e.id << ")");
    EXPECT_EQ(c.id, e.id);
    EXPECT_EQ(c.kind, e.kind);
    EXPECT_EQ(c.style, e.style);
    EXPECT_EQ(c.exStyle, e.exStyle);
    EXPECT_EQ(c.left, e.left);
    EXPECT_EQ(c.top, e.top);
    EXPECT_EQ(c.width, e.width);
    EXPECT_EQ(c.height, e.height);
    EXPECT_STREQ(c.text, e.text);
    EXPECT_STREQ(c.tag, "");
    EXPECT_TRUE(c.visible);
    EXPECT_EQ(c.disabled, e.disabled);
    EXPECT_EQ(c.tabStop, e.tabStop);
    EXPECT_EQ(c.tabOrder, 0);
    EXPECT_EQ(IdentifierKind(c.id), kKindControl);
    // Created in reverse form order: 按钮1 first (100) ... 标签1 last (130).
    const int creationIndex = CreationIndexOf(form, c.id);
    EXPECT_EQ(creationIndex, static_cast<int>(3 - i));
    EXPECT_EQ(ChildWindowIdentifier(static_cast<std::size_t>(creationIndex)), e.childId);
    EXPECT_EQ(&ControlInCreationOrder(form, static_cast<std::size_t>(creationIndex)), &c);
  }
  EXPECT_EQ(IdentifierKind(form.id), kKindWindow);
  EXPECT_TRUE(IsUsableForm(form));
}

TEST(MainWindowForm, UnusableFormsAreRecognised) {
  const WindowForm& good = MainWindowForm();
  WindowForm wrongKind = good;
  wrongKind.id = 0x16010005;
  EXPECT_FALSE(IsUsableForm(wrongKind));

  ControlForm controls[2] = {good.controls[0], good.controls[0]};
  WindowForm twice = good;
  twice.controls = controls;
  twice.controlCount = 2;
  EXPECT_FALSE(IsUsableForm(twice)) << "an identifier used twice";

  controls[1].id = 0x52010002;
  EXPECT_FALSE(IsUsableForm(twice)) << "a window identifier among the controls";
}

TEST(CentredOrigin, TruncatesTowardZero) {
  struct Case {
    int width, height, x, y;
  };
  const Case cases[] = {
      {1920, 1080, 787, 440}, {1366, 768, 510, 284}, {1024, 768, 339, 284}, {345, 200, 0, 0},
      {346, 201, 0, 0},       {344, 199, 0, 0},      {300, 150, -22, -25},  {0, 0, -172, -100},
  };
  for (const Case& c : cases) {
    const Point p = CentredOrigin(c.width, c.height, 345, 200);
    EXPECT_EQ(p.x, c.x) << c.width << " x " << c.height;
    EXPECT_EQ(p.y, c.y) << c.width << " x " << c.height;
  }
}

}  // namespace
}  // namespace tcls
