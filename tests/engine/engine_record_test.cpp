#include "engine/engine_record.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "engine/rating_engine.h"

namespace tarvex::engine {
namespace {

// The fields in the order and widths the engine's documentation gives them ("i" a 16-bit and
// "l" a 32-bit number, "xN" an array). The tables tile the records at compile time, so order
// and widths fix every offset; this catches two fields of one width swapped, which tiles too.
std::string Sequence(const auto& layout, Block block) {
  std::string out;
  for (const FieldSpec& f : layout) {
    if (f.block != block) continue;
    out += std::string(out.empty() ? "" : " ") + std::string(f.label) + ":" +
           std::to_string(f.width) + (f.count > 1 ? "x" + std::to_string(f.count) : "") +
           (f.kind == FieldKind::Integer ? "i"
            : f.kind == FieldKind::Long  ? "l"
                                         : "");
  }
  return out;
}

TEST(EngineLayout, FieldsComeInTheDocumentedOrderAndWidths) {
  EXPECT_EQ(Sequence(kEngineLayout, Block::Record),
            "M1:1 H1:2 H2:4 H3:4 H4:8 H5:1 H6:10 H7:6 H8:19 H9:6 H10:19 H11:2 H12:8 H13:11 "
            "H14:6 H15:6 H16:7 H17:7 H18:6 H19:9 H20:9 H21:10 H22:16 H23:1 H24:8 H25:8 H26:1 "
            "H27:1 H28:1 H29:1 H30:9 H31:6 H32:1 H33:1 H34:5 H35:9 H36:7 H37:5 H38:22 H39:2 "
            "X1:3 X2:4x175l X3:6x20 X4:4x20l X5:2i X6:2i T1:30 T2:2 T3:4x30l T4:4x30l T5:2i "
            "T6:2i X7:3 M2:1");
  EXPECT_EQ(Sequence(kEngineLayout, Block::Line), "L1:2 L2:3 L3:6 L4:7 L5:9 L6:2 L7:1");
  EXPECT_EQ(Sequence(kEngineLayout, Block::Discount), "D1:2 D2:5x10 D3:2");
  EXPECT_EQ(Sequence(kTableLayout, Block::Record), "K1:6x20 K2:4x20l K3:2i K4:2i K5:8 K6:10");
}

TEST(EngineLayout, UnknownLabelsAreNotFound) {
  for (const char* label : {"H0", "H40", "L8", "D4", "X8", "T7", "K1", "h9", "", "H 9"})
    EXPECT_EQ(FindEngineField(label), nullptr) << label;
  for (const char* label : {"K0", "K7", "H1", "k1"})
    EXPECT_EQ(FindTableField(label), nullptr) << label;
}

// The bytes a write changed, compared with a fresh record.
template <class Record>
std::vector<std::size_t> Touched(const Record& after) {
  const Record before;
  std::vector<std::size_t> changed;
  for (std::size_t i = 0; i < Record::size(); ++i)
    if (before.data()[i] != after.data()[i]) changed.push_back(i);
  return changed;
}

std::vector<std::size_t> Range(std::size_t start, std::size_t size) {
  std::vector<std::size_t> r(size);
  for (std::size_t i = 0; i < size; ++i) r[i] = start + i;
  return r;
}

// The layout tables tile the records at compile time; what remains is that a write through a
// handle, a line, a discount block or an array element lands on the bytes the engine reads,
// checked at the ends of each repeat and at fields of every kind.
TEST(EngineLayout, WritesLandOnTheDocumentedBytes) {
  const std::string full(40, '#');
  using Case =
      std::tuple<const char*, std::function<void(EngineRecord&)>, std::size_t, std::size_t>;
  const Case cases[] = {
      {"H7", [&](EngineRecord& r) { r.setText(H7, full); }, 30, 6},
      {"H13", [&](EngineRecord& r) { r.setText(H13, full); }, 90, 11},
      {"H39", [&](EngineRecord& r) { r.setText(H39, full); }, 263, 2},
      {"X1", [&](EngineRecord& r) { r.setText(X1, full); }, 973, 3},
      {"T1", [&](EngineRecord& r) { r.setText(T1, full); }, 1880, 30},
      {"M2", [&](EngineRecord& r) { r.setText(M2, full); }, 2159, 1},
      {"L1 of line 1", [&](EngineRecord& r) { r.line(1).setText(L1, full); }, 265, 2},
      {"L7 of line 20", [&](EngineRecord& r) { r.line(20).setText(L7, full); }, 265 + 570 + 29, 1},
      {"D1 of block 1", [&](EngineRecord& r) { r.discount(1).setText(D1, full); }, 865, 2},
      {"D2(9) of block 2", [&](EngineRecord& r) { r.discount(2).setText(D2, 9, full); }, 966, 5},
      {"D3 of block 2", [&](EngineRecord& r) { r.discount(2).setText(D3, full); }, 971, 2},
      {"X2(174)", [](EngineRecord& r) { r.setValue(X2, 174, -1); }, 976 + 4 * 174, 4},
      {"X3(19)", [&](EngineRecord& r) { r.setText(X3, 19, full); }, 1676 + 6 * 19, 6},
      {"X4(0)", [](EngineRecord& r) { r.setValue(X4, 0, -1); }, 1796, 4},
      {"T4(29)", [](EngineRecord& r) { r.setValue(T4, 29, -1); }, 2032 + 4 * 29, 4},
      {"X5", [](EngineRecord& r) { r.setValue(X5, -1); }, 1876, 2},
      {"T6", [](EngineRecord& r) { r.setValue(T6, -1); }, 2154, 2},
  };
  for (const auto& [what, write, offset, width] : cases) {
    EngineRecord r;
    write(r);
    EXPECT_EQ(Touched(r), Range(offset, width)) << what;
  }
  using TableCase = std::tuple<const char*, void (*)(TableRecord&), std::size_t, std::size_t>;
  const TableCase tableCases[] = {
      {"K1(19)", [](TableRecord& r) { r.setText(K1, 19, "########"); }, 114, 6},
      {"K2(0)", [](TableRecord& r) { r.setValue(K2, 0, -1); }, 120, 4},
      {"K4", [](TableRecord& r) { r.setValue(K4, -1); }, 202, 2},
      {"K6", [](TableRecord& r) { r.setText(K6, "############"); }, 212, 10},
  };
  for (const auto& [what, write, offset, width] : tableCases) {
    TableRecord r;
    write(r);
    EXPECT_EQ(Touched(r), Range(offset, width)) << what;
  }
}

TEST(EngineFields, TextsAreCutOrBlankPaddedAndNeighboursKeepTheirBytes) {
  for (const auto& [written, stored] :
       {std::pair{"M5V3L9", "M5V3L9"}, std::pair{"M5V", "M5V   "}, std::pair{"123456789", "123456"},
        std::pair{"", "      "}, std::pair{" 1 ", " 1    "}}) {
    EngineRecord r;
    r.setText(H6, "ENGINECODE");
    r.setText(H8, std::string(19, 'x'));
    r.setText(H7, written);
    EXPECT_EQ(r.text(H7), stored) << written;
    EXPECT_EQ(r.text(H6), "ENGINECODE");
    EXPECT_EQ(r.text(H8), std::string(19, 'x'));
  }
  EngineRecord r;
  r.setText(H13, "   1234   ");
  EXPECT_EQ(r.trimmed(H13), "1234");
  EXPECT_EQ(r.text(H13), "   1234    ");
  EXPECT_TRUE(r.blank(H2));
  r.setText(H2, " 216");
  EXPECT_FALSE(r.blank(H2));
  // A class text "500" fills all three characters of L2; 77.5 travels as "77".
  r.line(1).setText(L2, "500");
  r.line(2).setText(L2, "77");
  EXPECT_EQ(r.line(1).text(L2), "500");
  EXPECT_EQ(r.line(2).text(L2), "77 ");
  r.discount(1).setText(D2, 9, "650000");
  EXPECT_EQ(r.discount(1).text(D2, 9), "65000");
  EXPECT_EQ(r.discount(1).text(D3), "  ");
}

TEST(EngineFields, IntegersAndLongsAreLittleEndianAndRoundTrip) {
  using Long = std::pair<std::int32_t, const char*>;
  for (const auto& [value, bytes] :
       {Long{0, "\x00\x00\x00\x00"}, Long{999999, "\x3F\x42\x0F\x00"}, Long{-1, "\xFF\xFF\xFF\xFF"},
        Long{0x12345678, "\x78\x56\x34\x12"}, Long{INT32_MIN, "\x00\x00\x00\x80"},
        Long{INT32_MAX, "\xFF\xFF\xFF\x7F"}}) {
    EngineRecord r;
    r.setValue(X2, 174, value);
    EXPECT_EQ(std::memcmp(r.data() + 976 + 4 * 174, bytes, 4), 0) << value;
    EXPECT_EQ(r.value(X2, 174), value);
    TableRecord t;
    t.setValue(K2, 3, value);
    EXPECT_EQ(std::memcmp(t.data() + 120 + 12, bytes, 4), 0) << value;
    EXPECT_EQ(t.value(K2, 3), value);
  }
  using Short = std::pair<std::int16_t, const char*>;
  for (const auto& [value, bytes] : {Short{9, "\x09\x00"}, Short{-2, "\xFE\xFF"},
                                     Short{0x1234, "\x34\x12"}, Short{INT16_MIN, "\x00\x80"}}) {
    EngineRecord r;
    r.setValue(T6, value);
    EXPECT_EQ(std::memcmp(r.data() + 2154, bytes, 2), 0) << value;
    EXPECT_EQ(r.value(T6), value);
  }
}

// An index or line number outside the field reads as blanks or zero and changes nothing, so
// a count taken from the engine's answers can never reach outside the record.
TEST(EngineFields, IndexesOutsideAFieldNeitherReadNorWriteOutside) {
  const EngineRecord fresh;
  EngineRecord r;
  r.setValue(X2, 175, 5);
  r.setValue(X2, -1, 5);
  r.setValue(T3, 30, 5);
  r.setText(X3, 20, "ZZZZZZ");
  r.line(0).setText(L2, "50");
  r.line(21).setText(L2, "50");
  r.discount(3).setText(D1, "D%");
  r.discount(1).setText(D2, 10, "99999");
  EXPECT_EQ(std::memcmp(fresh.data(), r.data(), r.size()), 0);
  std::memset(r.data(), 'Q', r.size());
  EXPECT_EQ(r.value(X4, 20), 0);
  EXPECT_EQ(r.text(X3, -1), "      ");
  EXPECT_FALSE(r.line(21).exists());
  EXPECT_EQ(r.line(21).text(L5), std::string(9, ' '));
  EXPECT_TRUE(r.line(20).exists());
  EXPECT_EQ(r.line(20).text(L5), std::string(9, 'Q'));
}

TEST(EngineFields, FreshRecordsHaveBlankTextsAndZeroNumbers) {
  const EngineRecord r;
  EXPECT_EQ(r.text(H38), std::string(22, ' '));
  EXPECT_EQ(r.line(20).text(L1), "  ");
  const TableRecord t;
  EXPECT_EQ(t.text(K6), std::string(10, ' '));
  EXPECT_EQ(t.value(K3), 0);
  EXPECT_EQ(t.data()[222], 0);
  EXPECT_EQ(t.data()[223], 0);
}

// In a decimal-comma locale an amount read as "123.45" would lose its cents; weights are read
// without the locale and must keep their point.
TEST(ResultAmounts, DecimalCommaConvertsTheFirstPointOfEachAmountOnly) {
  EngineRecord r;
  for (const auto& f : {H16, H17, H19, H20, H35, H36}) r.setText(f, "1.234.5");
  for (const auto& f : {H14, H15, H18}) r.setText(f, "1000.5");
  for (int n = 1; n <= 9; ++n) {
    r.line(n).setText(L4, "45.67");
    r.line(n).setText(L5, "685.05");
  }
  r.line(2).setText(L5, "0");
  EngineRecord unchanged = r;
  ConvertResultAmounts(unchanged, '.');
  EXPECT_EQ(std::memcmp(unchanged.data(), r.data(), r.size()), 0);

  ConvertResultAmounts(r, ',');
  for (const auto& f : {H16, H17, H19, H20, H35, H36})
    EXPECT_EQ(r.trimmed(f), "1,234.5") << f.label;
  for (const auto& f : {H14, H15, H18}) EXPECT_EQ(r.trimmed(f), "1000.5") << f.label;
  for (int n = 1; n <= 8; ++n) EXPECT_EQ(r.line(n).trimmed(L4), "45,67") << n;
  EXPECT_EQ(r.line(1).trimmed(L5), "685,05");
  EXPECT_EQ(r.line(2).trimmed(L5), "0");
  EXPECT_EQ(r.line(9).trimmed(L4), "45.67");
  // Converting the same answer again (the Mexican portion's second pass) keeps its amounts.
  EngineRecord again = r;
  ConvertResultAmounts(again, ',');
  EXPECT_EQ(again.line(1).trimmed(L5), "685,05");
}

}  // namespace
}  // namespace tarvex::engine
