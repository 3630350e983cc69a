#include "ui/step_one.h"

#include "ui/form.h"
#include "ui/texts.h"

namespace tcls {

void StepOneChooseFolder(ControlProperties& controls, FolderPicker& picker) {
  OwnedText result = picker.ChooseFolder(texts::kFolderPickerTitle, false);
  if (CompareText(result.Get(), "") != 0) {
    controls.WriteControlProperty(ids::MainWindow, ids::编辑框1, kPropertyContent, kWholeProperty, result.Get());
  }
  // Whatever came of the choice, the step has run.
  controls.WriteControlProperty(ids::MainWindow, ids::按钮1, kPropertyDisabled, kWholeProperty, 1);
  result.Reset();
}

}  // namespace tcls
