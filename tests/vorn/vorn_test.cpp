// The engine through its five entry points and raw records only, on a hand-written tariff
// whose figures the tests work out from the tariff's own numbers.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <functional>
#include <map>
#include <random>
#include <sstream>
#include <tuple>

#include "base/files.h"
#include "datakit/kit.h"
#include "datakit/tariff_part.h"
#include "engine/engine_record.h"
#include "engine/vorn_abi.h"
#include "support/program_dir.h"
#include "vorn/engine.h"
#include "vorn/files_lock.h"
#include "vorn/tariff.h"

namespace tarvex::vorn {
namespace {

namespace fs = std::filesystem;
using namespace tarvex::engine;
using ::testing::HasSubstr;

// Checks the answer in the fields given as "H13=T300 L5/1=80.00": header fields by label,
// line fields with their line number after the slash, values trimmed.
::testing::AssertionResult Answers(const EngineRecord& r, const std::string& expected) {
  std::istringstream in(expected);
  std::string actual;
  for (std::string item; in >> item;) {
    const std::string label = item.substr(0, item.find('='));
    const std::size_t slash = label.find('/');
    const FieldSpec& f = *FindEngineField(label.substr(0, slash));
    actual += (actual.empty() ? "" : " ") + label + "=" +
              (slash == std::string::npos
                   ? r.trimmed(TextField<InEngineRecord>{f.label, f.offset, f.width})
                   : r.line(std::stoi(label.substr(slash + 1)))
                         .trimmed(TextField<InEngineLine>{f.label, f.offset, f.width}));
  }
  if (actual == expected) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "answered " << actual << "\nexpected " << expected;
}

class VornTest : public testing::ProgramDirTest {
 protected:
  void SetUp() override {
    base::WriteFileAtomic(dir_ / "TEST0001.vtf", WriteTariff(SmallTariff()));
    PointTable points;
    points.Add(1, "641", 39.10, -94.58);  // Kansas City
    points.Add(1, "631", 38.63, -90.20);  // St. Louis
    points.Add(1, "100", 40.75, -73.99);  // New York
    points.Add(2, "M5V", 43.64, -79.39);  // Toronto
    base::WriteFileAtomic(dir_ / "vornpts.vtf", points.Write());
    path_ = dir_.string() + "/";
    ASSERT_EQ(Vorn_InitializeVorn(path_.c_str()), 0);
    ASSERT_EQ(Vorn_Set_Vorndata(path_.c_str()), 0);
  }
  void TearDown() override { Vorn_EndVorn(); }
  static Tariff SmallTariff() {
    datakit::Report report;
    auto tariff = datakit::CompileTariff(
        base::FileToString(fs::path(TARVEX_FIXTURES_DIR) / "vorn" / "small.tariff"), "small",
        report);
    EXPECT_TRUE(tariff) << (report.faults().empty() ? "" : report.faults()[0]);
    return tariff.value_or(Tariff{});
  }
  // Replaces the test tariff by an edited one and has the engine read it.
  void Install(const Tariff& tariff) {
    base::WriteFileAtomic(dir_ / "TEST0001.vtf", WriteTariff(tariff));
    ASSERT_EQ(Vorn_Set_Vorndata(path_.c_str()), 0);
  }
  // A rating request from Kansas City to St. Louis with the given lines.
  EngineRecord Rate(std::vector<std::pair<std::string, int>> lines,
                    const std::string& destination = "63101") {
    EngineRecord r;
    r.setText(H4, "TEST0001");
    r.setText(H7, "64120");
    r.setText(H9, destination);
    r.setText(H26, "N");
    r.setText(H23, "N");
    r.setText(H37, "10000");
    r.setText(H11, "0" + std::to_string(lines.size()));
    for (std::size_t i = 0; i < lines.size(); ++i) {
      r.line(static_cast<int>(i + 1)).setText(L2, lines[i].first);
      r.line(static_cast<int>(i + 1)).setText(L3, std::to_string(lines[i].second));
    }
    return r;
  }
  // Has the engine rate the request and returns its answer, in the same record.
  const EngineRecord& Send(EngineRecord& r) {
    Vorn_RateShipment(r.data());
    return r;
  }
  EngineRecord Send(EngineRecord&& r) { return Send(r); }
  // D2(0) ... D2(9) as given, the rest as the last.
  void Discount(EngineRecord& r, const char* basis, const std::vector<const char*>& d2) {
    r.setText(H26, "Y");
    r.setText(H33, basis);
    for (std::size_t i = 0; i <= 9; ++i)
      r.discount(1).setText(D2, static_cast<int>(i), d2[std::min(i, d2.size() - 1)]);
  }

