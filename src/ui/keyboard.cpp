#include "ui/keyboard.h"

namespace tcls {

KeyAction ClassifyKey(Key key, Modifiers modifiers) {
  const bool none = !modifiers.ctrl && !modifiers.shift && !modifiers.alt;
  const bool shiftOnly = !modifiers.ctrl && modifiers.shift && !modifiers.alt;
  switch (key) {
    case Key::Tab:
      if (none) return KeyAction::FocusNext;
      if (shiftOnly) return KeyAction::FocusPrevious;
      break;
    case Key::Escape:
      if (none) return KeyAction::CloseWindow;
      break;
    case Key::Enter:
      if (none) return KeyAction::Nothing;
      break;
    case Key::Other:
      break;
  }
  return KeyAction::PassToControl;
}

namespace {

bool Eligible(const FocusCandidate& c) { return c.visible && c.enabled && c.tabStop; }

// Tab order: by tab-order number, then by creation index.
bool Before(const FocusCandidate* candidates, int a, int b) {
  if (candidates[a].tabOrder != candidates[b].tabOrder) return candidates[a].tabOrder < candidates[b].tabOrder;
  return a < b;
}

}  // namespace

int FirstFocus(const FocusCandidate* candidates, std::size_t count) {
  int best = -1;
  for (int i = 0; i < static_cast<int>(count); ++i) {
    if (Eligible(candidates[i]) && (best < 0 || Before(candidates, i, best))) best = i;
  }
  return best;
}

int NextFocus(const FocusCandidate* candidates, std::size_t count, int current, bool forward) {
  const int n = static_cast<int>(count);
  if (current < 0 || current >= n) {
    if (forward) return FirstFocus(candidates, count);
    int last = -1;
    for (int i = 0; i < n; ++i) {
      if (Eligible(candidates[i]) && (last < 0 || Before(candidates, last, i))) last = i;
    }
    return last;
  }
  // The nearest eligible control after (or before) `current` in tab order;
  // failing that, wrap round to the first (or last) one.
  int nearest = -1;
  int wrapped = -1;
  for (int i = 0; i < n; ++i) {
    if (i == current || !Eligible(candidates[i])) continue;
    const bool beyond = forward ? Before(candidates, current, i) : Before(candidates, i, current);
    if (beyond) {
      if (nearest < 0 || (forward ? Before(candidates, i, nearest) : Before(candidates, nearest, i))) nearest = i;
    } else if (wrapped < 0 || (forward ? Before(candidates, i, wrapped) : Before(candidates, wrapped, i))) {
      wrapped = i;
    }
  }
  if (nearest >= 0) return nearest;
  if (wrapped >= 0) return wrapped;
  // Only the current control qualifies (or none does): the focus stays.
  return Eligible(candidates[current]) ? current : -1;
}

}  // namespace tcls
