// Step one: the user points at the game's TCLS folder with the system's
// folder picker, and its path goes into 编辑框1.
#pragma once

#include "ui/control_properties.h"
#include "ui/text.h"

namespace tcls {

class FolderPicker {
 public:
  virtual ~FolderPicker() = default;
  // Shows the modal folder picker with the program's windows disabled around
  // it. Returns the chosen folder's path as a new text that belongs to the
  // caller, or absent (never "") for Cancel, a non-folder item or no dialog.
  virtual OwnedText ChooseFolder(Text title, bool includeFiles) = 0;
};

// The click routine of 按钮1.
void StepOneChooseFolder(ControlProperties& controls, FolderPicker& picker);

}  // namespace tcls