  std::string path_;
};

TEST_F(VornTest, BillsTheCheapestBreakWithTheDeficitAtTheLowestRate) {
  const std::pair<std::vector<std::pair<std::string, int>>, const char*> cases[] = {
      // 400 lb at 20.00 per cwt within 300 road miles. Billing 500 lb at 16.00 costs 80.00
      // too: the break-even point does not change the bill.
      {{{"100", 400}},
       "H2= H13=T300 L4/1=20.00 L5/1=80.00 H18=0 H14=400 H15=400 H20=80.00 H16=50.00 H28=D"},
      // 450 lb at 20.00 is 90.00; 500 lb at 16.00 is 72.00 for the freight plus 8.00 deficit.
      {{{"100", 450}}, "L4/1=16.00 L5/1=72.00 H18=50 H17=16.00 H19=8.00 H15=500 H20=80.00"},
      // 600 lb: break 500, 8.00 and 16.00. At 1000: 7.00 and 14.00 on 600 lb plus 400 lb at
      // 7.00 makes 91.00, dearer than 72.00.
      {{{"50", 300}, {"100", 300}}, "L5/1=24.00 L5/2=48.00 H20=72.00 H18=0"},
      // 800 lb: 96.00 at break 500; at 1000: 28.00 + 56.00 + 200 lb at 7.00 = 98.00.
      {{{"50", 400}, {"100", 400}}, "H20=96.00"},
      // 900 lb: 108.00 at 500; at 1000: 31.50 + 63.00 + 100 lb at 7.00 = 101.50 wins.
      {{{"50", 450}, {"100", 450}}, "H20=101.50 H17=7.00 H18=100"},
  };
  for (const auto& [lines, answer] : cases) {
    EXPECT_TRUE(Answers(Send(Rate(lines)), answer));
  }
}

TEST_F(VornTest, DiscountOnChargesAndTheMinimumOrOnRates) {
  EngineRecord r = Rate({{"100", 1000}});
  Discount(r, "C", {"5000"});
  // The line stays undiscounted.
  EXPECT_TRUE(Answers(Send(r), "L5/1=140.00 H35=70.00 H20=70.00 H36=25.00 H16=25.00"));
  EngineRecord rates = Rate({{"100", 1000}});
  Discount(rates, "R", {"2550"});
  // 14.00 less 25.5 %, and the lane's table is discounted too.
  EXPECT_TRUE(Answers(Send(rates), "L4/1=10.43 L5/1=104.30 H20=104.30 H35=0.00"));
  EXPECT_EQ(rates.value(X2, 1 * 3 + 2 + 4), 1043);
}

TEST_F(VornTest, AdjustmentFactorAndSingleShipment) {
  EngineRecord r = Rate({{"100", 1000}});
  r.setText(H37, "11000");
  EXPECT_TRUE(Answers(Send(r), "L4/1=15.40 H20=154.00"));
  // The minimum entry is adjusted as the minimum itself is.
  EXPECT_EQ(r.value(T4, 0), r.value(X2, 0));
  EngineRecord single = Rate({{"100", 400}});
  single.setText(H23, "Y");
  EXPECT_EQ(Send(single).trimmed(H20), "105.00");  // 80.00 and the 25.00 single-shipment charge
  EXPECT_EQ(single.trimmed(T1).substr(0, 2), "10");
  EXPECT_EQ(single.value(T6), 2);
  EXPECT_EQ(single.value(T4, 1), 2500);
}

TEST_F(VornTest, LaneCheckFillsTheLaneTable) {
  EngineRecord r = Rate({}, "M5V3L9");
  r.setText(H11, "");
  // The minimum H16 after a discount D2(0) of none.
  ASSERT_TRUE(Answers(Send(r), "H2= H13=T999 H29=I H16=80.00"));
  EXPECT_EQ(r.value(X5), 2);
  EXPECT_EQ(r.value(X6), 3);
  EXPECT_EQ(r.value(X2, 0), 8000);
  EXPECT_EQ(r.value(X2, 0 * 3 + 0 + 4), 1500);
  EXPECT_EQ(r.trimmed(X3, 1), "100");
  EXPECT_EQ(r.value(X4, 2), 1000);
}

TEST_F(VornTest, RefusalCodes) {
  using Case = std::tuple<const char*, std::function<void(EngineRecord&)>, const char*>;
  const Case cases[] = {
      {"origin not served", [](EngineRecord& r) { r.setText(H7, "10001"); }, " 216"},
      {"destination not served", [](EngineRecord& r) { r.setText(H9, "30303"); }, " 217"},
      {"unknown tariff", [](EngineRecord& r) { r.setText(H4, "NOSUCH"); }, " 210"},
      {"class not in the tariff", [](EngineRecord& r) { r.line(1).setText(L2, "70"); }, " 221"},
      {"zero weight", [](EngineRecord& r) { r.line(1).setText(L3, "0"); }, " 222"},
      {"beyond the tariff", [](EngineRecord& r) { r.line(1).setText(L3, "5001"); }, " 222"},
      {"line count", [](EngineRecord& r) { r.setText(H11, "25"); }, " 224"},
  };
  for (const auto& [what, change, code] : cases) {
    EngineRecord r = Rate({{"100", 400}});
    change(r);
    EXPECT_EQ(Send(r).text(H2), code) << what;
  }
}

// A partner's five-digit codes carved out of a prefix range rate with the range's factor.
TEST_F(VornTest, AFiveDigitServedRangeWinsOverItsPrefixAndScalesTheRates) {
  auto tariff = SmallTariff();
  tariff.served.insert(tariff.served.begin(), {1, "63150", "63179", 'I', 1.25});
  Install(tariff);
  EngineRecord direct = Rate({{"100", 1000}}, "63149");
  EngineRecord partner = Rate({{"100", 1000}}, "63150");
  ASSERT_TRUE(Answers(Send(direct), "H2= H29=D"));
  ASSERT_TRUE(Answers(Send(partner), "H2= H29=I"));
  EXPECT_NEAR(base::Val(partner.line(1).trimmed(L4)), base::Val(direct.line(1).trimmed(L4)) * 1.25,
              0.01);
  EXPECT_NEAR(base::Val(partner.trimmed(H16)), base::Val(direct.trimmed(H16)) * 1.25, 0.01);
}

TEST_F(VornTest, MissingRateAndUnplacedPoint) {
  auto tariff = SmallTariff();
  tariff.bands[0].rates[0][0] = 0;  // no class 50 rate below 500 lb
  tariff.served.push_back({1, "700", "799", 'D'});
  Install(tariff);
  EXPECT_EQ(Send(Rate({{"50", 100}})).text(H2), " 223");
  // Served, but not on the map.
  EXPECT_EQ(Send(Rate({{"100", 100}}, "70112")).text(H2), " 218");
}

TEST_F(VornTest, MexicanLaneInPortionsMeetsAtTheCrossingNearestTheMexicanPoint) {
  auto tariff = SmallTariff();
  tariff.served.push_back({3, "010", "999", 'I'});
  // Crossings placed to make the bands plain: one beside St. Louis, one far west.
  tariff.crossings = {{33.00, -117.00, "west"}, {38.60, -90.30, "beside St. Louis"}};
  PointTable points;
  points.Add(1, "641", 39.10, -94.58);
  points.Add(3, "06", 19.43, -99.13);   // Mexico City: nearer St. Louis than the west
  points.Add(3, "22", 32.90, -117.10);  // beside the western crossing
  base::WriteFileAtomic(dir_ / "vornpts.vtf", points.Write());
  Install(tariff);
  using Case = std::tuple<const char*, const char*, bool, const char*>;
  const Case cases[] = {
      {"06600M", " ME1", false, "T999"},  // the whole lane
      {"06600M", "   P", false, "T300"},  // Kansas City to the crossing by St. Louis
      {"06600M", "   S", false, "T999"},  // that crossing to Mexico City
      {"06600M", "   P", true, "T300"},   // the same from Mexico: the US end is the origin
      {"22000M", "   P", false, "T999"},  // Kansas City to the western crossing
      {"22000M", "   S", false, "T300"},  // the western crossing to its Mexican neighbour
      {"22000M", "   S", true, "T300"},
  };
  for (const auto& [mexican, portion, mexicanOrigin, rbn] : cases) {
    EngineRecord r = Rate({{"100", 400}}, mexican);
    if (mexicanOrigin) {
      r.setText(H7, mexican);
      r.setText(H9, "64120");
    }
    r.setText(H3, portion);
    EXPECT_TRUE(Answers(Send(r), std::string("H2= H13=") + rbn))
        << mexican << portion << mexicanOrigin;
  }
  EXPECT_EQ(tariff.NearestCrossing({32.90, -117.10})->name, "west");
  EXPECT_EQ(Tariff{}.NearestCrossing({32.90, -117.10}), nullptr);
}

TEST_F(VornTest, AHigherBreakIsBilledOnlyWhenCheaperAfterItsBracketsDiscount) {
  // small.tariff, class 100 within 300 miles: 20.00 below 500 lb, 16.00 from 500, 14.00 from
  // 1,000. D2(1) is below 500 lb, D2(2) 500 to 999, D2(3) 1,000 to 1,999, D2(4) from 2,000.
  // d2: D2(0) ... D2(4); the rest as the last
  // net: H20
  using Case = std::tuple<const char*, std::vector<const char*>, int, const char*, const char*>;
  const Case cases[] = {
      // 450 lb: 90.00 less 50 % is 45.00; 500 lb with no discount would be 80.00, on charges
      // or on rates.
      {"C", {"0", "5000", "0"}, 450, "450", "45.00"},
      {"R", {"0", "5000", "0"}, 450, "450", "45.00"},
      // A better bracket wins: 500 lb less 60 % is 32.00 (the minimum, 50.00 less 50 %, is
      // below).
      {"R", {"5000", "5000", "6000"}, 450, "500", "32.00"},
      // 1,900 lb at 14.00 is 266.00; 2,000 lb less 50 % is 140.00, although the tariff has
      // no break at 2,000 lb; without a better discount nothing changes.
      {"C", {"0", "0", "0", "0", "5000"}, 1900, "2000", "140.00"},
      {"C", {"0", "0"}, 1900, "1900", "266.00"},
  };
  for (const auto& [basis, d2, weight, billed, net] : cases) {
    EngineRecord r = Rate({{"100", weight}});
    Discount(r, basis, d2);
    EXPECT_TRUE(Answers(Send(r), std::string("H2= H15=") + billed + " H20=" + net)) << weight;
  }
}

TEST_F(VornTest, LineAndDeficitChargesAddUpToTheBilledAmount) {
  // With the adjustment factor 1.0006 class 100 costs 20.01 below 500 lb and 16.01 from 500:
  // every weight from 440 to 499 lb is billed as 500 lb at 16.01, which is 80.05, whatever
  // the line and the deficit charges round to on their own (450 lb: 72.045 and 8.005).
  for (int weight = 440; weight < 500; ++weight) {
    EngineRecord r = Rate({{"100", weight}});
    r.setText(H37, "10006");
    ASSERT_TRUE(Answers(Send(r), "H15=500 L4/1=16.01 H17=16.01 H20=80.05")) << weight;
    EXPECT_NEAR(std::stod(r.line(1).trimmed(L5)) + std::stod(r.trimmed(H19)), 80.05, 1e-9)
        << weight;
  }
  // Two classes: 24.0759 and 82.0449 shown as 24.08 and 82.04, 100 lb at 7.23 more, 113.35
  // in all.
  EngineRecord r = Rate({{"50", 333}, {"100", 567}});
  r.setText(H37, "10333");
  EXPECT_TRUE(Answers(Send(r), "H15=1000 L5/1=24.08 L5/2=82.04 H19=7.23 H20=113.35"));
}

TEST_F(VornTest, MileageBetweenWellKnownCities) {
  EngineRecord r = Rate({}, "10001");
  r.setText(H4, "MILE0001");
  ASSERT_TRUE(Send(r).blank(H2));
  const double miles = std::stod(r.trimmed(H13));
  EXPECT_GT(miles, 1100);  // Kansas City to New York is about 1,200 road miles
  EXPECT_LT(miles, 1350);
  r.setText(H9, "99501");
  EXPECT_EQ(Send(r).text(H2), " 230");
}

TEST_F(VornTest, GarbageRecordsAreRefusedWithoutHarm) {
  std::mt19937 random(7);
  for (int round = 0; round < 200; ++round) {
    std::vector<unsigned char> bytes(VORN_ENGINE_RECORD_LENGTH);
    for (auto& b : bytes) b = static_cast<unsigned char>(random());
    if (round % 2 == 0) std::memcpy(bytes.data() + 11, "TEST0001", 8);
    Vorn_RateShipment(bytes.data());
    std::vector<unsigned char> table(VORN_TABLE_RECORD_LENGTH);
    for (auto& b : table) b = static_cast<unsigned char>(random());
    Vorn_GetTables(table.data());
  }
  EXPECT_EQ(Vorn_RateShipment(nullptr), 0);
}

TEST_F(VornTest, TablesOfATariff) {
  TableRecord t;
  t.setText(K5, "TEST0001");
  Vorn_GetTables(t.data());
  EXPECT_EQ(t.value(K3), 2);
  EXPECT_EQ(t.value(K4), 3);
  EXPECT_EQ(t.trimmed(K1, 0), "50");
  EXPECT_EQ(t.value(K2, 1), 500);
  t.setText(K5, "NOSUCH");
  Vorn_GetTables(t.data());
  EXPECT_EQ(t.value(K3), 0);
}

// A child process that takes something (a lock), reports one byte on a pipe once it holds
// it, and waits to be killed; the parent reads the byte before it looks, so nothing races.
struct Holder {
  explicit Holder(const std::function<char()>& take) {
    int fds[2];
    if (::pipe(fds) != 0) return;
    pid = ::fork();
    if (pid == 0) {
      ::close(fds[0]);
      answer = take();
      (void)!::write(fds[1], &answer, 1);
      for (;;) ::pause();
    }
    ::close(fds[1]);
    if (pid > 0 && ::read(fds[0], &answer, 1) != 1) answer = '?';
    ::close(fds[0]);
  }
  ~Holder() { Kill(); }
  // Returns once the child is gone, and with it its lock.
  void Kill() {
    if (pid <= 0) return;
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
    pid = -1;
  }

