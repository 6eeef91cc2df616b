#include "geo/service_guide.h"

#include <limits>

#include "base/files.h"
#include "base/text.h"
#include "geo/record_file.h"

namespace tarvex::geo {

TerminalRecord TerminalRecord::FromBytes(const base::ByteRecord& r) {
  TerminalRecord t;
  t.name = r.text(0, 50);
  t.code = r.text(50, 5);
  t.address1 = r.text(55, 50);
  t.address2 = r.text(105, 50);
  t.city = r.text(155, 30);
  t.state = r.text(185, 2);
  t.zip = r.text(187, 10);
  t.phone = r.text(197, 12);
  t.freePhone = r.text(209, 12);
  t.fax = r.text(221, 12);
  t.email = r.text(233, 100);
  t.contactName = r.text(333, 50);
  t.contactTitle = r.text(383, 50);
  return t;
}

base::ByteRecord TerminalRecord::ToBytes() const {
  base::ByteRecord r(kTerminalRecordLength, ' ');
  r.setText(0, 50, name);
  r.setText(50, 5, code);
  r.setText(55, 50, address1);
  r.setText(105, 50, address2);
  r.setText(155, 30, city);
  r.setText(185, 2, state);
  r.setText(187, 10, zip);
  r.setText(197, 12, phone);
  r.setText(209, 12, freePhone);
  r.setText(221, 12, fax);
  r.setText(233, 100, email);
  r.setText(333, 50, contactName);
  r.setText(383, 50, contactTitle);
  return r;
}

ServiceZipRange ServiceZipRange::FromBytes(const base::ByteRecord& r) {
  ServiceZipRange z;
  z.country = static_cast<int>(base::Val(r.text(0, 1)));
  z.lowest = base::Trim(r.text(1, 6));
  z.highest = base::Trim(r.text(7, 6));
  z.terminal = r.int32(13);
  z.originIndicator = r.text(17, 1);
  z.destinationIndicator = r.text(18, 1);
  z.originExtraDays = r.int16(19);
  z.destinationExtraDays = r.int16(21);
  return z;
}

base::ByteRecord ServiceZipRange::ToBytes() const {
  base::ByteRecord r(kServiceZipRecordLength, ' ');
  r.setText(0, 1, std::to_string(country));
  r.setText(1, 6, lowest);
  r.setText(7, 6, highest);
  r.setInt32(13, terminal);
  r.setText(17, 1, originIndicator);
  r.setText(18, 1, destinationIndicator);
  r.setInt16(19, originExtraDays);
  r.setInt16(21, destinationExtraDays);
  return r;
}

int ServiceCountryDigit(std::string_view code) {
  const std::string t = base::Trim(code);
  const double v = base::Val(t);
  if (v == 0) return 2;
  return v > 0 && !t.empty() && t.back() == 'M' ? 3 : 1;
}

std::int32_t FindServiceTerminal(const base::ProgramDir& dir, std::string_view code,
                                 std::string_view end, std::string& indicator,
                                 std::int16_t& extraDays) {
  const std::string key = base::Trim(code);
  indicator.clear();
  extraDays = 0;
  const int country = ServiceCountryDigit(key);
  RecordFile ranges(dir.resolve(kServiceZipFileName), kServiceZipRecordLength);
  // Sorted by country first, so a Canadian code is found after every US record.
  const auto found = Bisect(ranges, [&](const base::ByteRecord& r) {
    const auto range = ServiceZipRange::FromBytes(r);
    const bool sameCountry = range.country == country;
    if (sameCountry && base::CompareText(range.lowest, key) <= 0 &&
        base::CompareText(key, range.highest) <= 0)
      return 0;
    if ((sameCountry && base::CompareText(key, range.highest) < 0) || range.country > country)
      return -1;
    return 1;
  });
  if (!found) return 0;
  const auto range = ServiceZipRange::FromBytes(*found);
  if (end == "O") {
    indicator = range.originIndicator;
    extraDays = range.originExtraDays;
  } else {
    indicator = range.destinationIndicator;
    extraDays = range.destinationExtraDays;
  }
  return range.terminal;
}

std::int32_t TerminalCount(const base::ProgramDir& dir) {
  const auto count = base::FixedRecordCount(dir.resolve(kTerminalFileName), kTerminalRecordLength);
  return count > std::numeric_limits<std::int32_t>::max() ? std::numeric_limits<std::int32_t>::max()
                                                          : static_cast<std::int32_t>(count);
}

std::optional<TerminalRecord> ReadTerminal(const base::ProgramDir& dir, std::int32_t terminal) {
  if (terminal < 1) return std::nullopt;
  const auto read =
      base::ReadFixedRecord(dir.resolve(kTerminalFileName), kTerminalRecordLength, terminal);
  if (!read.ok()) return std::nullopt;
  return TerminalRecord::FromBytes(read.record);
}

std::string GetTerminalCode(const base::ProgramDir& dir, std::int32_t terminal) {
  const auto record = ReadTerminal(dir, terminal);
  return record ? record->code : "";
}

std::optional<std::int16_t> GetServiceDays(const base::ProgramDir& dir, std::int32_t origin,
                                           std::int32_t destination, std::int32_t extraDays) {
  const std::int64_t n = TerminalCount(dir);
  if (origin < 1 || destination < 1 || origin > n || destination > n) return std::nullopt;
  const std::int64_t recordNumber = (origin - 1) * n + destination;
  const auto read = base::ReadFixedRecord(dir.resolve(kServiceMatrixFileName),
                                          kServiceMatrixRecordLength, recordNumber);
  if (!read.ok()) return std::nullopt;
  const std::int64_t days = std::int64_t{read.record.int16(0)} + extraDays;
  if (days < std::numeric_limits<std::int16_t>::min() ||
      days > std::numeric_limits<std::int16_t>::max())
    return std::nullopt;
  return static_cast<std::int16_t>(days);
}

ServiceDisplay ServiceDaysDisplay(const base::ProgramDir& dir, LaneService& lane) {
  ServiceDisplay shown;
  if (lane.originTerminal == 0 || lane.destinationTerminal == 0) {
    shown.serviceType = "None";
    return shown;
  }
  const auto days = GetServiceDays(dir, lane.originTerminal, lane.destinationTerminal,
                                   std::int32_t{lane.destinationExtraDays} + lane.originExtraDays);
  if (!days) {
    // The guide names the terminals but cannot tell the days: no service rather than a guess.
    shown.serviceType = "None";
    return shown;
  }
  shown.serviceDays = std::to_string(*days) + " Day(s)";
  if (lane.destinationIndicator == "D" && lane.originIndicator == "D") {
    shown.serviceType = "Direct";
    lane.laneServiceType = "D";
  } else {
    shown.serviceType = "Non-Direct";
    lane.laneServiceType = "I";
  }
  return shown;
}

namespace {

std::string Damaged(const std::filesystem::path& file, const std::string& what) {
  return "The service guide file \"" + file.string() + "\" is damaged: " + what + ".";
}

bool Printable(const std::string& text) {
  for (const char c : text)
    if (static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) > 0x7E) return false;
  return true;
}

}  // namespace

