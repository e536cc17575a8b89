#include "entry_input.h"

#include <algorithm>

#include <QString>

namespace breliko::fuzz {

namespace {

class Reader {
 public:
  Reader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

  std::uint8_t Byte() { return position_ < size_ ? data_[position_++] : 0; }

  QString Text() {
    const int units = Byte();
    QString text;
    for (int i = 0; i < units && position_ < size_; ++i) {
      const std::uint8_t low = Byte();
      text += QChar(char16_t(low | (Byte() << 8)));
    }
    return text;
  }

  QByteArray Rest() {
    const std::size_t from = std::min(position_, size_);
    return QByteArray(reinterpret_cast<const char*>(data_ + from), qsizetype(size_ - from));
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t position_ = 0;
};

}  // namespace

EntryInput ReadEntryInput(const std::uint8_t* data, std::size_t size) {
  Reader reader(data, size);
  EntryInput input;
  const std::uint8_t flags = reader.Byte();
  input.noFile = flags & 1;
  input.strayUndoCopy = flags & 2;
  const std::uint8_t low = reader.Byte();
  input.entry.Wert = qint16(low | (reader.Byte() << 8));
  input.entry.Person = reader.Text();
  input.entry.Datum = reader.Text();
  input.file = reader.Rest();
  return input;
}

}  // namespace breliko::fuzz
