// The form of the program's one window: identifiers, geometry, styles, texts
// and states of MainWindow and its four controls, as data that the window
// layer reads.
#pragma once

#include <cstddef>
#include <cstdint>

#include "ui/text.h"

namespace tcls {

// Fixed identifiers of the form. Bits 24 to 27 give the kind (2 window,
// 6 control); a control is addressed by (window identifier, control identifier).
namespace ids {
inline constexpr std::uint32_t MainWindow = 0x52010001;  // 1375797249
inline constexpr std::uint32_t 标签1 = 0x16012DF0;       // 369176048
inline constexpr std::uint32_t 按钮2 = 0x16012DEF;       // 369176047
inline constexpr std::uint32_t 编辑框1 = 0x16012DED;     // 369176045
inline constexpr std::uint32_t 按钮1 = 0x16010005;       // 369164293
}  // namespace ids

inline constexpr std::uint32_t kKindWindow = 2;
inline constexpr std::uint32_t kKindControl = 6;
constexpr std::uint32_t IdentifierKind(std::uint32_t identifier) { return (identifier >> 24) & 0xF; }

enum class ControlKind { EditBox, Button, Label };

struct ControlForm {
  std::uint32_t id;
  ControlKind kind;
  std::uint32_t style;
  std::uint32_t exStyle;
  int left, top, width, height;  // client coordinates of the window
  Text text;                     // caption, label text or edit content
  Text tag;
  bool visible;
  bool disabled;
  bool tabStop;
  int tabOrder;
};

struct WindowForm {
  std::uint32_t id;
  Text caption;
  Text tag;
  std::uint32_t style;
  std::uint32_t exStyle;
  int outerWidth, outerHeight;
  // In form order, which is the z-order from top to bottom. The controls are
  // created in the reverse order.
  const ControlForm* controls;
  std::size_t controlCount;
};

const WindowForm& MainWindowForm();

// The control created `creationIndex`-th (0 = first created).
const ControlForm& ControlInCreationOrder(const WindowForm& form, std::size_t creationIndex);
// Its Win32 child-window identifier: 100 for the first created, then 10 more each.
int ChildWindowIdentifier(std::size_t creationIndex);
// The control with this identifier, or nullptr.
const ControlForm* FindControl(const WindowForm& form, std::uint32_t controlId);
// The creation index of a control of the form, or -1.
int CreationIndexOf(const WindowForm& form, std::uint32_t controlId);
// Whether the form can serve as a window: a window identifier, controls with
// control identifiers and no identifier twice.
bool IsUsableForm(const WindowForm& form);

struct Point {
  int x, y;
};

// Top-left corner that centres a window of the given outer size on a screen:
// each quotient truncated toward zero, as C++ integer division does.
Point CentredOrigin(int screenWidth, int screenHeight, int outerWidth, int outerHeight);

}  // namespace tcls
