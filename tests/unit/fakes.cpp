#include "fakes.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <gtest/gtest.h>

namespace tcls::testing {

FakeHeap::~FakeHeap() {
  EXPECT_TRUE(live_.empty()) << live_.size() << " text(s) obtained from the storage were never released";
  for (void* block : live_) std::free(block);
}

void* FakeHeap::Allocate(std::size_t bytes) {
  if (grantsLeft_ == 0) {
    log_.push_back("refuse " + std::to_string(bytes));
    return nullptr;
  }
  if (grantsLeft_ > 0) --grantsLeft_;
  void* block = std::malloc(bytes);
  live_.insert(block);
  log_.push_back("obtain " + std::to_string(bytes));
  return block;
}

void FakeHeap::Free(void* block) {
  EXPECT_EQ(live_.count(block), 1u) << "released a text the storage never handed out (or released it twice)";
  log_.push_back("release " + std::string(static_cast<const char*>(block)));
  live_.erase(block);
  std::free(block);
}

Heap& FakeProcess::TextHeap() {
  log_.push_back("TextHeap");
  return heap_;
}

void FakeProcess::ExecutablePath(char* buffer, std::size_t capacity) {
  log_.push_back("ExecutablePath");
  std::snprintf(buffer, capacity, "%s", executablePath.c_str());
}

void FakeProcess::EndProcess(std::uint32_t exitCode) {
  log_.push_back("EndProcess " + std::to_string(exitCode));
  throw ProcessEnded{exitCode};
}

WindowHandle FakeWindowSystem::CreateFormWindow(const WindowForm& form, Point origin, WindowEvents& events) {
  log_.push_back("CreateFormWindow");
  if (failCreation) return nullptr;
  createdAt = origin;
  windowLive_ = true;
  windowId_ = form.id;
  events_ = &events;
  for (std::size_t i = 0; i < form.controlCount; ++i) {
    const ControlForm& c = form.controls[i];
    controls_[c.id] = Control{c.id, c.text, !c.disabled, true};
  }
  return reinterpret_cast<WindowHandle>(this);
}

bool FakeWindowSystem::IsLive(WindowHandle window) {
  if (window == reinterpret_cast<WindowHandle>(this)) return windowLive_;
  for (auto& entry : controls_) {
    if (window == reinterpret_cast<WindowHandle>(&entry.second)) return windowLive_ && entry.second.live;
  }
  return false;
}

WindowHandle FakeWindowSystem::ControlWindow(WindowHandle window, const WindowForm&, std::uint32_t controlId) {
  if (window != reinterpret_cast<WindowHandle>(this)) return nullptr;
  auto found = controls_.find(controlId);
  if (found == controls_.end() || !found->second.live) return nullptr;
  return reinterpret_cast<WindowHandle>(&found->second);
}

OwnedText FakeWindowSystem::ReadWindowText(WindowHandle control, TextStorage& storage) {
  Control& c = *reinterpret_cast<Control*>(control);
  log_.push_back("read " + std::to_string(c.id));
  return CopyText(storage, c.text.data(), c.text.size());
}

void FakeWindowSystem::WriteWindowText(WindowHandle control, Text text) {
  Control& c = *reinterpret_cast<Control*>(control);
  c.text = text;
  log_.push_back("write " + std::to_string(c.id) + " " + c.text);
}

void FakeWindowSystem::EnableWindow(WindowHandle window, bool enabled) {
  Control& c = *reinterpret_cast<Control*>(window);
  c.enabled = enabled;
  log_.push_back((enabled ? "enable " : "disable ") + std::to_string(c.id));
}

int FakeWindowSystem::RunMessageLoop() {
  log_.push_back("RunMessageLoop");
  if (script) script();
  EXPECT_TRUE(quitPosted_) << "the message loop would not have ended: no quit message was posted";
  return quitCode_;
}

void FakeWindowSystem::PostQuit(int exitCode) {
  log_.push_back("PostQuit " + std::to_string(exitCode));
  quitPosted_ = true;
  quitCode_ = exitCode;
}

void FakeWindowSystem::ShowFatalErrorBox(Text text, Text caption) {
  log_.push_back("ShowFatalErrorBox");
  EXPECT_STREQ(caption, "\xB4\xED\xCE\xF3") << "the box is titled 错误";
  boxTexts.push_back(text);
  if (whileBoxOpen) whileBoxOpen();
}

void FakeWindowSystem::Click(std::uint32_t controlId) {
  // A disabled button produces no click.
  if (!controls_.at(controlId).enabled) return;
  events_->ControlClicked(windowId_, controlId);
}

void FakeWindowSystem::Destroy() {
  windowLive_ = false;
  log_.push_back("destroyed");
  events_->WindowDestroyed(windowId_);
}

bool FakeFiles::WriteWholeFile(Text path, ByteSet content) {
  log_.push_back("WriteWholeFile " + std::string(path));
  writtenContents.emplace_back(reinterpret_cast<const char*>(content.bytes), content.length);
  return result;
}

bool FakeFiles::SetFileAttributeBits(Text path, std::uint32_t attributes) {
  log_.push_back("SetFileAttributeBits " + std::string(path) + " " + std::to_string(attributes));
  return result;
}

OwnedText FakeFolderPicker::ChooseFolder(Text title, bool includeFiles) {
  lastTitle = title;
  log_.push_back(std::string("ChooseFolder includeFiles=") + (includeFiles ? "true" : "false"));
  return CopyText(*storage_, choice.data(), choice.size());
}

LayerHarness::LayerHarness() {
  EXPECT_TRUE(layer.EnterForm(MainWindowForm()));
  EXPECT_TRUE(layer.CreateAndShow(ids::MainWindow));
  layer.NoteOleInitialized();
  log.clear();
}

std::string Hex(const std::string& bytes) {
  std::string out;
  char buffer[4];
  for (unsigned char c : bytes) {
    std::snprintf(buffer, sizeof buffer, "%02X ", c);
    out += buffer;
  }
  return out;
}

}  // namespace tcls::testing
