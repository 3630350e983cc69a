// Step one's folder picker on Win32: the shell's classic browse dialog.
#pragma once

#include "ui/step_one.h"
#include "ui/window_layer.h"

namespace tcls::win32 {

class Win32FolderPicker final : public FolderPicker {
 public:
  // The layer gives the program's windows and the text storage.
  explicit Win32FolderPicker(WindowLayer& layer) : layer_(layer) {}
  OwnedText ChooseFolder(Text title, bool includeFiles) override;

 private:
  WindowLayer& layer_;
};

}  // namespace tcls::win32
