#include "override/launch_override.h"

#include "ui/form.h"

namespace tcls {
namespace {

// "[TCLS]" CR LF "data_name=cf": no line end after the last line.
constexpr unsigned char kWegameLaunch[] = {'[', 'T', 'C', 'L', 'S', ']', '\r', '\n', 'd', 'a',
                                           't', 'a', '_', 'n', 'a', 'm', 'e', '=', 'c', 'f'};
// "[TCLS]", "LocalR=90", "LastLoginMethod=1", each followed by CR LF.
constexpr unsigned char kWegameLaunchTmp[] = {'[', 'T', 'C', 'L', 'S', ']', '\r', '\n', 'L', 'o', 'c', 'a', 'l',
                                              'R', '=', '9', '0', '\r', '\n', 'L', 'a', 's', 't', 'L', 'o', 'g',
                                              'i', 'n', 'M', 'e', 't', 'h', 'o', 'd', '=', '1', '\r', '\n'};
static_assert(sizeof kWegameLaunch == 20, "wegame_launch is 20 bytes");
static_assert(sizeof kWegameLaunchTmp == 38, "wegame_launch.tmp is 38 bytes");

// The path of one file: the edit box's text, read now, followed by the suffix.
// The text is released as soon as the path is built.
OwnedText FilePath(ControlProperties& controls, TextStorage& storage, const LaunchOverrideFile& file) {
  OwnedText folder = controls.ReadControlProperty(ids::MainWindow, ids::编辑框1, kPropertyContent, kWholeProperty);
  return JoinText(storage, folder.Get(), file.nameSuffix);
}

}  // namespace

const LaunchOverrideFile kLaunchOverrideFiles[kLaunchOverrideFileCount] = {
    {"/wegame_launch", {kWegameLaunch, sizeof kWegameLaunch}},
    {"/wegame_launch.tmp", {kWegameLaunchTmp, sizeof kWegameLaunchTmp}},
};

void StepTwoModify(ControlProperties& controls, TextStorage& storage, FileOperations& files) {
  // Four operations in a fixed order, each with a freshly read path; no
  // result decides anything.
  for (const LaunchOverrideFile& file : kLaunchOverrideFiles) {
    {
      OwnedText path = FilePath(controls, storage, file);
      files.WriteWholeFile(path.Get(), file.content);
    }
    {
      OwnedText path = FilePath(controls, storage, file);
      files.SetFileAttributeBits(path.Get(), kFileAttributeReadOnly);
    }
  }
  controls.WriteControlProperty(ids::MainWindow, ids::按钮2, kPropertyDisabled, kWholeProperty, 1);
}

}  // namespace tcls
