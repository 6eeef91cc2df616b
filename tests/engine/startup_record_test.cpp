#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <tuple>

#include "engine/engine_record.h"

namespace tarvex::engine {
namespace {

// The whole 2160-byte record after the start-up, written out from the record's description:
// texts blank, numbers zero, and the start values at their positions.
std::string ExpectedStartupBytes(const std::string& engineCode, const std::string& factor) {
  std::string b(2160, '\0');
  auto put = [&](std::size_t offset, const std::string& text) {
    b.replace(offset, text.size(), text);
  };
  auto blanks = [&](std::size_t from, std::size_t to) {
    b.replace(from, to - from, to - from, ' ');
  };
  blanks(0, 976);      // M1, header, 20 lines, both discount blocks, X1
  blanks(1676, 1796);  // X3
  blanks(1880, 1912);  // T1, T2
  blanks(2156, 2160);  // X7, M2
  put(0, "F");
  put(1, "01");
  put(7, " ME1");
  put(19, "N");
  put(20, (engineCode + std::string(10, ' ')).substr(0, 10));
  put(177, "N");
  put(236, (factor + std::string(5, ' ')).substr(0, 5));
  put(241, "*" + std::string(21, ' '));
  put(263, "**");
  for (std::size_t n = 0; n < 8; ++n) put(265 + 30 * n, "02");
  put(865, "D%");
  put(976, std::string("\x3F\x42\x0F\x00", 4));  // 999999 little-endian
  put(1676, "999   ");
  put(1880, "123456789_123456789_123456789_");
  put(2159, "*");
  return b;
}

std::string Bytes(const EngineRecord& r) {
  return std::string(reinterpret_cast<const char*>(r.data()), r.size());
}

// The engine code and factor are cut to their fields, never spill into the next field.
TEST(StartupRecord, FreshRecordMatchesTheDocumentedStartValuesByteForByte) {
  for (const auto& [code, factor, cut] : {std::tuple{"KRFL", "10000", "KRFL"},
                                          std::tuple{"ABCDEFGHIJKLMN", "1234567", "ABCDEFGHIJ"}}) {
    EngineRecord r;
    PrepareStartupRecord(r, {code, factor});
    const std::string actual = Bytes(r);
    const std::string expected = ExpectedStartupBytes(cut, std::string(factor).substr(0, 5));
    for (std::size_t i = 0; i < expected.size(); ++i)
      EXPECT_EQ(actual[i], expected[i]) << "byte " << i;
  }
}

// A start-up over a record that has been used (results and requests left everywhere) clears
// every request and result text the engine could otherwise take for a fresh request.
TEST(StartupRecord, UsedRecordGetsTheSameTextsAndStartValues) {
  EngineRecord used;
  std::memset(used.data(), 'Q', used.size());
  PrepareStartupRecord(used, {"KRFL", "10000"});
  const std::string expected = ExpectedStartupBytes("KRFL", "10000");
  const std::string actual = Bytes(used);
  auto same = [&](std::size_t from, std::size_t to, const char* what) {
    EXPECT_EQ(actual.substr(from, to - from), expected.substr(from, to - from)) << what;
  };
  same(0, 265, "M1 and header");
  for (std::size_t n = 0; n < 20; ++n) {
    same(265 + 30 * n + 2, 265 + 30 * (n + 1), "L2 ... L7");
    if (n < 8) same(265 + 30 * n, 265 + 30 * n + 2, "L1 of lines 1 ... 8");
  }
  same(865, 976, "discount blocks and X1");
  same(976, 980, "X2(0)");
  same(1676, 1796, "X3");
  same(1880, 1912, "T1 and T2");
  same(2156, 2160, "X7 and M2");
}

}  // namespace
}  // namespace tarvex::engine
