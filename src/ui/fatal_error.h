// The fatal-error report: the one message the program can show, which ends the
// process with exit code 0xFFFFFFFF.
#pragma once

#include <cstdint>

#include "ui/fixed_text.h"
#include "ui/text.h"

namespace tcls {

class ProgramWindowTable;

inline constexpr std::uint32_t kFatalExitCode = 0xFFFFFFFF;

class FatalErrorReport {
 public:
  virtual ~FatalErrorReport() = default;
  // Shows the box and ends the process; never returns to its caller.
  // window and control are identifiers, or 0.
  [[noreturn]] virtual void ReportFatalError(Text message, std::int32_t code, std::uint32_t window,
                                             std::uint32_t control) = 0;
};

// Reports that `bytes` of storage could not be had: "分配 n 字节内存失败!".
[[noreturn]] void ReportStorageExhausted(FatalErrorReport& fatal, unsigned long long bytes);

using FatalBoxText = FixedText<1024>;

// The text of the box, byte for byte: "运行时出错!" and CR LF; the error code
// and the message, each on a line of its own after an empty line, when given;
// then an empty line, the identifiers in signed decimal ("%d, %d") and, for a
// window identifier, the tag texts of the window and control in quotation
// marks (or a line saying which was not found). Every line ends with CR LF.
void ComposeFatalErrorText(const ProgramWindowTable& table, Text message, std::int32_t code,
                           std::uint32_t window, std::uint32_t control, FatalBoxText& out);

}  // namespace tcls