  pid_t pid = -1;
  char answer = 0;
};

TEST_F(VornTest, ReadersShareTheFilesAndAWriterHoldsThemAlone) {
  // This process reads (SetUp); a second reader comes in beside it.
  Holder reader([this] {
    Vorn_EndVorn();  // the copy of this process's lock the child inherited
    return Vorn_InitializeVorn(path_.c_str()) == 0 ? 'y' : 'n';
  });
  EXPECT_EQ(reader.answer, 'y');

  // While anyone reads, the data kit may not replace the files, and says who reads them.
  FilesLock writer;
  EXPECT_EQ(writer.Take(dir_, FilesLock::Kind::kWriter), FilesLock::Outcome::kBusy);
  datakit::Report report;
  EXPECT_FALSE(datakit::BuildProgramDirectory(TARVEX_SOURCE_DIR "/data/demo", dir_, report));
  ASSERT_EQ(report.faults().size(), 1u);
  EXPECT_THAT(report.faults()[0], HasSubstr("in use by"));
  EXPECT_THAT(report.faults()[0], HasSubstr("(process " + std::to_string(::getpid()) + ")"));
  EXPECT_TRUE(fs::exists(dir_ / "TEST0001.vtf"));  // nothing was replaced
  reader.Kill();
  Vorn_EndVorn();
  EXPECT_EQ(writer.Take(dir_, FilesLock::Kind::kWriter), FilesLock::Outcome::kHeld);
  writer.Release();

  // A writer at work makes every reader find the files locked, until it dies.
  Holder kit([this] {
    FilesLock lock;
    const bool held = lock.Take(dir_, FilesLock::Kind::kWriter) == FilesLock::Outcome::kHeld;
    static FilesLock kept;  // held until the child is killed
    kept = std::move(lock);
    return held ? 'y' : 'n';
  });
  ASSERT_EQ(kit.answer, 'y');
  EXPECT_EQ(Vorn_InitializeVorn(path_.c_str()), VORN_STATUS_FILES_LOCKED);
  EXPECT_EQ(Vorn_InitializeVorn(path_.c_str()), VORN_STATUS_FILES_LOCKED);
  kit.Kill();
  EXPECT_EQ(Vorn_InitializeVorn(path_.c_str()), 0);
  EXPECT_EQ(Vorn_Set_Vorndata(path_.c_str()), 0);
}

TEST_F(VornTest, AnEnginePathThatCannotHoldTheLockFile) {
  EXPECT_EQ(Vorn_InitializeVorn((dir_ / "no" / "such" / "").string().c_str()), 11);
  EXPECT_EQ(Vorn_InitializeVorn(nullptr), 11);
}

TEST_F(VornTest, MissingAndDamagedTariffFilesGiveStatuses) {
  base::WriteFileAtomic(dir_ / "BROKEN01.vtf", "VORN-TARIFF 1\nNAME BROKEN01\nBAND x\n");
  EXPECT_EQ(Vorn_Set_Vorndata(path_.c_str()), 21);
  EngineRecord r = Rate({{"100", 400}});
  EXPECT_TRUE(Send(r).blank(H2));  // the sound tariff still rates
  fs::remove(dir_ / "TEST0001.vtf");
  fs::remove(dir_ / "BROKEN01.vtf");
  EXPECT_EQ(Vorn_Set_Vorndata(path_.c_str()), 20);
  fs::remove(dir_ / "vornpts.vtf");
  EXPECT_EQ(Vorn_Set_Vorndata(path_.c_str()), 22);
  EXPECT_EQ(Send(r).text(H2), " 201");
}

TEST_F(VornTest, DamagedFilesAreReportedByName) {
  // A rate that is not a number.
  base::WriteFileAtomic(dir_ / "BROKEN01.vtf",
                        "VORN-TARIFF 2\nNAME BROKEN01\nCLASSES 100\nBREAKS 0\nBAND 10 X\n"
                        "RATES X 100 nan\nEND\n");
  base::WriteFileAtomic(dir_ / "SECOND01.vtf", base::FileToString(dir_ / "TEST0001.vtf"));
  Engine engine;
  EXPECT_EQ(engine.Load(dir_), kDamagedTariff);
  EXPECT_THAT(engine.loadReport(), HasSubstr("BROKEN01.vtf: line 6:"));
  // Two files naming one tariff: the first by name is used, the second reported.
  EXPECT_THAT(engine.loadReport(), HasSubstr("TEST0001.vtf: names tariff TEST0001"));
  EXPECT_EQ(engine.tariffs().size(), 1u);

  base::WriteFileAtomic(dir_ / "vornpts.vtf", "VORN-POINTS 1\n1 641 39.10 -94.58\n1 631 nan 0\n");
  EXPECT_EQ(engine.Load(dir_), kNoPoints);
  EXPECT_THAT(engine.loadReport(), HasSubstr("vornpts.vtf: line 3:"));
  fs::remove(dir_ / "vornpts.vtf");
  EXPECT_EQ(engine.Load(dir_), kNoPoints);
  EXPECT_THAT(engine.loadReport(), HasSubstr("vornpts.vtf: missing"));
}

TEST_F(VornTest, AnAmountTooWideForItsFieldIsRefused) {
  auto tariff = SmallTariff();
  tariff.bands[0].rates[1] = {kMaxRateCents, kMaxRateCents, kMaxRateCents};
  Install(tariff);
  EngineRecord r = Rate({{"100", 100}});
  EXPECT_TRUE(Send(r).blank(H2));  // 9,999.99 per hundred pounds fits
  EXPECT_EQ(r.line(1).trimmed(L4), "9999.99");
  r.setText(H37, "20000");  // 19,999.98 does not fit the rate's seven characters
  EXPECT_EQ(Send(r).text(H2), " 225");
}

// A sound compiled tariff, one line per feature the reader knows.
constexpr const char* kSoundTariff =
    "VORN-TARIFF 2\n"                            // 1
    "NAME A\n"                                   // 2
    "MAXWEIGHT 5000\n"                           // 3
    "CLASSES 50 100\n"                           // 4
    "BREAKS 0 500\n"                             // 5
    "SERVE 1 600 699 D\n"                        // 6
    "BORDER 27.5 -99.5 Laredo / Nuevo Laredo\n"  // 7
    "BAND 300 T300\n"                            // 8
    "RATES T300 50 1000 800\n"                   // 9
    "RATES T300 100 2000 1600\n"                 // 10
    "MINIMUM T300 1 0 5000\n"                    // 11
    "END\n";

std::string WithLine(int number, const std::string& replacement) {
  std::string text = kSoundTariff;
  std::size_t at = 0;
  for (int i = 1; i < number; ++i) at = text.find('\n', at) + 1;
  return text.replace(at, text.find('\n', at) - at, replacement);
}

TEST(TariffFileTest, NumbersBeyondWhatTheirFieldsCanMeanAreDamage) {
  ASSERT_TRUE(ParseTariff(kSoundTariff));
  const std::pair<int, std::vector<const char*>> damaged[] = {
      {10,
       {"RATES T300 100 nan 1600", "RATES T300 100 inf 1600", "RATES T300 100 1e308 1600",
        "RATES T300 100 -5 1600", "RATES T300 100 1000000 1600", "RATES T300 100 2000",
        "RATES T300 100 2000 1600 7", "RATES T300 100 20.5 1600"}},
      {3, {"MAXWEIGHT 99999999999", "MAXWEIGHT -1"}},
      {5, {"BREAKS 0 1000000", "BREAKS 0 500 500", "BREAKS 10 500"}},
      {7, {"BORDER nan -99.5", "BORDER 91 -99.5", "BORDER 27.5 -inf", "BORDER 27.5"}},
      {8, {"BAND inf T300", "BAND nan T300", "BAND 1e300 T300", "BAND -5 T300", "BAND 0 T300"}},
      {11,
       {"MINIMUM T300 1 0 1e12", "MINIMUM T300 1 0 nan", "MINIMUM T300 12 0 5000",
        "MINIMUM T300 1 9999999 5000"}},
      {4, {"CLASSES 50 1000", "CLASSES 50 50"}},
      {6,
       {"SERVE 1 699 600 D", "SERVE 4 600 699 D", "SERVE 1 63100 631 D", "SERVE 1 63100 63199 I 0",
        "SERVE 1 63100 63199 I nan"}},
      {2, {"NAME TOOLONGNAME", "NAME"}},
      {1, {"VORN-TARIFF 9"}},
      // Classes or breaks again after a band would leave its rates short.
      {11, {"CLASSES 50 100 150", "BREAKS 0 500 1000", "NAME B"}}};
  for (const auto& [line, texts] : damaged)
    for (const char* text : texts) {
      std::string error;
      EXPECT_FALSE(ParseTariff(WithLine(line, text), &error)) << text;
      EXPECT_EQ(error.rfind("line " + std::to_string(line) + ":", 0), 0u) << text << ": " << error;
    }
  // 20 classes by 9 breaks overflow the lane's rate table of 171 cells.
  std::string classes = "CLASSES";
  for (int c = 1; c <= 20; ++c) classes += " " + std::to_string(c);
  EXPECT_FALSE(ParseTariff("VORN-TARIFF 2\nNAME A\n" + classes +
                           "\nBREAKS 0 1 2 3 4 5 6 7 8\nBAND 10 X\nEND\n"));
}

TEST(TariffFileTest, PointsBeyondTheGlobeAreDamage) {
  ASSERT_TRUE(PointTable::Parse("VORN-POINTS 1\n1 641 39.1 -94.58\n"));
  for (const char* line : {"1 641 nan -94.58", "1 641 39.1 inf", "1 641 91 0", "1 641 0 181",
                           "4 641 0 0", "1 6411 0 0", "1 641 0", "1 641 0 0 0", "x 641 0 0"}) {
    std::string error;
    EXPECT_FALSE(PointTable::Parse(std::string("VORN-POINTS 1\n") + line + "\n", &error)) << line;
    EXPECT_EQ(error.rfind("line 2:", 0), 0u) << line << ": " << error;
  }
  EXPECT_FALSE(PointTable::Parse(""));
  EXPECT_FALSE(PointTable::Parse("VORN-POINTS 2\n"));
}

TEST(TariffFileTest, WhatIsReadWritesBackTheSameAndOldFilesStillRead) {
  const auto tariff = ParseTariff(kSoundTariff);
  ASSERT_TRUE(tariff);
  ASSERT_EQ(tariff->crossings.size(), 1u);
  EXPECT_EQ(tariff->crossings[0].name, "Laredo / Nuevo Laredo");
  EXPECT_EQ(WriteTariff(*tariff), kSoundTariff);
  // A file of the first version names one crossing without a name.
  const auto old =
      ParseTariff(WithLine(7, "BORDER 27.5036 -99.5075").replace(0, 13, "VORN-TARIFF 1"));
  ASSERT_TRUE(old);
  ASSERT_EQ(old->crossings.size(), 1u);
  EXPECT_DOUBLE_EQ(old->crossings[0].longitude, -99.5075);
  PointTable points;
  points.Add(3, "22", 32.5149, -117.0382);
  EXPECT_EQ(PointTable::Parse(points.Write())->Write(), points.Write());
}

TEST(TariffFileTest, TruncatedAndScrambledFilesAreRefusedWithoutHarm) {
  const std::string sound = kSoundTariff;
  // Every cut before the final END loses it.
  for (std::size_t cut = 0; cut + 1 < sound.size(); ++cut)
    EXPECT_FALSE(ParseTariff(sound.substr(0, cut))) << cut;
  const std::string points = "VORN-POINTS 1\n1 641 39.1 -94.58\n2 M5V 43.64 -79.39\n";
  std::mt19937 random(11);
  for (int round = 0; round < 3000; ++round) {
    std::string tariff = sound;
    std::string table = points;
    for (int flips = 1 + round % 4; flips > 0; --flips) {
      tariff[random() % tariff.size()] = static_cast<char>(random());
      table[random() % table.size()] = static_cast<char>(random());
    }
    // Whatever is still read keeps within the limits and writes back to itself.
    if (const auto t = ParseTariff(tariff)) {
      for (const Band& b : t->bands)
        for (const auto& row : b.rates)
          for (const std::int32_t rate : row) EXPECT_LE(rate, kMaxRateCents);
      EXPECT_EQ(WriteTariff(*ParseTariff(WriteTariff(*t))), WriteTariff(*t));
    }
    if (const auto p = PointTable::Parse(table)) {
      EXPECT_EQ(PointTable::Parse(p->Write())->Write(), p->Write());
    }
  }
  std::string garbage(4096, '\0');
  for (auto& c : garbage) c = static_cast<char>(random());
  EXPECT_FALSE(ParseTariff(garbage));
  EXPECT_FALSE(ParseTariff("VORN-TARIFF 2\n" + garbage));
  EXPECT_FALSE(PointTable::Parse("VORN-POINTS 1\n" + garbage));
}

TEST(TariffSourceTest, FaultsNameTheLine) {
  datakit::Report report;
  EXPECT_FALSE(datakit::CompileTariff(
      "[tariff]\nname = X\nclasses = 50\nbreaks = 0\n[served]\n1 600 699 Q\n[bands]\n10 B 100 1\n",
      "bad", report));
  ASSERT_FALSE(report.faults().empty());
  EXPECT_THAT(report.faults()[0], HasSubstr("bad:6"));
}

}  // namespace
}  // namespace tarvex::vorn
