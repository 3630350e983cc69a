// The window layer: ProgramWindowTable, the click bindings, the stopping
// count, the control operations and the fatal-error report, over the native
// windows of a WindowSystem.
#pragma once

#include <cstddef>
#include <cstdint>

#include "ui/control_properties.h"
#include "ui/fatal_error.h"
#include "ui/platform.h"
#include "ui/text.h"
#include "ui/window_table.h"

namespace tcls {

// A routine bound to a click; called with no arguments, runs to its end.
class ClickRoutine {
 public:
  virtual ~ClickRoutine() = default;
  virtual void Run() = 0;
};

class WindowLayer final : public FatalErrorReport, public ControlProperties, public WindowEvents {
 public:
  // Sets up the text storage on the process's heap: the first thing start-up does.
  WindowLayer(ProcessServices& process, WindowSystem& windows);
  WindowLayer(const WindowLayer&) = delete;
  WindowLayer& operator=(const WindowLayer&) = delete;

  TextStorage& Storage() { return storage_; }
  const ProgramWindowTable& Table() const { return table_; }

  // Puts a form into ProgramWindowTable, with no window yet; false if it cannot.
  bool EnterForm(const WindowForm& form);
  // Binds a routine to the click of a control; false if there is no room.
  bool BindClick(std::uint32_t window, std::uint32_t control, ClickRoutine& routine);
  // Creates the window of an entered form, centred on the primary screen, and
  // shows it; false if it could not be created.
  bool CreateAndShow(std::uint32_t window);
  // The live native window of a table entry, or none.
  WindowHandle LiveWindow(const ProgramWindowEntry& entry);

  // Runs the message loop; returns the quit message's exit code. Returns at
  // once when no window of the program is live.
  int RunMessageLoop();
  // Raised when the fatal-error report or the orderly end starts; while it
  // is not 0 no click reaches a routine.
  int StoppingCount() const { return stoppingCount_; }
  void BeginOrderlyEnd() { ++stoppingCount_; }
  void NoteOleInitialized() { oleInitialized_ = true; }
  // Releases what start-up acquired: the icons, then OLE.
  void ReleaseStartupResources();

  // The disabled state the layer keeps for a control (the live control is the
  // authority while it exists).
  bool StoredDisabled(std::uint32_t control) const;

  // ControlProperties
  OwnedText ReadControlProperty(std::uint32_t window, std::uint32_t control, int index, int part) override;
  void WriteControlProperty(std::uint32_t window, std::uint32_t control, int index, int part, Text value) override;
  void WriteControlProperty(std::uint32_t window, std::uint32_t control, int index, int part, int value) override;

  // FatalErrorReport
  [[noreturn]] void ReportFatalError(Text message, std::int32_t code, std::uint32_t window,
                                     std::uint32_t control) override;

  // WindowEvents
  void ControlClicked(std::uint32_t window, std::uint32_t control) override;
  void WindowDestroyed(std::uint32_t window) override;

 private:
  struct Binding {
    std::uint32_t window;
    std::uint32_t control;
    ClickRoutine* routine;
  };
  struct StoredState {
    std::uint32_t control;
    bool disabled;
  };
  static constexpr std::size_t kMaxBindings = 4;
  static constexpr std::size_t kMaxControls = 8;

  // The entry of a window, or the fatal report that it is not loaded.
  ProgramWindowEntry& EntryOrFatal(std::uint32_t window, std::uint32_t control);
  WindowHandle LiveControl(ProgramWindowEntry& entry, std::uint32_t control);
  bool AnyWindowLive();

  ProcessServices& process_;
  WindowSystem& windows_;
  TextStorage storage_;
  ProgramWindowTable table_;
  Binding bindings_[kMaxBindings] = {};
  std::size_t bindingCount_ = 0;
  StoredState stored_[kMaxControls] = {};
  std::size_t storedCount_ = 0;
  int stoppingCount_ = 0;
  bool loopEntered_ = false;
  bool oleInitialized_ = false;
};

}  // namespace tcls
