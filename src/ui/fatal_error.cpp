#include "ui/fatal_error.h"

#include <cstdlib>

#include "ui/form.h"
#include "ui/texts.h"
#include "ui/window_table.h"

namespace tcls {
namespace {

constexpr char kLineEnd[] = "\r\n";
constexpr char kQuote[] = "\"";

void AppendQuoted(FatalBoxText& out, Text tag) { out.Append(kLineEnd).Append(kQuote).Append(tag).Append(kQuote); }

}  // namespace

void ReportStorageExhausted(FatalErrorReport& fatal, unsigned long long bytes) {
  FixedText<64> message;
  message.AppendFormatted(texts::kStorageExhaustedFormat, DecimalText(static_cast<long long>(bytes)).Get());
  fatal.ReportFatalError(message.Get(), 0, 0, 0);
  std::abort();  // not reached: the report ends the process
}

void ComposeFatalErrorText(const ProgramWindowTable& table, Text message, std::int32_t code,
                           std::uint32_t window, std::uint32_t control, FatalBoxText& out) {
  out.Append(texts::kFatalFirstLine).Append(kLineEnd);
  if (code != 0) {
    out.Append(kLineEnd).Append(texts::kFatalCodePrefix).Append(DecimalText(code).Get()).Append(kLineEnd);
  }
  if (TextLength(message) != 0) {
    out.Append(kLineEnd).Append(texts::kFatalMessagePrefix).Append(message).Append(kLineEnd);
  }

  // The identifiers are written as "%d" writes them: signed.
  out.Append(kLineEnd)
      .Append(DecimalText(static_cast<std::int32_t>(window)).Get())
      .Append(", ")
      .Append(DecimalText(static_cast<std::int32_t>(control)).Get());
  if (window != 0 && IdentifierKind(window) == kKindWindow) {
    const WindowForm* form = table.FindForm(window);
    if (form == nullptr) {
      out.Append(kLineEnd).Append(texts::kWindowNotFound);
    } else {
      AppendQuoted(out, form->tag);
      // Control 0 stands for the window itself.
      if (control == 0) {
        AppendQuoted(out, form->tag);
      } else if (const ControlForm* found = FindControl(*form, control)) {
        AppendQuoted(out, found->tag);
      } else {
        out.Append(kLineEnd).Append(texts::kControlNotFound);
      }
    }
  }
  out.Append(kLineEnd);
}

}  // namespace tcls
