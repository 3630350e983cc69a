// Bounded text building without the heap: the fatal-error report composes its
// box text this way because it runs when the heap may have nothing left.
#pragma once

#include <cstddef>
#include <cstring>

namespace tcls {

// Signed decimal digits of a number, as "%d" writes them.
class DecimalText {
 public:
  explicit DecimalText(long long value) {
    char reversed[24];
    std::size_t count = 0;
    // Work on the magnitude as unsigned so that the most negative value is safe.
    unsigned long long magnitude =
        value < 0 ? 0ULL - static_cast<unsigned long long>(value) : static_cast<unsigned long long>(value);
    do {
      reversed[count++] = static_cast<char>('0' + magnitude % 10);
      magnitude /= 10;
    } while (magnitude != 0);
    std::size_t at = 0;
    if (value < 0) digits_[at++] = '-';
    while (count != 0) digits_[at++] = reversed[--count];
    digits_[at] = '\0';
  }
  const char* Get() const { return digits_; }

 private:
  char digits_[24];
};

// Appends into a fixed array; what does not fit is dropped, and the text is
// always terminated.
template <std::size_t Capacity>
class FixedText {
 public:
  FixedText() { bytes_[0] = '\0'; }

  FixedText& Append(const char* text) {
    if (text == nullptr) return *this;
    return AppendBytes(text, std::strlen(text));
  }

  FixedText& AppendBytes(const char* bytes, std::size_t count) {
    const std::size_t room = Capacity - 1 - length_;
    if (count > room) count = room;
    std::memcpy(bytes_ + length_, bytes, count);
    length_ += count;
    bytes_[length_] = '\0';
    return *this;
  }

  // Appends `format` with its first "%d" replaced by `value`.
  FixedText& AppendFormatted(const char* format, const char* value) {
    const char* marker = std::strstr(format, "%d");
    if (marker == nullptr) return Append(format);
    AppendBytes(format, static_cast<std::size_t>(marker - format));
    Append(value);
    return Append(marker + 2);
  }

  const char* Get() const { return bytes_; }
  std::size_t Length() const { return length_; }

 private:
  char bytes_[Capacity];
  std::size_t length_ = 0;
};

}  // namespace tcls
