// Recording fakes of the platform: every call they receive goes into one
// shared log, so that a test can check the exact order of what happened.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "override/launch_override.h"
#include "ui/platform.h"
#include "ui/step_one.h"
#include "ui/window_layer.h"

namespace tcls::testing {

using Log = std::vector<std::string>;

// Thrown by the fake process in place of ending it, so that the test gets
// control back; nothing of the program catches it.
struct ProcessEnded {
  std::uint32_t exitCode;
};

// A heap that logs every request and release, can be told to refuse, and
// checks at the end that nothing it handed out is still held.
class FakeHeap final : public Heap {
 public:
  explicit FakeHeap(Log& log) : log_(log) {}
  ~FakeHeap() override;
  void* Allocate(std::size_t bytes) override;
  void Free(void* block) override;

  // Refuse every request from now on (or after `granted` more).
  void RefuseAfter(int granted) { grantsLeft_ = granted; }
  std::size_t Outstanding() const { return live_.size(); }

 private:
  Log& log_;
  int grantsLeft_ = -1;
  std::set<void*> live_;
};

class FakeProcess final : public ProcessServices {
 public:
  FakeProcess(Log& log, Heap& heap) : log_(log), heap_(heap) {}
  Heap& TextHeap() override;
  void InitializeOle() override { log_.push_back("OleInitialize"); }
  void UninitializeOle() override { log_.push_back("OleUninitialize"); }
  void ExecutablePath(char* buffer, std::size_t capacity) override;
  void SetCurrentFolder(Text folder) override { log_.push_back("SetCurrentFolder " + std::string(folder)); }
  [[noreturn]] void EndProcess(std::uint32_t exitCode) override;

  std::string executablePath = "C:\\Games\\TclsOverride.exe";

 private:
  Log& log_;
  Heap& heap_;
};

// A window system with one window and its controls, each a text and an
// enabled flag. RunMessageLoop plays `script`, which stands for the user.
class FakeWindowSystem final : public WindowSystem {
 public:
  struct Control {
    std::uint32_t id = 0;
    std::string text;
    bool enabled = true;
    bool live = true;
  };

  explicit FakeWindowSystem(Log& log) : log_(log) {}
  ScreenSize PrimaryScreenSize() override { return screen; }
  WindowHandle CreateFormWindow(const WindowForm& form, Point origin, WindowEvents& events) override;
  bool IsLive(WindowHandle window) override;
  WindowHandle ControlWindow(WindowHandle window, const WindowForm& form, std::uint32_t controlId) override;
  OwnedText ReadWindowText(WindowHandle control, TextStorage& storage) override;
  void WriteWindowText(WindowHandle control, Text text) override;
  void EnableWindow(WindowHandle window, bool enabled) override;
  int RunMessageLoop() override;
  void PostQuit(int exitCode) override;
  void ReleaseIcons() override { log_.push_back("ReleaseIcons"); }
  void ShowFatalErrorBox(Text text, Text caption) override;

  // What a user or the system does to the window, as the native layer would report it.
  void Click(std::uint32_t controlId);
  void Destroy();
  Control& ControlState(std::uint32_t id) { return controls_.at(id); }

  ScreenSize screen{1920, 1080};
  bool failCreation = false;
  std::function<void()> script;
  // Runs while the fatal-error box is open.
  std::function<void()> whileBoxOpen;
  Point createdAt{-1, -1};
  std::vector<std::string> boxTexts;

 private:
  Log& log_;
  bool windowLive_ = false;
  std::uint32_t windowId_ = 0;
  WindowEvents* events_ = nullptr;
  std::map<std::uint32_t, Control> controls_;
  bool quitPosted_ = false;
  int quitCode_ = -1;
};

class FakeFiles final : public FileOperations {
 public:
  explicit FakeFiles(Log& log) : log_(log) {}
  bool WriteWholeFile(Text path, ByteSet content) override;
  bool SetFileAttributeBits(Text path, std::uint32_t attributes) override;
  bool result = true;
  std::vector<std::string> writtenContents;

 private:
  Log& log_;
};

class FakeFolderPicker final : public FolderPicker {
 public:
  FakeFolderPicker(Log& log, TextStorage* storage) : log_(log), storage_(storage) {}
  OwnedText ChooseFolder(Text title, bool includeFiles) override;
  // The path the user picks; empty: nothing picked.
  std::string choice;
  std::string lastTitle;

 private:
  Log& log_;
  TextStorage* storage_;
};

// The window layer over the fakes, as start-up leaves it: MainWindow entered
// and shown, OLE initialised.
struct LayerHarness {
  Log log;
  FakeHeap heap{log};
  FakeProcess process{log, heap};
  FakeWindowSystem windows{log};
  WindowLayer layer{process, windows};

  LayerHarness();
};

std::string Hex(const std::string& bytes);

}  // namespace tcls::testing
