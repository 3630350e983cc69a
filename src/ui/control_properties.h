// The control operations the step routines use: properties addressed by
// (window identifier, control identifier, property index, part).
#pragma once

#include <cstdint>

#include "ui/text.h"

namespace tcls {

enum PropertyIndex : int {
  kPropertyLeft = 0,
  kPropertyTop = 1,
  kPropertyWidth = 2,
  kPropertyHeight = 3,
  kPropertyTag = 4,
  kPropertyVisible = 5,
  kPropertyDisabled = 6,
  kPropertyMousePointer = 7,
  kPropertyContent = 8,  // EditBox only
};

// The part that selects the whole of a property; the only one the program uses.
inline constexpr int kWholeProperty = -1;

class ControlProperties {
 public:
  virtual ~ControlProperties() = default;
  // Reads a text property (the content of an EditBox). The result belongs to
  // the caller; absent when the control holds the empty text.
  virtual OwnedText ReadControlProperty(std::uint32_t window, std::uint32_t control, int index, int part) = 0;
  // Writes a text property; the control keeps its own copy, the caller keeps
  // `value`. An absent value writes "".
  virtual void WriteControlProperty(std::uint32_t window, std::uint32_t control, int index, int part,
                                    Text value) = 0;
  // Writes a logical property (the disabled state); any value other than 0 is true.
  virtual void WriteControlProperty(std::uint32_t window, std::uint32_t control, int index, int part,
                                    int value) = 0;
};

}  // namespace tcls
