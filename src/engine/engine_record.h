// The two records the program and the rating engine exchange, field by field label.
//
// This header is the one definition of both layouts: the program fills and reads the
// records through it, and the engine library includes it to read and answer them. It
// depends on nothing but the standard library and base, and every field accessor is inline.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>

#include "base/byte_record.h"
#include "base/text.h"

namespace tarvex::engine {

// Text is single-byte, left-aligned and blank-padded, never terminated; Integer is 16-bit
// and Long 32-bit, both signed little-endian.
enum class FieldKind : std::uint8_t { Text, Integer, Long };

// Where a field's offset counts from: the record, a shipment line or a discount block.
enum class Block : std::uint8_t { Record, Line, Discount };

struct FieldSpec {
  std::string_view label;
  Block block;
  std::size_t offset;  // from the start of the record, line or discount block
  std::size_t width;   // of one element, in bytes
  std::size_t count;   // elements: X2 has 175, D2 10; 1 for a plain field
  FieldKind kind;
  constexpr std::size_t size() const { return width * count; }
};

inline constexpr std::size_t kEngineRecordLength = 2160;
inline constexpr std::size_t kHeaderOffset = 1;
inline constexpr std::size_t kHeaderLength = 264;
inline constexpr std::size_t kLineOffset = 265;  // line n at kLineOffset + kLineLength * (n - 1)
inline constexpr std::size_t kLineLength = 30;
inline constexpr int kLineCount = 20;
inline constexpr std::array<std::size_t, 2> kDiscountOffsets = {865, 919};
inline constexpr std::size_t kDiscountLength = 54;
inline constexpr int kDiscountCount = 2;
inline constexpr std::size_t kEngineTableOffset = 1880;  // T1 ... T6
inline constexpr std::size_t kEngineTableLength = 276;
inline constexpr std::size_t kTableRecordLength = 224;

namespace detail {
using B = Block;
using K = FieldKind;
}  // namespace detail

// EngineRecord: M1, the header H1 ... H39, the line fields L1 ... L7 (offsets within a
// line), the discount fields D1 ... D3 (offsets within a block), the result fields X1 ... X7
// and the charge-entry list T1 ... T6, and M2.
inline constexpr std::array<FieldSpec, 64> kEngineLayout = {{
    {"M1", detail::B::Record, 0, 1, 1, detail::K::Text},
    {"H1", detail::B::Record, 1, 2, 1, detail::K::Text},
    {"H2", detail::B::Record, 3, 4, 1, detail::K::Text},
    {"H3", detail::B::Record, 7, 4, 1, detail::K::Text},
    {"H4", detail::B::Record, 11, 8, 1, detail::K::Text},
    {"H5", detail::B::Record, 19, 1, 1, detail::K::Text},
    {"H6", detail::B::Record, 20, 10, 1, detail::K::Text},
    {"H7", detail::B::Record, 30, 6, 1, detail::K::Text},
    {"H8", detail::B::Record, 36, 19, 1, detail::K::Text},
    {"H9", detail::B::Record, 55, 6, 1, detail::K::Text},
    {"H10", detail::B::Record, 61, 19, 1, detail::K::Text},
    {"H11", detail::B::Record, 80, 2, 1, detail::K::Text},
    {"H12", detail::B::Record, 82, 8, 1, detail::K::Text},
    {"H13", detail::B::Record, 90, 11, 1, detail::K::Text},
    {"H14", detail::B::Record, 101, 6, 1, detail::K::Text},
    {"H15", detail::B::Record, 107, 6, 1, detail::K::Text},
    {"H16", detail::B::Record, 113, 7, 1, detail::K::Text},
    {"H17", detail::B::Record, 120, 7, 1, detail::K::Text},
    {"H18", detail::B::Record, 127, 6, 1, detail::K::Text},
    {"H19", detail::B::Record, 133, 9, 1, detail::K::Text},
    {"H20", detail::B::Record, 142, 9, 1, detail::K::Text},
    {"H21", detail::B::Record, 151, 10, 1, detail::K::Text},
    {"H22", detail::B::Record, 161, 16, 1, detail::K::Text},
    {"H23", detail::B::Record, 177, 1, 1, detail::K::Text},
    {"H24", detail::B::Record, 178, 8, 1, detail::K::Text},
    {"H25", detail::B::Record, 186, 8, 1, detail::K::Text},
    {"H26", detail::B::Record, 194, 1, 1, detail::K::Text},
    {"H27", detail::B::Record, 195, 1, 1, detail::K::Text},
    {"H28", detail::B::Record, 196, 1, 1, detail::K::Text},
    {"H29", detail::B::Record, 197, 1, 1, detail::K::Text},
    {"H30", detail::B::Record, 198, 9, 1, detail::K::Text},
    {"H31", detail::B::Record, 207, 6, 1, detail::K::Text},
    {"H32", detail::B::Record, 213, 1, 1, detail::K::Text},
    {"H33", detail::B::Record, 214, 1, 1, detail::K::Text},
    {"H34", detail::B::Record, 215, 5, 1, detail::K::Text},
    {"H35", detail::B::Record, 220, 9, 1, detail::K::Text},
    {"H36", detail::B::Record, 229, 7, 1, detail::K::Text},
    {"H37", detail::B::Record, 236, 5, 1, detail::K::Text},
    {"H38", detail::B::Record, 241, 22, 1, detail::K::Text},
    {"H39", detail::B::Record, 263, 2, 1, detail::K::Text},
    {"L1", detail::B::Line, 0, 2, 1, detail::K::Text},
    {"L2", detail::B::Line, 2, 3, 1, detail::K::Text},
    {"L3", detail::B::Line, 5, 6, 1, detail::K::Text},
    {"L4", detail::B::Line, 11, 7, 1, detail::K::Text},
    {"L5", detail::B::Line, 18, 9, 1, detail::K::Text},
    {"L6", detail::B::Line, 27, 2, 1, detail::K::Text},
    {"L7", detail::B::Line, 29, 1, 1, detail::K::Text},
    {"D1", detail::B::Discount, 0, 2, 1, detail::K::Text},
    {"D2", detail::B::Discount, 2, 5, 10, detail::K::Text},
    {"D3", detail::B::Discount, 52, 2, 1, detail::K::Text},
    {"X1", detail::B::Record, 973, 3, 1, detail::K::Text},
    {"X2", detail::B::Record, 976, 4, 175, detail::K::Long},
    {"X3", detail::B::Record, 1676, 6, 20, detail::K::Text},
    {"X4", detail::B::Record, 1796, 4, 20, detail::K::Long},
    {"X5", detail::B::Record, 1876, 2, 1, detail::K::Integer},
    {"X6", detail::B::Record, 1878, 2, 1, detail::K::Integer},
    {"T1", detail::B::Record, 1880, 30, 1, detail::K::Text},
    {"T2", detail::B::Record, 1910, 2, 1, detail::K::Text},
    {"T3", detail::B::Record, 1912, 4, 30, detail::K::Long},
    {"T4", detail::B::Record, 2032, 4, 30, detail::K::Long},
    {"T5", detail::B::Record, 2152, 2, 1, detail::K::Integer},
    {"T6", detail::B::Record, 2154, 2, 1, detail::K::Integer},
    {"X7", detail::B::Record, 2156, 3, 1, detail::K::Text},
    {"M2", detail::B::Record, 2159, 1, 1, detail::K::Text},
}};

// TableRecord: K1 ... K6; bytes 222 and 223 pad the record to 224.
inline constexpr std::array<FieldSpec, 6> kTableLayout = {{
    {"K1", detail::B::Record, 0, 6, 20, detail::K::Text},
    {"K2", detail::B::Record, 120, 4, 20, detail::K::Long},
    {"K3", detail::B::Record, 200, 2, 1, detail::K::Integer},
    {"K4", detail::B::Record, 202, 2, 1, detail::K::Integer},
    {"K5", detail::B::Record, 204, 8, 1, detail::K::Text},
    {"K6", detail::B::Record, 212, 10, 1, detail::K::Text},
}};

namespace detail {

// Every byte of a record belongs to exactly one field (lines and discount blocks in their
// place between H39 and X1), so an edit that opens a gap or an overlap does not compile.
consteval bool FieldsTileTheRecords() {
  std::size_t next = 0, inLine = 0, inDiscount = 0;
  for (const FieldSpec& f : kEngineLayout) {
    if (f.block == Block::Line) {
      if (f.offset != inLine) return false;
      inLine += f.size();
    } else if (f.block == Block::Discount) {
      if (f.offset != inDiscount) return false;
      inDiscount += f.size();
    } else {
      if (next == kLineOffset) next = kDiscountOffsets[1] + kDiscountLength;
      if (f.offset != next) return false;
      next += f.size();
    }
  }
  std::size_t table = 0;
  for (const FieldSpec& f : kTableLayout) {
    if (f.offset != table) return false;
    table += f.size();
  }
  return next == kEngineRecordLength && inLine == kLineLength && inDiscount == kDiscountLength &&
         kLineOffset + kLineLength * kLineCount == kDiscountOffsets[0] &&
         kDiscountOffsets[0] + kDiscountLength == kDiscountOffsets[1] &&
         kHeaderOffset + kHeaderLength == kLineOffset && table + 2 == kTableRecordLength;
}
static_assert(FieldsTileTheRecords());

}  // namespace detail

// A field by its label, for dumps and data tools; nullptr for a label the record lacks.
constexpr const FieldSpec* FindEngineField(std::string_view label) {
  for (const auto& f : kEngineLayout)
    if (f.label == label) return &f;
  return nullptr;
}
constexpr const FieldSpec* FindTableField(std::string_view label) {
  for (const auto& f : kTableLayout)
    if (f.label == label) return &f;
  return nullptr;
}

// Typed handles of the fields. Each is taken from the tables above at compile time, and its
// type says which record or block it belongs to and how it is stored, so a line field cannot
// be written into the header, nor a text read as a number.
struct InEngineRecord {};
struct InEngineLine {};
struct InEngineDiscount {};
struct InTableRecord {};

template <class Where>
struct TextField {
  std::string_view label;
  std::size_t offset;
  std::size_t width;
};
template <class Where>
struct TextArrayField {
  std::string_view label;
  std::size_t offset;
  std::size_t width;
  int count;
};
template <class Where>
struct IntegerField {
  std::string_view label;
  std::size_t offset;
};
template <class Where>
struct LongArrayField {
  std::string_view label;
  std::size_t offset;
  int count;
};

namespace detail {

template <class Where>
consteval Block BlockOf() {
  if constexpr (std::is_same_v<Where, InEngineLine>) return Block::Line;
  if constexpr (std::is_same_v<Where, InEngineDiscount>) return Block::Discount;
  return Block::Record;
}

// constexpr rather than consteval: clang 14 refuses a consteval call inside another one here;
// the consteval callers below still evaluate it, and its throws, at compile time.
template <class Where>
constexpr const FieldSpec& Spec(std::string_view label, FieldKind kind, bool array) {
  const auto check = [&](const FieldSpec& f) {
    if (f.block != BlockOf<Where>() || f.kind != kind || (f.count > 1) != array)
      throw "field is not of the kind asked for";  // a compile-time error
    return true;
  };
  if constexpr (std::is_same_v<Where, InTableRecord>) {
    for (const auto& f : kTableLayout)
      if (f.label == label && check(f)) return f;
  } else {
    for (const auto& f : kEngineLayout)
      if (f.label == label && check(f)) return f;
  }
  throw "no field of this label";  // a compile-time error
}

template <class Where>
consteval TextField<Where> Text(std::string_view label) {
  const FieldSpec& f = Spec<Where>(label, FieldKind::Text, false);
  return {f.label, f.offset, f.width};
}
template <class Where>
consteval TextArrayField<Where> TextArray(std::string_view label) {
  const FieldSpec& f = Spec<Where>(label, FieldKind::Text, true);
  return {f.label, f.offset, f.width, static_cast<int>(f.count)};
}
template <class Where>
consteval IntegerField<Where> Integer(std::string_view label) {
  const FieldSpec& f = Spec<Where>(label, FieldKind::Integer, false);
  return {f.label, f.offset};
}
template <class Where>
consteval LongArrayField<Where> LongArray(std::string_view label) {
  const FieldSpec& f = Spec<Where>(label, FieldKind::Long, true);
  return {f.label, f.offset, static_cast<int>(f.count)};
}

}  // namespace detail

inline constexpr auto M1 = detail::Text<InEngineRecord>("M1");
inline constexpr auto H1 = detail::Text<InEngineRecord>("H1");
inline constexpr auto H2 = detail::Text<InEngineRecord>("H2");
inline constexpr auto H3 = detail::Text<InEngineRecord>("H3");
inline constexpr auto H4 = detail::Text<InEngineRecord>("H4");
inline constexpr auto H5 = detail::Text<InEngineRecord>("H5");
inline constexpr auto H6 = detail::Text<InEngineRecord>("H6");
inline constexpr auto H7 = detail::Text<InEngineRecord>("H7");
inline constexpr auto H8 = detail::Text<InEngineRecord>("H8");
inline constexpr auto H9 = detail::Text<InEngineRecord>("H9");
inline constexpr auto H10 = detail::Text<InEngineRecord>("H10");
inline constexpr auto H11 = detail::Text<InEngineRecord>("H11");
inline constexpr auto H12 = detail::Text<InEngineRecord>("H12");
inline constexpr auto H13 = detail::Text<InEngineRecord>("H13");
inline constexpr auto H14 = detail::Text<InEngineRecord>("H14");
inline constexpr auto H15 = detail::Text<InEngineRecord>("H15");
inline constexpr auto H16 = detail::Text<InEngineRecord>("H16");
inline constexpr auto H17 = detail::Text<InEngineRecord>("H17");
inline constexpr auto H18 = detail::Text<InEngineRecord>("H18");
inline constexpr auto H19 = detail::Text<InEngineRecord>("H19");
inline constexpr auto H20 = detail::Text<InEngineRecord>("H20");
inline constexpr auto H21 = detail::Text<InEngineRecord>("H21");
inline constexpr auto H22 = detail::Text<InEngineRecord>("H22");
inline constexpr auto H23 = detail::Text<InEngineRecord>("H23");
inline constexpr auto H24 = detail::Text<InEngineRecord>("H24");
inline constexpr auto H25 = detail::Text<InEngineRecord>("H25");
inline constexpr auto H26 = detail::Text<InEngineRecord>("H26");
inline constexpr auto H27 = detail::Text<InEngineRecord>("H27");
inline constexpr auto H28 = detail::Text<InEngineRecord>("H28");
inline constexpr auto H29 = detail::Text<InEngineRecord>("H29");
inline constexpr auto H30 = detail::Text<InEngineRecord>("H30");
inline constexpr auto H31 = detail::Text<InEngineRecord>("H31");
inline constexpr auto H32 = detail::Text<InEngineRecord>("H32");
inline constexpr auto H33 = detail::Text<InEngineRecord>("H33");
inline constexpr auto H34 = detail::Text<InEngineRecord>("H34");
inline constexpr auto H35 = detail::Text<InEngineRecord>("H35");
inline constexpr auto H36 = detail::Text<InEngineRecord>("H36");
inline constexpr auto H37 = detail::Text<InEngineRecord>("H37");
inline constexpr auto H38 = detail::Text<InEngineRecord>("H38");
inline constexpr auto H39 = detail::Text<InEngineRecord>("H39");
inline constexpr auto L1 = detail::Text<InEngineLine>("L1");
inline constexpr auto L2 = detail::Text<InEngineLine>("L2");
inline constexpr auto L3 = detail::Text<InEngineLine>("L3");
inline constexpr auto L4 = detail::Text<InEngineLine>("L4");
inline constexpr auto L5 = detail::Text<InEngineLine>("L5");
inline constexpr auto L6 = detail::Text<InEngineLine>("L6");
inline constexpr auto L7 = detail::Text<InEngineLine>("L7");
inline constexpr auto D1 = detail::Text<InEngineDiscount>("D1");
inline constexpr auto D2 = detail::TextArray<InEngineDiscount>("D2");  // D2(0) ... D2(9)
inline constexpr auto D3 = detail::Text<InEngineDiscount>("D3");
inline constexpr auto X1 = detail::Text<InEngineRecord>("X1");
inline constexpr auto X2 = detail::LongArray<InEngineRecord>("X2");  // X2(0) ... X2(174)
inline constexpr auto X3 = detail::TextArray<InEngineRecord>("X3");  // X3(0) ... X3(19)
inline constexpr auto X4 = detail::LongArray<InEngineRecord>("X4");  // X4(0) ... X4(19)
inline constexpr auto X5 = detail::Integer<InEngineRecord>("X5");
inline constexpr auto X6 = detail::Integer<InEngineRecord>("X6");
inline constexpr auto X7 = detail::Text<InEngineRecord>("X7");
inline constexpr auto M2 = detail::Text<InEngineRecord>("M2");
inline constexpr auto T1 = detail::Text<InEngineRecord>("T1");
inline constexpr auto T2 = detail::Text<InEngineRecord>("T2");
inline constexpr auto T3 = detail::LongArray<InEngineRecord>("T3");  // entry n at T3(n - 1)
inline constexpr auto T4 = detail::LongArray<InEngineRecord>("T4");  // entry n at T4(n - 1)
inline constexpr auto T5 = detail::Integer<InEngineRecord>("T5");
inline constexpr auto T6 = detail::Integer<InEngineRecord>("T6");
inline constexpr auto K1 = detail::TextArray<InTableRecord>("K1");  // K1(0) ... K1(19)
inline constexpr auto K2 = detail::LongArray<InTableRecord>("K2");  // K2(0) ... K2(19)
inline constexpr auto K3 = detail::Integer<InTableRecord>("K3");
inline constexpr auto K4 = detail::Integer<InTableRecord>("K4");
inline constexpr auto K5 = detail::Text<InTableRecord>("K5");
inline constexpr auto K6 = detail::Text<InTableRecord>("K6");

namespace detail {

inline constexpr std::string_view kBlanks = "                                ";
static_assert(kBlanks.size() >= 30, "blank source must cover the widest text field");

// A null base stands for a line or block that does not exist: it reads as blanks or zero
// and takes no writes, so no index can reach outside the record.
inline std::string_view TextAt(const std::uint8_t* base, std::size_t offset, std::size_t width) {
  if (base == nullptr) return kBlanks.substr(0, width);
  return {reinterpret_cast<const char*>(base + offset), width};
}
inline void PutText(std::uint8_t* base, std::size_t offset, std::size_t width,
                    std::string_view value) {
  if (base == nullptr) return;
  std::size_t i = 0;
  for (; i < width && i < value.size(); ++i) base[offset + i] = static_cast<std::uint8_t>(value[i]);
  for (; i < width; ++i) base[offset + i] = ' ';
}
inline std::int16_t Int16At(const std::uint8_t* base, std::size_t offset) {
  if (base == nullptr) return 0;
  return static_cast<std::int16_t>(
      static_cast<std::uint16_t>(base[offset] | (base[offset + 1] << 8)));
}
inline void PutInt16(std::uint8_t* base, std::size_t offset, std::int16_t value) {
  if (base == nullptr) return;
  const auto v = static_cast<std::uint16_t>(value);
  base[offset] = static_cast<std::uint8_t>(v & 0xFF);
  base[offset + 1] = static_cast<std::uint8_t>(v >> 8);
}
inline std::int32_t Int32At(const std::uint8_t* base, std::size_t offset) {
  if (base == nullptr) return 0;
  std::uint32_t v = 0;
  for (std::size_t i = 0; i < 4; ++i) v |= static_cast<std::uint32_t>(base[offset + i]) << (8 * i);
  return static_cast<std::int32_t>(v);
}
inline void PutInt32(std::uint8_t* base, std::size_t offset, std::int32_t value) {
  if (base == nullptr) return;
  const auto v = static_cast<std::uint32_t>(value);
  for (std::size_t i = 0; i < 4; ++i) base[offset + i] = static_cast<std::uint8_t>(v >> (8 * i));
}
inline bool InRange(int index, int count) {
  return index >= 0 && index < count;
}
inline std::size_t Element(std::size_t offset, std::size_t width, int index) {
  return offset + width * static_cast<std::size_t>(index);
}

}  // namespace detail

// The accessors every record, line and block shares. Derived supplies data(); a derived type
// whose data() is only const reads and cannot write. An array index outside the field reads
// as blanks or zero and takes no write.
template <class Derived, class Where>
class FieldAccess {
 public:
  // The stored text, blanks included.
  std::string_view textView(TextField<Where> f) const {
    return detail::TextAt(in(), f.offset, f.width);
  }
  std::string text(TextField<Where> f) const { return std::string(textView(f)); }
  std::string trimmed(TextField<Where> f) const { return base::Trim(textView(f)); }
  bool blank(TextField<Where> f) const { return IsBlank(textView(f)); }
  // Cut or blank-padded to the field width.
  void setText(TextField<Where> f, std::string_view newText) {
    detail::PutText(out(), f.offset, f.width, newText);
  }

