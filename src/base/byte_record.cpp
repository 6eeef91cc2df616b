#include "base/byte_record.h"

#include <algorithm>
#include <cstring>

namespace tarvex::base {

std::string ByteRecord::text(std::size_t offset, std::size_t width) const {
  if (!fits(offset, width)) return std::string(width, ' ');
  return std::string(reinterpret_cast<const char*>(bytes_.data() + offset), width);
}

void ByteRecord::setText(std::size_t offset, std::size_t width, std::string_view value) {
  if (!fits(offset, width)) return;
  const std::size_t n = std::min(width, value.size());
  std::memcpy(bytes_.data() + offset, value.data(), n);
  std::memset(bytes_.data() + offset + n, ' ', width - n);
}

std::int16_t ByteRecord::int16(std::size_t offset) const {
  if (!fits(offset, 2)) return 0;
  const auto v = static_cast<std::uint16_t>(bytes_[offset] | (bytes_[offset + 1] << 8));
  return static_cast<std::int16_t>(v);
}

void ByteRecord::setInt16(std::size_t offset, std::int16_t value) {
  if (!fits(offset, 2)) return;
  const auto v = static_cast<std::uint16_t>(value);
  bytes_[offset] = static_cast<std::uint8_t>(v & 0xFF);
  bytes_[offset + 1] = static_cast<std::uint8_t>(v >> 8);
}

std::int32_t ByteRecord::int32(std::size_t offset) const {
  if (!fits(offset, 4)) return 0;
  std::uint32_t v = 0;
  for (std::size_t i = 0; i < 4; ++i)
    v |= static_cast<std::uint32_t>(bytes_[offset + i]) << (8 * i);
  return static_cast<std::int32_t>(v);
}

void ByteRecord::setInt32(std::size_t offset, std::int32_t value) {
  if (!fits(offset, 4)) return;
  const auto v = static_cast<std::uint32_t>(value);
  for (std::size_t i = 0; i < 4; ++i) bytes_[offset + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

double ByteRecord::float64(std::size_t offset) const {
  if (!fits(offset, 8)) return 0.0;
  std::uint64_t v = 0;
  for (std::size_t i = 0; i < 8; ++i)
    v |= static_cast<std::uint64_t>(bytes_[offset + i]) << (8 * i);
  double d = 0.0;
  std::memcpy(&d, &v, sizeof d);
  return d;
}

void ByteRecord::setFloat64(std::size_t offset, double value) {
  if (!fits(offset, 8)) return;
  std::uint64_t v = 0;
  std::memcpy(&v, &value, sizeof v);
  for (std::size_t i = 0; i < 8; ++i) bytes_[offset + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

}  // namespace tarvex::base
