// ProgramWindowTable: the windows the program defines (only MainWindow), each
// with its form and its live native window, or none.
#pragma once

#include <cstddef>
#include <cstdint>

#include "ui/form.h"

namespace tcls {

// A native window, opaque to the program's logic; nullptr is none.
struct NativeWindow;
using WindowHandle = NativeWindow*;

struct ProgramWindowEntry {
  const WindowForm* form;
  // The native window as created; whether it is still live is asked of the
  // window system (it may have gone without the table hearing of it).
  WindowHandle handle;
};

class ProgramWindowTable {
 public:
  static constexpr std::size_t kCapacity = 1;

  // Enters a form with no window yet; false when the table is full or the
  // form is there already.
  bool Enter(const WindowForm& form);
  ProgramWindowEntry* Find(std::uint32_t windowId);
  const ProgramWindowEntry* Find(std::uint32_t windowId) const;
  const WindowForm* FindForm(std::uint32_t windowId) const;

  std::size_t Count() const { return count_; }
  ProgramWindowEntry& At(std::size_t index) { return entries_[index]; }
  const ProgramWindowEntry& At(std::size_t index) const { return entries_[index]; }

 private:
  ProgramWindowEntry entries_[kCapacity] = {};
  std::size_t count_ = 0;
};

}  // namespace tcls
