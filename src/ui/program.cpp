#include "ui/program.h"

#include "ui/form.h"
#include "ui/texts.h"
#include "ui/window_layer.h"

namespace tcls {
namespace {

// Code page 936 lead bytes; the byte after one belongs to the same character.
bool IsLeadByte(unsigned char byte) { return byte >= 0x81 && byte <= 0xFE; }

class StepOneRoutine final : public ClickRoutine {
 public:
  StepOneRoutine(ControlProperties& controls, FolderPicker& picker) : controls_(controls), picker_(picker) {}
  void Run() override { StepOneChooseFolder(controls_, picker_); }

 private:
  ControlProperties& controls_;
  FolderPicker& picker_;
};

class StepTwoRoutine final : public ClickRoutine {
 public:
  StepTwoRoutine(ControlProperties& controls, TextStorage& storage, FileOperations& files)
      : controls_(controls), storage_(storage), files_(files) {}
  void Run() override { StepTwoModify(controls_, storage_, files_); }

 private:
  ControlProperties& controls_;
  TextStorage& storage_;
  FileOperations& files_;
};

// MAX_PATH UTF-16 units become at most two bytes each in code page 936.
constexpr std::size_t kPathCapacity = 2 * 260 + 1;

}  // namespace

std::size_t ExecutableFolderLength(Text path) {
  if (path == nullptr) return 0;
  const unsigned char* bytes = reinterpret_cast<const unsigned char*>(path);
  std::size_t lastSeparator = 0;
  bool found = false;
  for (std::size_t i = 0; bytes[i] != 0;) {
    if (IsLeadByte(bytes[i]) && bytes[i + 1] != 0) {
      i += 2;
      continue;
    }
    if (bytes[i] == '\\') {
      lastSeparator = i;
      found = true;
    }
    ++i;
  }
  return found ? lastSeparator : 0;
}

int RunProgram(WindowLayer& layer, ProcessServices& process, FolderPicker& picker, FileOperations& files) {
  // 1. The text storage on the process's heap came with the layer.

  // 2. OLE, which the folder picker relies on.
  process.InitializeOle();
  layer.NoteOleInitialized();

  // 3. The executable's folder becomes the current directory, so that a
  // relative path resolves beside the program.
  char folder[kPathCapacity];
  process.ExecutablePath(folder, sizeof folder);
  folder[sizeof folder - 1] = '\0';
  folder[ExecutableFolderLength(folder)] = '\0';
  process.SetCurrentFolder(folder);

  // 4. The form, with the two click routines bound.
  StepOneRoutine stepOne(layer, picker);
  StepTwoRoutine stepTwo(layer, layer.Storage(), files);
  if (!layer.EnterForm(MainWindowForm()) || !layer.BindClick(ids::MainWindow, ids::按钮1, stepOne) ||
      !layer.BindClick(ids::MainWindow, ids::按钮2, stepTwo)) {
    layer.ReportFatalError(texts::kFormUnreadable, 0, 0, 0);
  }

  // 5. The window, centred and shown.
  if (!layer.CreateAndShow(ids::MainWindow)) {
    layer.ReportFatalError(texts::kMainWindowNotCreated, 0, ids::MainWindow, 0);
  }

  // 6. The message loop, until the window has gone.
  const int exitCode = layer.RunMessageLoop();

  // 7. The orderly end.
  layer.BeginOrderlyEnd();
  layer.ReleaseStartupResources();
  return exitCode;
}

}  // namespace tcls
