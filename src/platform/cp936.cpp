#include "platform/cp936.h"

namespace tcls::win32 {

WideText::WideText(Text text, FatalErrorReport& fatal) {
  inline_[0] = L'\0';
  if (text == nullptr || *text == '\0') return;
  // The count includes the terminator.
  const int needed = MultiByteToWideChar(kProgramCodePage, 0, text, -1, nullptr, 0);
  if (needed <= 0) return;
  wchar_t* target = inline_;
  if (static_cast<std::size_t>(needed) > kInlineCapacity) {
    const std::size_t bytes = static_cast<std::size_t>(needed) * sizeof(wchar_t);
    heap_ = static_cast<wchar_t*>(HeapAlloc(GetProcessHeap(), 0, bytes));
    if (heap_ == nullptr) ReportStorageExhausted(fatal, bytes);
    target = heap_;
    text_ = heap_;
  }
  if (MultiByteToWideChar(kProgramCodePage, 0, text, -1, target, needed) <= 0) target[0] = L'\0';
}

WideText::~WideText() {
  if (heap_ != nullptr) HeapFree(GetProcessHeap(), 0, heap_);
}

void WideIntoBuffer(Text text, wchar_t* buffer, std::size_t capacity) {
  buffer[0] = L'\0';
  if (text == nullptr || *text == '\0' || capacity == 0) return;
  const int written = MultiByteToWideChar(kProgramCodePage, 0, text, -1, buffer, static_cast<int>(capacity));
  if (written <= 0) {
    // Too long for the buffer: convert what fits.
    const int partial = MultiByteToWideChar(kProgramCodePage, 0, text, static_cast<int>(capacity / 2), buffer,
                                            static_cast<int>(capacity - 1));
    buffer[partial > 0 ? partial : 0] = L'\0';
  }
  buffer[capacity - 1] = L'\0';
}

OwnedText TextFromWide(const wchar_t* wide, std::size_t length, TextStorage& storage) {
  if (length == 0) return OwnedText();
  const int bytes =
      WideCharToMultiByte(kProgramCodePage, 0, wide, static_cast<int>(length), nullptr, 0, nullptr, nullptr);
  if (bytes <= 0) return OwnedText();
  char* text = storage.Obtain(static_cast<std::size_t>(bytes) + 1);
  WideCharToMultiByte(kProgramCodePage, 0, wide, static_cast<int>(length), text, bytes, nullptr, nullptr);
  text[bytes] = '\0';
  return OwnedText(storage, text);
}

void TextIntoBuffer(const wchar_t* wide, char* buffer, std::size_t capacity) {
  buffer[0] = '\0';
  if (capacity == 0) return;
  const int written =
      WideCharToMultiByte(kProgramCodePage, 0, wide, -1, buffer, static_cast<int>(capacity), nullptr, nullptr);
  if (written <= 0) buffer[0] = '\0';
  buffer[capacity - 1] = '\0';
}

}  // namespace tcls::win32
