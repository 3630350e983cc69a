#include "ui/text.h"

#include <cstring>

#include "ui/fatal_error.h"

namespace tcls {

std::size_t TextLength(Text text) { return text == nullptr ? 0 : std::strlen(text); }

char* TextStorage::Obtain(std::size_t bytes) {
  void* block = heap_.Allocate(bytes);
  if (block == nullptr) ReportStorageExhausted(fatal_, bytes);
  return static_cast<char*>(block);
}

void TextStorage::Release(Text text) {
  if (text != nullptr) heap_.Free(const_cast<char*>(text));
}

OwnedText JoinText(TextStorage& storage, Text first, Text second) {
  const std::size_t firstLength = TextLength(first);
  const std::size_t secondLength = TextLength(second);
  char* joined = storage.Obtain(firstLength + secondLength + 1);
  if (firstLength != 0) std::memcpy(joined, first, firstLength);
  if (secondLength != 0) std::memcpy(joined + firstLength, second, secondLength);
  joined[firstLength + secondLength] = '\0';
  return OwnedText(storage, joined);
}

OwnedText CopyText(TextStorage& storage, const char* bytes, std::size_t length) {
  if (length == 0) return OwnedText();
  char* copy = storage.Obtain(length + 1);
  std::memcpy(copy, bytes, length);
  copy[length] = '\0';
  return OwnedText(storage, copy);
}

int CompareText(Text a, Text b) {
  const unsigned char* left = reinterpret_cast<const unsigned char*>(a == nullptr ? "" : a);
  const unsigned char* right = reinterpret_cast<const unsigned char*>(b == nullptr ? "" : b);
  while (*left != 0 && *left == *right) {
    ++left;
    ++right;
  }
  if (*left == *right) return 0;
  return *left < *right ? -1 : 1;
}

}  // namespace tcls
