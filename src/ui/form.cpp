#include "ui/form.h"

#include "ui/native_styles.h"
#include "ui/texts.h"

namespace tcls {
namespace {

using namespace style;

constexpr std::uint32_t kMainWindowStyle = kOverlapped | kCaption | kSysMenu | kMinimizeBox | kClipChildren;
constexpr std::uint32_t kEditBoxStyle =
    kChild | kDisabled | kTabStop | kClipSiblings | kEditMultiline | kEditAutoVScroll | kEditWantReturn;
constexpr std::uint32_t kButtonStyle =
    kChild | kTabStop | kClipSiblings | kButtonPush | kButtonCenter | kButtonVCenter | kButtonMultiline;
constexpr std::uint32_t kLabelStyle = kChild | kClipSiblings;

static_assert(kMainWindowStyle == 0x02CA0000, "main window style");
static_assert(kEditBoxStyle == 0x4C011044, "edit box style");
static_assert(kButtonStyle == 0x44012F00, "button style");
static_assert(kLabelStyle == 0x44000000, "label style");

// Form order: z-order from top to bottom.
constexpr ControlForm kMainWindowControls[] = {
    {ids::标签1, ControlKind::Label, kLabelStyle, 0, 192, 144, 136, 24, texts::kLabelText, "", true, false, false, 0},
    {ids::按钮2, ControlKind::Button, kButtonStyle, 0, 224, 96, 72, 40, texts::kStepTwoCaption, "", true, false, true,
     0},
    {ids::编辑框1, ControlKind::EditBox, kEditBoxStyle, kExClientEdge, 16, 16, 304, 64, texts::kInstructionText, "",
     true, true, true, 0},
    {ids::按钮1, ControlKind::Button, kButtonStyle, 0, 48, 96, 72, 40, texts::kStepOneCaption, "", true, false, true,
     0},
};

constexpr WindowForm kMainWindowForm = {
    ids::MainWindow, "", "", kMainWindowStyle, 0, 345, 200, kMainWindowControls,
    sizeof kMainWindowControls / sizeof kMainWindowControls[0],
};

}  // namespace

const WindowForm& MainWindowForm() { return kMainWindowForm; }

const ControlForm& ControlInCreationOrder(const WindowForm& form, std::size_t creationIndex) {
  return form.controls[form.controlCount - 1 - creationIndex];
}

int ChildWindowIdentifier(std::size_t creationIndex) { return 100 + 10 * static_cast<int>(creationIndex); }

const ControlForm* FindControl(const WindowForm& form, std::uint32_t controlId) {
  for (std::size_t i = 0; i < form.controlCount; ++i) {
    if (form.controls[i].id == controlId) return &form.controls[i];
  }
  return nullptr;
}

int CreationIndexOf(const WindowForm& form, std::uint32_t controlId) {
  for (std::size_t i = 0; i < form.controlCount; ++i) {
    if (ControlInCreationOrder(form, i).id == controlId) return static_cast<int>(i);
  }
  return -1;
}

bool IsUsableForm(const WindowForm& form) {
  if (IdentifierKind(form.id) != kKindWindow) return false;
  if (form.controlCount != 0 && form.controls == nullptr) return false;
  for (std::size_t i = 0; i < form.controlCount; ++i) {
    if (IdentifierKind(form.controls[i].id) != kKindControl) return false;
    for (std::size_t j = 0; j < i; ++j) {
      if (form.controls[j].id == form.controls[i].id) return false;
    }
  }
  return true;
}

Point CentredOrigin(int screenWidth, int screenHeight, int outerWidth, int outerHeight) {
  return Point{(screenWidth - outerWidth) / 2, (screenHeight - outerHeight) / 2};
}

}  // namespace tcls
