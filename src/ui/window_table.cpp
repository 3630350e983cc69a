#include "ui/window_table.h"

namespace tcls {

bool ProgramWindowTable::Enter(const WindowForm& form) {
  if (count_ == kCapacity || Find(form.id) != nullptr) return false;
  entries_[count_++] = ProgramWindowEntry{&form, nullptr};
  return true;
}

ProgramWindowEntry* ProgramWindowTable::Find(std::uint32_t windowId) {
  for (std::size_t i = 0; i < count_; ++i) {
    if (entries_[i].form->id == windowId) return &entries_[i];
  }
  return nullptr;
}

const ProgramWindowEntry* ProgramWindowTable::Find(std::uint32_t windowId) const {
  return const_cast<ProgramWindowTable*>(this)->Find(windowId);
}

const WindowForm* ProgramWindowTable::FindForm(std::uint32_t windowId) const {
  const ProgramWindowEntry* entry = Find(windowId);
  return entry == nullptr ? nullptr : entry->form;
}

}  // namespace tcls
