// A fixed-layout byte record: blank-padded single-byte text, little-endian numbers.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tarvex::base {

// Every accessor stays inside the record: a field that would reach past the end reads
// as blanks or zero and is not written, so a short record can never be read past.
class ByteRecord {
 public:
  ByteRecord() = default;
  explicit ByteRecord(std::size_t size, std::uint8_t fill = 0) : bytes_(size, fill) {}
  explicit ByteRecord(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {}

  std::size_t size() const { return bytes_.size(); }
  std::uint8_t* data() { return bytes_.data(); }
  const std::uint8_t* data() const { return bytes_.data(); }
  const std::vector<std::uint8_t>& bytes() const { return bytes_; }
  std::span<std::uint8_t> span() { return bytes_; }

  // Text of exactly `width` characters as stored (blanks included).
  std::string text(std::size_t offset, std::size_t width) const;
  // Writes the text cut or blank-padded to `width`.
  void setText(std::size_t offset, std::size_t width, std::string_view value);

  std::int16_t int16(std::size_t offset) const;
  void setInt16(std::size_t offset, std::int16_t value);
  std::int32_t int32(std::size_t offset) const;
  void setInt32(std::size_t offset, std::int32_t value);
  double float64(std::size_t offset) const;
  void setFloat64(std::size_t offset, double value);

  bool fits(std::size_t offset, std::size_t width) const {
    return offset <= bytes_.size() && width <= bytes_.size() - offset;
  }

 private:
  std::vector<std::uint8_t> bytes_;
};

}  // namespace tarvex::base
