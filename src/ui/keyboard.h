// The main window's keys and the order in which Tab moves the focus.
#pragma once

#include <cstddef>

namespace tcls {

enum class Key { Tab, Escape, Enter, Other };

struct Modifiers {
  bool ctrl, shift, alt;
};

enum class KeyAction {
  PassToControl,  // the control with the focus gets the key (Space clicks a button)
  FocusNext,
  FocusPrevious,
  CloseWindow,  // as the close button does
  Nothing,      // consumed: Enter, since the form has no default button
};

// Each rule applies to its key with exactly the modifiers it names; any other
// combination goes to the control.
KeyAction ClassifyKey(Key key, Modifiers modifiers);

// A control as the focus rules see it, listed in creation order.
struct FocusCandidate {
  bool visible;
  bool enabled;
  bool tabStop;
  int tabOrder;
};

// The control that Tab (forward) or Shift+Tab moves the focus to from
// `current` (a creation index, or -1 when the focus is on none of them): the
// next visible, enabled tab stop in tab order (tab-order number, then
// creation order), wrapping round. -1 when there is none.
int NextFocus(const FocusCandidate* candidates, std::size_t count, int current, bool forward);

// The control that gets the focus when the window gets it and no earlier
// focused control is left: the first visible, enabled tab stop in tab order.
int FirstFocus(const FocusCandidate* candidates, std::size_t count);

}  // namespace tcls
