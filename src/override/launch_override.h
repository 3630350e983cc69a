// Step two: the two launch-override files that go into the game's TCLS folder.
#pragma once

#include <cstddef>
#include <cstdint>

#include "ui/control_properties.h"
#include "ui/text.h"

namespace tcls {

struct LaunchOverrideFile {
  // Appended to the folder text as it stands; brings its own forward slash.
  Text nameSuffix;
  ByteSet content;
};

// wegame_launch (20 bytes), then wegame_launch.tmp (38 bytes), in this order.
inline constexpr std::size_t kLaunchOverrideFileCount = 2;
extern const LaunchOverrideFile kLaunchOverrideFiles[kLaunchOverrideFileCount];

inline constexpr std::uint32_t kFileAttributeReadOnly = 0x01;

// The file system, as step two uses it. Each operation reports success as a
// flag and never shows anything.
class FileOperations {
 public:
  virtual ~FileOperations() = default;
  // Makes the file at `path` hold exactly `content` (created, or emptied
  // first), then closes it. True only if open, write and close all succeeded;
  // no handle is left open either way.
  virtual bool WriteWholeFile(Text path, ByteSet content) = 0;
  // Replaces the file's attributes with `attributes` AND 0x27.
  virtual bool SetFileAttributeBits(Text path, std::uint32_t attributes) = 0;
};

// The click routine of 按钮2: writes both files into the folder that 编辑框1
// names, makes each read-only, and disables 按钮2. Examines no result.
void StepTwoModify(ControlProperties& controls, TextStorage& storage, FileOperations& files);

}  // namespace tcls