std::string ServiceGuideFault(const base::ProgramDir& dir, const LaneService& lane) {
  const struct {
    const char* name;
    std::size_t length;
  } files[] = {{kTerminalFileName, kTerminalRecordLength},
               {kServiceZipFileName, kServiceZipRecordLength},
               {kServiceMatrixFileName, kServiceMatrixRecordLength}};
  for (const auto& f : files) {
    const auto path = dir.resolve(f.name);
    const std::int64_t length = base::FileLength(path);
    if (length < 0) return "The service guide file \"" + path.string() + "\" is missing.";
    if (length == 0) return Damaged(path, "it is empty");
    if (length % static_cast<std::int64_t>(f.length) != 0)
      return Damaged(path, "it ends in a partial record");
  }
  const std::int64_t n = TerminalCount(dir);
  const auto matrix = dir.resolve(kServiceMatrixFileName);
  const std::int64_t matrixLength = base::FileLength(matrix);
  if (matrixLength != n * n * static_cast<std::int64_t>(kServiceMatrixRecordLength))
    return Damaged(matrix, "it holds " + std::to_string(matrixLength / 2) + " entries where " +
                               std::to_string(n) + " terminals need " + std::to_string(n * n));

  const auto zips = dir.resolve(kServiceZipFileName);
  const struct {
    const char* end;
    std::int32_t terminal;
    const std::string& indicator;
    std::int16_t extraDays;
  } ends[] = {{"origin", lane.originTerminal, lane.originIndicator, lane.originExtraDays},
              {"destination", lane.destinationTerminal, lane.destinationIndicator,
               lane.destinationExtraDays}};
  for (const auto& e : ends) {
    if (e.terminal == 0) continue;
    const std::string range = "the range of the " + std::string(e.end);
    if (e.terminal < 0 || e.terminal > n)
      return Damaged(zips, range + " names terminal " + std::to_string(e.terminal) + " of " +
                               std::to_string(n));
    if (e.indicator != "D" && e.indicator != "I")
      return Damaged(
          zips, range + " has the service indicator \"" + e.indicator + "\", which is not D or I");
    if (e.extraDays < 0 || e.extraDays > kMaxExtraDays)
      return Damaged(zips, range + " adds " + std::to_string(e.extraDays) +
                               " days, which is not from 0 to 30");
    const auto terminal = ReadTerminal(dir, e.terminal);
    if (!terminal || !Printable(terminal->code))
      return Damaged(dir.resolve(kTerminalFileName),
                     "terminal " + std::to_string(e.terminal) + " has no terminal code");
  }
  if (lane.originTerminal > 0 && lane.destinationTerminal > 0) {
    const auto days = GetServiceDays(dir, lane.originTerminal, lane.destinationTerminal, 0);
    if (!days || *days < 0 || *days > kMaxMatrixDays)
      return Damaged(matrix,
                     "the days from terminal " + std::to_string(lane.originTerminal) +
                         " to terminal " + std::to_string(lane.destinationTerminal) +
                         (days ? " are " + std::to_string(*days) : std::string(" are missing")) +
                         ", not from 0 to 60");
  }
  return {};
}

}  // namespace tarvex::geo