  std::string_view textView(TextArrayField<Where> f, int index) const {
    if (!detail::InRange(index, f.count)) return detail::kBlanks.substr(0, f.width);
    return detail::TextAt(in(), detail::Element(f.offset, f.width, index), f.width);
  }
  std::string text(TextArrayField<Where> f, int index) const {
    return std::string(textView(f, index));
  }
  std::string trimmed(TextArrayField<Where> f, int index) const {
    return base::Trim(textView(f, index));
  }
  void setText(TextArrayField<Where> f, int index, std::string_view newText) {
    if (!detail::InRange(index, f.count)) return;
    detail::PutText(out(), detail::Element(f.offset, f.width, index), f.width, newText);
  }

  std::int16_t value(IntegerField<Where> f) const { return detail::Int16At(in(), f.offset); }
  void setValue(IntegerField<Where> f, std::int16_t number) {
    detail::PutInt16(out(), f.offset, number);
  }

  std::int32_t value(LongArrayField<Where> f, int index) const {
    if (!detail::InRange(index, f.count)) return 0;
    return detail::Int32At(in(), detail::Element(f.offset, 4, index));
  }
  void setValue(LongArrayField<Where> f, int index, std::int32_t number) {
    if (!detail::InRange(index, f.count)) return;
    detail::PutInt32(out(), detail::Element(f.offset, 4, index), number);
  }

