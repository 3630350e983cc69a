// Texts and the text storage every routine of the program takes them from.
#pragma once

#include <cstddef>

namespace tcls {

// A text: zero-terminated bytes in code page 936. nullptr is the absent text,
// which every operation treats exactly as "".
using Text = const char*;

// Length in bytes before the terminator; the absent text has length 0.
std::size_t TextLength(Text text);

// A run of bytes with its length, carrying no terminator.
struct ByteSet {
  const unsigned char* bytes;
  std::size_t length;
};

// Where text storage comes from: the process's default heap on Windows.
class Heap {
 public:
  virtual ~Heap() = default;
  // nullptr when the heap cannot satisfy the request.
  virtual void* Allocate(std::size_t bytes) = 0;
  virtual void Free(void* block) = 0;
};

class FatalErrorReport;

// Hands out storage for texts and takes it back. Obtain never fails to its
// caller: when the heap is exhausted it ends the program through the fatal
// error report ("分配 n 字节内存失败!") and does not return.
class TextStorage {
 public:
  TextStorage(Heap& heap, FatalErrorReport& fatal) : heap_(heap), fatal_(fatal) {}
  TextStorage(const TextStorage&) = delete;
  TextStorage& operator=(const TextStorage&) = delete;

  char* Obtain(std::size_t bytes);
  // Releasing the absent text does nothing. Never pass a constant text.
  void Release(Text text);

 private:
  Heap& heap_;
  FatalErrorReport& fatal_;
};

// Owns one text obtained from a TextStorage and releases it when it goes.
// Move-only: a copy would release the same storage twice.
class OwnedText {
 public:
  OwnedText() = default;
  OwnedText(TextStorage& storage, char* text) : storage_(&storage), text_(text) {}
  OwnedText(OwnedText&& other) noexcept : storage_(other.storage_), text_(other.text_) {
    other.text_ = nullptr;
  }
  OwnedText& operator=(OwnedText&& other) noexcept {
    if (this != &other) {
      Reset();
      storage_ = other.storage_;
      text_ = other.text_;
      other.text_ = nullptr;
    }
    return *this;
  }
  OwnedText(const OwnedText&) = delete;
  OwnedText& operator=(const OwnedText&) = delete;
  ~OwnedText() { Reset(); }

  // The text, or nullptr when absent. Stays owned by this object.
  Text Get() const { return text_; }
  // Releases the text now; the object is absent afterwards.
  void Reset() {
    if (text_ != nullptr && storage_ != nullptr) storage_->Release(text_);
    text_ = nullptr;
  }

 private:
  TextStorage* storage_ = nullptr;
  char* text_ = nullptr;
};

// A new text holding `first` followed by `second` (absent counts as ""):
// storage for the sum of their lengths + 1 bytes. Never absent.
OwnedText JoinText(TextStorage& storage, Text first, Text second);

// A new text holding a copy of `length` bytes and a terminator; absent when
// length is 0, which asks the storage for nothing.
OwnedText CopyText(TextStorage& storage, const char* bytes, std::size_t length);

// Compares byte by byte as unsigned values; the terminator compares as 0 and
// the absent text as "". Returns -1, 0 or 1.
int CompareText(Text a, Text b);

}  // namespace tcls
