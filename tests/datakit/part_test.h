// Fixtures of the kit's tests: a scratch source and output folder for building one part, the
// demo program directory built once, copies of it to break, and faults as text.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "base/files.h"
#include "base/text.h"
#include "datakit/kit.h"
#include "geo/service_guide.h"
#include "support/program_dir.h"
#include "vorn/tariff.h"

namespace tarvex::datakit {

// Every fault of a report, one a line: to search, and to show when a search fails.
inline std::string Faults(const Report& report) {
  std::string all;
  for (const auto& f : report.faults()) all += f + "\n";
  return all;
}

class PartTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(src_);
    std::filesystem::create_directories(out_);
  }
  testing::ScratchDir scratch_;
  const std::filesystem::path src_ = scratch_ / "src";
  const std::filesystem::path out_ = scratch_ / "out";
};

// The demo program directory, every part built once for the whole suite.
class DemoDirectory : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    built_ = std::make_unique<testing::ScratchDir>();
    Report report;
    const auto source = std::filesystem::path(TARVEX_SOURCE_DIR) / "data" / "demo";
    for (const Part& part : Parts()) part.build(source, built_->path(), report);
    buildFaults_ = report.faults();
  }
  static void TearDownTestSuite() { built_.reset(); }

  static base::ProgramDir dir() { return built_->dir(); }
  static std::string TerminalOf(const std::string& code) {
    std::string indicator;
    std::int16_t extra = 0;
    return base::Trim(
        geo::GetTerminalCode(dir(), geo::FindServiceTerminal(dir(), code, "D", indicator, extra)));
  }
  static vorn::Tariff TariffNamed(const std::string& name) {
    auto t = vorn::ParseTariff(base::FileToString(built_->path() / (name + ".vtf")));
    EXPECT_TRUE(t.has_value()) << name;
    return t.value_or(vorn::Tariff{});
  }
  static vorn::PointTable Points() {
    auto p = vorn::PointTable::Parse(base::FileToString(built_->path() / "vornpts.vtf"));
    EXPECT_TRUE(p.has_value());
    return p.value_or(vorn::PointTable{});
  }

  inline static std::unique_ptr<testing::ScratchDir> built_;
  inline static std::vector<std::string> buildFaults_;
};

// Whether one of the faults says both things.
inline bool Has(const std::vector<std::string>& faults, const std::string& a,
                const std::string& b = "") {
  return std::any_of(faults.begin(), faults.end(), [&](const std::string& f) {
    return f.find(a) != std::string::npos && f.find(b) != std::string::npos;
  });
}

// A copy of the demo directory to break one file of.
class BrokenDemo : public DemoDirectory {
 protected:
  void SetUp() override {
    for (const auto& e : std::filesystem::directory_iterator(built_->path()))
      std::filesystem::copy_file(e.path(), copy_.path() / e.path().filename());
  }
  std::vector<std::string> check() const {
    Report report;
    for (const Part& part : Parts()) part.check(copy_.path(), report);
    return report.faults();
  }
  std::string read(const char* name) const { return base::FileToString(copy_ / name); }
  void editTariff(const std::string& name, void (*edit)(vorn::Tariff&)) const {
    vorn::Tariff t = TariffNamed(name);
    edit(t);
    copy_.Put(name + ".vtf", vorn::WriteTariff(t));
  }
  testing::ScratchDir copy_;
};

}  // namespace tarvex::datakit