  static bool IsBlank(std::string_view text) {
    return text.find_first_not_of(' ') == std::string_view::npos;
  }

 private:
  const std::uint8_t* in() const { return static_cast<const Derived&>(*this).data(); }
  std::uint8_t* out() { return static_cast<Derived&>(*this).data(); }
};

// One shipment line or discount block inside a record; Byte is const for read-only access.
template <class Where, class Byte>
class BlockRef : public FieldAccess<BlockRef<Where, Byte>, Where> {
 public:
  explicit BlockRef(Byte* bytes) : bytes_(bytes) {}
  // False for a line or block number outside the record.
  bool exists() const { return bytes_ != nullptr; }
  Byte* data() const { return bytes_; }

 private:
  Byte* bytes_;
};

using EngineLine = BlockRef<InEngineLine, std::uint8_t>;
using ConstEngineLine = BlockRef<InEngineLine, const std::uint8_t>;
using EngineDiscount = BlockRef<InEngineDiscount, std::uint8_t>;
using ConstEngineDiscount = BlockRef<InEngineDiscount, const std::uint8_t>;

namespace detail {
template <class Byte>
Byte* LineAt(Byte* record, int n) {
  if (n < 1 || n > kLineCount) return nullptr;
  return record + kLineOffset + kLineLength * static_cast<std::size_t>(n - 1);
}
template <class Byte>
Byte* DiscountAt(Byte* record, int n) {
  if (n < 1 || n > kDiscountCount) return nullptr;
  return record + kDiscountOffsets[static_cast<std::size_t>(n - 1)];
}
}  // namespace detail

// Lines 1 ... 20 and discount blocks 1 (first) and 2 (second) of an engine record.
template <class Derived>
class EngineAccess : public FieldAccess<Derived, InEngineRecord> {
 public:
  EngineLine line(int n) { return EngineLine(detail::LineAt(self().data(), n)); }
  ConstEngineLine line(int n) const { return ConstEngineLine(detail::LineAt(cself().data(), n)); }
  EngineDiscount discount(int n) { return EngineDiscount(detail::DiscountAt(self().data(), n)); }
  ConstEngineDiscount discount(int n) const {
    return ConstEngineDiscount(detail::DiscountAt(cself().data(), n));
  }

