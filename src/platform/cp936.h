// The one place where the program's texts cross into Windows. Texts are code
// page 936 bytes; Windows gets and gives UTF-16 through the wide functions,
// converted with code page 936 named explicitly. On a system whose ANSI code
// page is 936 this is byte for byte what the ...A functions would do; on any
// other system the Chinese texts and paths still come out right.
#pragma once

#include <windows.h>

#include <cstddef>

#include "ui/fatal_error.h"
#include "ui/text.h"

namespace tcls::win32 {

inline constexpr UINT kProgramCodePage = 936;

// A text converted for a wide Win32 function. Short texts stay on the stack;
// a longer one takes process heap, and if there is none, that is the fatal
// storage report.
class WideText {
 public:
  WideText(Text text, FatalErrorReport& fatal);
  ~WideText();
  WideText(const WideText&) = delete;
  WideText& operator=(const WideText&) = delete;

  const wchar_t* Get() const { return text_; }

 private:
  static constexpr std::size_t kInlineCapacity = 300;
  wchar_t inline_[kInlineCapacity];
  wchar_t* heap_ = nullptr;
  const wchar_t* text_ = inline_;
};

// Converts into a caller's buffer with no allocation (for the fatal-error box,
// which must work when the heap is exhausted); cuts what does not fit.
void WideIntoBuffer(Text text, wchar_t* buffer, std::size_t capacity);

// The code page 936 form of `length` UTF-16 units as a new text from the
// storage (length + 1 bytes), or absent when there is nothing.
OwnedText TextFromWide(const wchar_t* wide, std::size_t length, TextStorage& storage);

// The same into a caller's buffer, cut to fit and always terminated.
void TextIntoBuffer(const wchar_t* wide, char* buffer, std::size_t capacity);

}  // namespace tcls::win32
