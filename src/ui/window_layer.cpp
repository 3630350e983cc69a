#include "ui/window_layer.h"

#include <cstdlib>

#include "ui/texts.h"

namespace tcls {

WindowLayer::WindowLayer(ProcessServices& process, WindowSystem& windows)
    : process_(process), windows_(windows), storage_(process.TextHeap(), *this) {}

bool WindowLayer::EnterForm(const WindowForm& form) {
  if (!IsUsableForm(form) || form.controlCount > kMaxControls - storedCount_) return false;
  if (!table_.Enter(form)) return false;
  for (std::size_t i = 0; i < form.controlCount; ++i) {
    stored_[storedCount_++] = StoredState{form.controls[i].id, form.controls[i].disabled};
  }
  return true;
}

bool WindowLayer::BindClick(std::uint32_t window, std::uint32_t control, ClickRoutine& routine) {
  if (bindingCount_ == kMaxBindings) return false;
  bindings_[bindingCount_++] = Binding{window, control, &routine};
  return true;
}

bool WindowLayer::CreateAndShow(std::uint32_t window) {
  ProgramWindowEntry* entry = table_.Find(window);
  if (entry == nullptr) return false;
  const WindowForm& form = *entry->form;
  const ScreenSize screen = windows_.PrimaryScreenSize();
  const Point origin = CentredOrigin(screen.width, screen.height, form.outerWidth, form.outerHeight);
  entry->handle = windows_.CreateFormWindow(form, origin, *this);
  return entry->handle != nullptr;
}

WindowHandle WindowLayer::LiveWindow(const ProgramWindowEntry& entry) {
  if (entry.handle == nullptr || !windows_.IsLive(entry.handle)) return nullptr;
  return entry.handle;
}

bool WindowLayer::AnyWindowLive() {
  for (std::size_t i = 0; i < table_.Count(); ++i) {
    if (LiveWindow(table_.At(i)) != nullptr) return true;
  }
  return false;
}

int WindowLayer::RunMessageLoop() {
  loopEntered_ = true;
  if (!AnyWindowLive()) return 0;
  return windows_.RunMessageLoop();
}

void WindowLayer::ReleaseStartupResources() {
  windows_.ReleaseIcons();
  if (oleInitialized_) {
    oleInitialized_ = false;
    process_.UninitializeOle();
  }
}

bool WindowLayer::StoredDisabled(std::uint32_t control) const {
  for (std::size_t i = 0; i < storedCount_; ++i) {
    if (stored_[i].control == control) return stored_[i].disabled;
  }
  return false;
}

ProgramWindowEntry& WindowLayer::EntryOrFatal(std::uint32_t window, std::uint32_t control) {
  ProgramWindowEntry* entry = table_.Find(window);
  if (entry == nullptr) ReportFatalError(texts::kWindowNotLoaded, 0, window, control);
  return *entry;
}

WindowHandle WindowLayer::LiveControl(ProgramWindowEntry& entry, std::uint32_t control) {
  const WindowHandle window = LiveWindow(entry);
  if (window == nullptr || FindControl(*entry.form, control) == nullptr) return nullptr;
  const WindowHandle native = windows_.ControlWindow(window, *entry.form, control);
  if (native == nullptr || !windows_.IsLive(native)) return nullptr;
  return native;
}

OwnedText WindowLayer::ReadControlProperty(std::uint32_t window, std::uint32_t control, int index, int /*part*/) {
  ProgramWindowEntry& entry = EntryOrFatal(window, control);
  // Only the content of an edit box is readable; the program reads nothing else.
  const ControlForm* form = FindControl(*entry.form, control);
  if (index != kPropertyContent || (form != nullptr && form->kind != ControlKind::EditBox)) return OwnedText();
  const WindowHandle native = LiveControl(entry, control);
  if (native == nullptr) ReportFatalError(texts::kReadWithoutLiveControl, 0, window, control);
  return windows_.ReadWindowText(native, storage_);
}

void WindowLayer::WriteControlProperty(std::uint32_t window, std::uint32_t control, int index, int /*part*/,
                                       Text value) {
  ProgramWindowEntry& entry = EntryOrFatal(window, control);
  if (index != kPropertyContent) return;
  const WindowHandle native = LiveControl(entry, control);
  if (native == nullptr) ReportFatalError(texts::kWriteWithoutLiveControl, 0, window, control);
  // Set also when it equals the present text: the control copies it.
  windows_.WriteWindowText(native, value == nullptr ? "" : value);
}

void WindowLayer::WriteControlProperty(std::uint32_t window, std::uint32_t control, int index, int /*part*/,
                                       int value) {
  ProgramWindowEntry& entry = EntryOrFatal(window, control);
  if (index != kPropertyDisabled) return;
  const bool disabled = value != 0;
  for (std::size_t i = 0; i < storedCount_; ++i) {
    if (stored_[i].control == control) stored_[i].disabled = disabled;
  }
  // A control without a live window keeps only the stored state.
  const WindowHandle native = LiveControl(entry, control);
  if (native != nullptr) windows_.EnableWindow(native, !disabled);
}

void WindowLayer::ReportFatalError(Text message, std::int32_t code, std::uint32_t window, std::uint32_t control) {
  ++stoppingCount_;
  FatalBoxText text;
  ComposeFatalErrorText(table_, message, code, window, control, text);
  windows_.ShowFatalErrorBox(text.Get(), texts::kFatalBoxCaption);
  ReleaseStartupResources();
  process_.EndProcess(kFatalExitCode);
  // EndProcess never returns; should a platform's ever do, stop here rather
  // than go back into the routine that could not go on.
  std::abort();
}

void WindowLayer::ControlClicked(std::uint32_t window, std::uint32_t control) {
  if (stoppingCount_ != 0) return;
  for (std::size_t i = 0; i < bindingCount_; ++i) {
    if (bindings_[i].window == window && bindings_[i].control == control) {
      bindings_[i].routine->Run();
      return;
    }
  }
}

void WindowLayer::WindowDestroyed(std::uint32_t window) {
  if (ProgramWindowEntry* entry = table_.Find(window)) entry->handle = nullptr;
  if (loopEntered_ && !AnyWindowLive()) windows_.PostQuit(0);
}

}  // namespace tcls