 private:
  Derived& self() { return static_cast<Derived&>(*this); }
  const Derived& cself() const { return static_cast<const Derived&>(*this); }
};

// The engine record over bytes someone else owns (the engine library's side of a call):
// `bytes` must hold kEngineRecordLength bytes.
class EngineRecordView : public EngineAccess<EngineRecordView> {
 public:
  explicit EngineRecordView(std::uint8_t* bytes) : bytes_(bytes) {}
  std::uint8_t* data() const { return bytes_; }
  static constexpr std::size_t size() { return kEngineRecordLength; }

 private:
  std::uint8_t* bytes_;
};

class TableRecordView : public FieldAccess<TableRecordView, InTableRecord> {
 public:
  explicit TableRecordView(std::uint8_t* bytes) : bytes_(bytes) {}
  std::uint8_t* data() const { return bytes_; }
  static constexpr std::size_t size() { return kTableRecordLength; }

 private:
  std::uint8_t* bytes_;
};

// The program's own engine record (one instance for the whole run). A new record has every
// text field blank and every number zero.
class EngineRecord : public EngineAccess<EngineRecord> {
 public:
  EngineRecord();
  std::uint8_t* data() { return bytes_.data(); }
  const std::uint8_t* data() const { return bytes_.data(); }
  static constexpr std::size_t size() { return kEngineRecordLength; }
  const base::ByteRecord& bytes() const { return bytes_; }
  EngineRecordView view() { return EngineRecordView(data()); }

 private:
  base::ByteRecord bytes_;
};

class TableRecord : public FieldAccess<TableRecord, InTableRecord> {
 public:
  TableRecord();
  std::uint8_t* data() { return bytes_.data(); }
  const std::uint8_t* data() const { return bytes_.data(); }
  static constexpr std::size_t size() { return kTableRecordLength; }
  const base::ByteRecord& bytes() const { return bytes_; }
  TableRecordView view() { return TableRecordView(data()); }

 private:
  base::ByteRecord bytes_;
};

// What the start-up writes into the engine record besides its fixed values.
struct StartupValues {
  std::string engineCode;        // EngineCode of the settings record, into H6
  std::string adjustmentFactor;  // text of (hidden + visible adjustment factor) x 10000, H37
};

// The start-up values, in the order the start-up sets them: header texts, L2 ... L7 of all
// lines and the other texts blank; H3, H5, H38, H39, X2(0), X3(0), T1 and both D1; then
// H6, H37, H23, M1, M2, H1 and L1 of lines 1 ... 8.
void PrepareStartupRecord(EngineRecord& record, const StartupValues& values);

}  // namespace tarvex::engine
