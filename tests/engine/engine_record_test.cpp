#include "engine/engine_record.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "engine/rating_engine.h"

namespace tarvex::engine {
namespace {

// The record layouts as the engine's documentation gives them, typed in again here so that
// a slip in the program's tables shows up as a disagreement.
struct Expected {
  const char* label;
  std::size_t offset;  // from the record, or from the line / discount block
  std::size_t width;   // one element
  std::size_t count;
  FieldKind kind;
};

constexpr FieldKind kText = FieldKind::Text;
constexpr FieldKind kInteger = FieldKind::Integer;
constexpr FieldKind kLong = FieldKind::Long;

const std::vector<Expected> kRecordFields = {
    {"M1", 0, 1, 1, kText},       {"H1", 1, 2, 1, kText},     {"H2", 3, 4, 1, kText},
    {"H3", 7, 4, 1, kText},       {"H4", 11, 8, 1, kText},    {"H5", 19, 1, 1, kText},
    {"H6", 20, 10, 1, kText},     {"H7", 30, 6, 1, kText},    {"H8", 36, 19, 1, kText},
    {"H9", 55, 6, 1, kText},      {"H10", 61, 19, 1, kText},  {"H11", 80, 2, 1, kText},
    {"H12", 82, 8, 1, kText},     {"H13", 90, 11, 1, kText},  {"H14", 101, 6, 1, kText},
    {"H15", 107, 6, 1, kText},    {"H16", 113, 7, 1, kText},  {"H17", 120, 7, 1, kText},
    {"H18", 127, 6, 1, kText},    {"H19", 133, 9, 1, kText},  {"H20", 142, 9, 1, kText},
    {"H21", 151, 10, 1, kText},   {"H22", 161, 16, 1, kText}, {"H23", 177, 1, 1, kText},
    {"H24", 178, 8, 1, kText},    {"H25", 186, 8, 1, kText},  {"H26", 194, 1, 1, kText},
    {"H27", 195, 1, 1, kText},    {"H28", 196, 1, 1, kText},  {"H29", 197, 1, 1, kText},
    {"H30", 198, 9, 1, kText},    {"H31", 207, 6, 1, kText},  {"H32", 213, 1, 1, kText},
    {"H33", 214, 1, 1, kText},    {"H34", 215, 5, 1, kText},  {"H35", 220, 9, 1, kText},
    {"H36", 229, 7, 1, kText},    {"H37", 236, 5, 1, kText},  {"H38", 241, 22, 1, kText},
    {"H39", 263, 2, 1, kText},    {"X1", 973, 3, 1, kText},   {"X2", 976, 4, 175, kLong},
    {"X3", 1676, 6, 20, kText},   {"X4", 1796, 4, 20, kLong}, {"X5", 1876, 2, 1, kInteger},
    {"X6", 1878, 2, 1, kInteger}, {"T1", 1880, 30, 1, kText}, {"T2", 1910, 2, 1, kText},
    {"T3", 1912, 4, 30, kLong},   {"T4", 2032, 4, 30, kLong}, {"T5", 2152, 2, 1, kInteger},
    {"T6", 2154, 2, 1, kInteger}, {"X7", 2156, 3, 1, kText},  {"M2", 2159, 1, 1, kText},
};
const std::vector<Expected> kLineFields = {
    {"L1", 0, 2, 1, kText},  {"L2", 2, 3, 1, kText},  {"L3", 5, 6, 1, kText},
    {"L4", 11, 7, 1, kText}, {"L5", 18, 9, 1, kText}, {"L6", 27, 2, 1, kText},
    {"L7", 29, 1, 1, kText},
};
const std::vector<Expected> kDiscountFields = {
    {"D1", 0, 2, 1, kText}, {"D2", 2, 5, 10, kText}, {"D3", 52, 2, 1, kText}};
const std::vector<Expected> kTableFields = {
    {"K1", 0, 6, 20, kText},     {"K2", 120, 4, 20, kLong}, {"K3", 200, 2, 1, kInteger},
    {"K4", 202, 2, 1, kInteger}, {"K5", 204, 8, 1, kText},  {"K6", 212, 10, 1, kText},
};

std::size_t LineStart(int n) {
  return 265 + 30 * static_cast<std::size_t>(n - 1);
}

void CheckSpec(const FieldSpec* spec, const Expected& e, Block block) {
  ASSERT_NE(spec, nullptr) << e.label;
  EXPECT_EQ(spec->block, block) << e.label;
  EXPECT_EQ(spec->offset, e.offset) << e.label;
  EXPECT_EQ(spec->width, e.width) << e.label;
  EXPECT_EQ(spec->count, e.count) << e.label;
  EXPECT_EQ(spec->kind, e.kind) << e.label;
}

TEST(EngineLayout, EveryLabelHasTheDocumentedOffsetWidthAndKind) {
  for (const auto& e : kRecordFields) CheckSpec(FindEngineField(e.label), e, Block::Record);
  for (const auto& e : kLineFields) CheckSpec(FindEngineField(e.label), e, Block::Line);
  for (const auto& e : kDiscountFields) CheckSpec(FindEngineField(e.label), e, Block::Discount);
  for (const auto& e : kTableFields) CheckSpec(FindTableField(e.label), e, Block::Record);
  EXPECT_EQ(kEngineLayout.size(),
            kRecordFields.size() + kLineFields.size() + kDiscountFields.size());
  EXPECT_EQ(kTableLayout.size(), kTableFields.size());
}

TEST(EngineLayout, UnknownLabelsAreNotFound) {
  for (const char* label : {"H0", "H40", "L8", "D4", "X8", "T7", "K1", "h9", "", "H 9"})
    EXPECT_EQ(FindEngineField(label), nullptr) << label;
  for (const char* label : {"K0", "K7", "H1", "k1"})
    EXPECT_EQ(FindTableField(label), nullptr) << label;
}

// Both records are read by an engine that knows nothing but the byte positions: every byte
// belongs to exactly one field, with no gap, up to the record's end.
TEST(EngineLayout, FieldsTileBothRecordsWithoutGapOrOverlap) {
  std::vector<int> owners(kEngineRecordLength, 0);
  auto claim = [&](std::size_t start, std::size_t size) {
    for (std::size_t i = start; i < start + size && i < owners.size(); ++i) ++owners[i];
  };
  for (const auto& f : kEngineLayout) {
    if (f.block == Block::Record) claim(f.offset, f.size());
    if (f.block == Block::Line)
      for (int n = 1; n <= 20; ++n) claim(LineStart(n) + f.offset, f.size());
    if (f.block == Block::Discount)
      for (std::size_t start : {865u, 919u}) claim(start + f.offset, f.size());
  }
  for (std::size_t i = 0; i < owners.size(); ++i) EXPECT_EQ(owners[i], 1) << "byte " << i;

  std::vector<int> tableOwners(kTableRecordLength, 0);
  for (const auto& f : kTableLayout)
    for (std::size_t i = f.offset; i < f.offset + f.size(); ++i) ++tableOwners.at(i);
  for (std::size_t i = 0; i < 222; ++i) EXPECT_EQ(tableOwners[i], 1) << "byte " << i;
  EXPECT_EQ(tableOwners[222] + tableOwners[223], 0) << "padding";
  EXPECT_EQ(kEngineRecordLength, 2160u);
  EXPECT_EQ(kTableRecordLength, 224u);
}

// The bytes a write through a field handle touched, compared with a fresh record.
template <class Record>
std::vector<std::size_t> Touched(const Record& before, const Record& after) {
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

// Writing through each named handle lands exactly on the documented bytes, in every line and
// both discount blocks.
TEST(EngineLayout, EachHandleWritesExactlyItsDocumentedBytes) {
  const EngineRecord fresh;
  const std::string full(40, '#');
  struct Case {
    TextField<InEngineRecord> field;
    std::size_t offset, width;
  };
  for (const Case& c : std::vector<Case>{
           {M1, 0, 1},    {H1, 1, 2},     {H2, 3, 4},     {H3, 7, 4},     {H4, 11, 8},
           {H5, 19, 1},   {H6, 20, 10},   {H7, 30, 6},    {H8, 36, 19},   {H9, 55, 6},
           {H10, 61, 19}, {H11, 80, 2},   {H12, 82, 8},   {H13, 90, 11},  {H14, 101, 6},
           {H15, 107, 6}, {H16, 113, 7},  {H17, 120, 7},  {H18, 127, 6},  {H19, 133, 9},
           {H20, 142, 9}, {H21, 151, 10}, {H22, 161, 16}, {H23, 177, 1},  {H24, 178, 8},
           {H25, 186, 8}, {H26, 194, 1},  {H27, 195, 1},  {H28, 196, 1},  {H29, 197, 1},
           {H30, 198, 9}, {H31, 207, 6},  {H32, 213, 1},  {H33, 214, 1},  {H34, 215, 5},
           {H35, 220, 9}, {H36, 229, 7},  {H37, 236, 5},  {H38, 241, 22}, {H39, 263, 2},
           {X1, 973, 3},  {T1, 1880, 30}, {T2, 1910, 2},  {X7, 2156, 3},  {M2, 2159, 1}}) {
    EngineRecord r;
    r.setText(c.field, full);
    EXPECT_EQ(Touched(fresh, r), Range(c.offset, c.width)) << c.field.label;
    EXPECT_EQ(r.text(c.field), std::string(c.width, '#')) << c.field.label;
  }

  struct LineCase {
    TextField<InEngineLine> field;
    std::size_t offset, width;
  };
  for (const LineCase& c : std::vector<LineCase>{
           {L1, 0, 2}, {L2, 2, 3}, {L3, 5, 6}, {L4, 11, 7}, {L5, 18, 9}, {L6, 27, 2}, {L7, 29, 1}})
    for (int n = 1; n <= 20; ++n) {
      EngineRecord r;
      r.line(n).setText(c.field, full);
      EXPECT_EQ(Touched(fresh, r), Range(LineStart(n) + c.offset, c.width))
          << c.field.label << " of line " << n;
    }

  for (int block = 1; block <= 2; ++block) {
    const std::size_t start = block == 1 ? 865 : 919;
    EngineRecord r;
    r.discount(block).setText(D1, full);
    EXPECT_EQ(Touched(fresh, r), Range(start, 2)) << "D1 of block " << block;
    for (int i = 0; i < 10; ++i) {
      EngineRecord d2;
      d2.discount(block).setText(D2, i, full);
      EXPECT_EQ(Touched(fresh, d2), Range(start + 2 + 5 * static_cast<std::size_t>(i), 5))
          << "D2(" << i << ") of block " << block;
    }
    EngineRecord d3;
    d3.discount(block).setText(D3, full);
    EXPECT_EQ(Touched(fresh, d3), Range(start + 52, 2)) << "D3 of block " << block;
  }

  for (int i : {0, 19}) {
    EngineRecord r;
    r.setText(X3, i, full);
    EXPECT_EQ(Touched(fresh, r), Range(1676 + 6 * static_cast<std::size_t>(i), 6)) << "X3";
  }
  struct LongCase {
    LongArrayField<InEngineRecord> field;
    std::size_t offset;
    int last;
  };
  for (const LongCase& c :
       std::vector<LongCase>{{X2, 976, 174}, {X4, 1796, 19}, {T3, 1912, 29}, {T4, 2032, 29}})
    for (int i : {0, c.last}) {
      EngineRecord r;
      r.setValue(c.field, i, -1);
      EXPECT_EQ(Touched(fresh, r), Range(c.offset + 4 * static_cast<std::size_t>(i), 4))
          << c.field.label << "(" << i << ")";
    }
  struct IntegerCase {
    IntegerField<InEngineRecord> field;
    std::size_t offset;
  };
  for (const IntegerCase& c :
       std::vector<IntegerCase>{{X5, 1876}, {X6, 1878}, {T5, 2152}, {T6, 2154}}) {
    EngineRecord r;
    r.setValue(c.field, -1);
    EXPECT_EQ(Touched(fresh, r), Range(c.offset, 2)) << c.field.label;
  }
}

TEST(TableLayout, EachHandleWritesExactlyItsDocumentedBytes) {
  const TableRecord fresh;
  for (int i : {0, 19}) {
    TableRecord r;
    r.setText(K1, i, "######");
    EXPECT_EQ(Touched(fresh, r), Range(6 * static_cast<std::size_t>(i), 6)) << "K1";
    TableRecord w;
    w.setValue(K2, i, -1);
    EXPECT_EQ(Touched(fresh, w), Range(120 + 4 * static_cast<std::size_t>(i), 4)) << "K2";
  }
  struct Case {
    const char* label;
    std::size_t offset, width;
    void (*write)(TableRecord&);
  };
  for (const Case& c :
       std::vector<Case>{{"K3", 200, 2, [](TableRecord& r) { r.setValue(K3, -1); }},
                         {"K4", 202, 2, [](TableRecord& r) { r.setValue(K4, -1); }},
                         {"K5", 204, 8, [](TableRecord& r) { r.setText(K5, "##########"); }},
                         {"K6", 212, 10, [](TableRecord& r) { r.setText(K6, "############"); }}}) {
    TableRecord r;
    c.write(r);
    EXPECT_EQ(Touched(fresh, r), Range(c.offset, c.width)) << c.label;
  }
}

}  // namespace
}  // namespace tarvex::engine

namespace tarvex::engine {
namespace {

TEST(EngineFields, TextsAreCutOrBlankPaddedAndNeighboursKeepTheirBytes) {
  struct Case {
    const char* written;
    const char* stored;
  };
  for (const Case& c : std::vector<Case>{{"M5V3L9", "M5V3L9"},
                                         {"M5V", "M5V   "},
                                         {"123456789", "123456"},
                                         {"", "      "},
                                         {" 1 ", " 1    "}}) {
    EngineRecord r;
    r.setText(H6, "ENGINECODE");
    r.setText(H8, std::string(19, 'x'));
    r.setText(H7, c.written);
    EXPECT_EQ(r.text(H7), c.stored) << c.written;
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
  struct Case {
    std::int32_t value;
    const char* bytes;
  };
  for (const Case& c : std::vector<Case>{{0, "\x00\x00\x00\x00"},
                                         {999999, "\x3F\x42\x0F\x00"},
                                         {-1, "\xFF\xFF\xFF\xFF"},
                                         {0x12345678, "\x78\x56\x34\x12"},
                                         {INT32_MIN, "\x00\x00\x00\x80"},
                                         {INT32_MAX, "\xFF\xFF\xFF\x7F"}}) {
    EngineRecord r;
    r.setValue(X2, 174, c.value);
    EXPECT_EQ(std::memcmp(r.data() + 976 + 4 * 174, c.bytes, 4), 0) << c.value;
    EXPECT_EQ(r.value(X2, 174), c.value);
    TableRecord t;
    t.setValue(K2, 3, c.value);
    EXPECT_EQ(std::memcmp(t.data() + 120 + 12, c.bytes, 4), 0) << c.value;
    EXPECT_EQ(t.value(K2, 3), c.value);
  }
  struct ShortCase {
    std::int16_t value;
    const char* bytes;
  };
  for (const ShortCase& c : std::vector<ShortCase>{
           {9, "\x09\x00"}, {-2, "\xFE\xFF"}, {0x1234, "\x34\x12"}, {INT16_MIN, "\x00\x80"}}) {
    EngineRecord r;
    r.setValue(T6, c.value);
    EXPECT_EQ(std::memcmp(r.data() + 2154, c.bytes, 2), 0) << c.value;
    EXPECT_EQ(r.value(T6), c.value);
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

// The engine works on the caller's bytes through a view: what the program wrote, the view
// reads, and what the view writes, the program reads.
TEST(EngineFields, ViewOverRawBytesSharesTheProgramsLayout) {
  EngineRecord r;
  r.setText(H4, "CZAR0001");
  r.line(3).setText(L3, "1500");
  EngineRecordView v(r.data());
  EXPECT_EQ(v.textView(H4), "CZAR0001");
  EXPECT_EQ(v.line(3).textView(L3), "1500  ");
  v.setText(H20, "123.45");
  v.setValue(X6, 9);
  EXPECT_EQ(r.trimmed(H20), "123.45");
  EXPECT_EQ(r.value(X6), 9);

  TableRecord t;
  TableRecordView tv(t.data());
  tv.setText(K1, 19, "500");
  EXPECT_EQ(t.text(K1, 19), "500   ");
}

TEST(EngineFields, FreshRecordsHaveBlankTextsAndZeroNumbers) {
  const EngineRecord r;
  EXPECT_EQ(r.text(H38), std::string(22, ' '));
  EXPECT_EQ(r.line(20).text(L1), "  ");
  EXPECT_EQ(r.value(X2, 0), 0);
  EXPECT_EQ(r.value(T6), 0);
  const TableRecord t;
  EXPECT_EQ(t.text(K6), std::string(10, ' '));
  EXPECT_EQ(t.value(K3), 0);
  EXPECT_EQ(t.data()[222], 0);
  EXPECT_EQ(t.data()[223], 0);
}

}  // namespace
}  // namespace tarvex::engine

namespace tarvex::engine {
namespace {

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
