// The carrier's service guide: which terminal serves a point, directly or through an
// interline partner, and the transit days between terminals. Each look-up opens its file,
// reads the few records it needs and closes it again.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "base/byte_record.h"
#include "base/program_dir.h"

namespace tarvex::geo {

constexpr const char* kTerminalFileName = "ServTerm.dat";
constexpr std::size_t kTerminalRecordLength = 433;
constexpr const char* kServiceZipFileName = "ServZipsA.dat";
constexpr std::size_t kServiceZipRecordLength = 23;
constexpr const char* kServiceMatrixFileName = "ServMatx.dat";
constexpr std::size_t kServiceMatrixRecordLength = 2;

// One record of ServTerm.dat, fields as stored (blank-padded).
struct TerminalRecord {
  std::string name;          // 50
  std::string code;          // 5, shown on the quote window
  std::string address1;      // 50
  std::string address2;      // 50, blank when there is no second line
  std::string city;          // 30
  std::string state;         // 2
  std::string zip;           // 10
  std::string phone;         // 12
  std::string freePhone;     // 12
  std::string fax;           // 12
  std::string email;         // 100
  std::string contactName;   // 50
  std::string contactTitle;  // 50

  static TerminalRecord FromBytes(const base::ByteRecord& r);
  base::ByteRecord ToBytes() const;
};

// One record of ServZipsA.dat.
struct ServiceZipRange {
  int country = 0;  // 1 United States, 2 Canada, 3 Mexico
  std::string lowest;
  std::string highest;
  std::int32_t terminal = 0;
  std::string originIndicator;  // "D" direct, "I" interline
  std::string destinationIndicator;
  std::int16_t originExtraDays = 0;
  std::int16_t destinationExtraDays = 0;

  static ServiceZipRange FromBytes(const base::ByteRecord& r);
  base::ByteRecord ToBytes() const;
};

// The country digit the range file sorts by: 1 US, 2 Canada, 3 Mexico.
int ServiceCountryDigit(std::string_view code);

// The serving terminal of a code (0 when it lies in no range). `end` "O" fills the slots
// with the origin's indicator and extra days, any other end with the destination's.
std::int32_t FindServiceTerminal(const base::ProgramDir& dir, std::string_view code,
                                 std::string_view end, std::string& indicator,
                                 std::int16_t& extraDays);

// Terminals in ServTerm.dat (whole records).
std::int32_t TerminalCount(const base::ProgramDir& dir);

// The terminal's record; nothing for terminal 0 or a record that cannot be read.
std::optional<TerminalRecord> ReadTerminal(const base::ProgramDir& dir, std::int32_t terminal);

// The 5-character terminal code as stored, or "" when the record cannot be read.
std::string GetTerminalCode(const base::ProgramDir& dir, std::int32_t terminal);

// Matrix days from the origin to the destination terminal plus the extra days. Nothing when
// a terminal is not one of the N terminals or the matrix has no such record: an unknown
// transit time is never shown as a number of days.
std::optional<std::int16_t> GetServiceDays(const base::ProgramDir& dir, std::int32_t origin,
                                           std::int32_t destination, std::int32_t extraDays);

// The quote window's service state of the current lane, reset when a point changes.
struct LaneService {
  std::int32_t originTerminal = 0;
  std::int32_t destinationTerminal = 0;
  std::string originIndicator;
  std::string destinationIndicator;
  std::int16_t originExtraDays = 0;
  std::int16_t destinationExtraDays = 0;
  std::string laneServiceType;  // "D" both direct, "I" otherwise

  void Reset() { *this = LaneService{}; }
};

// What the quote window's service labels show for the lane.
struct ServiceDisplay {
  std::string serviceDays;  // "3 Day(s)", or empty when there is no service
  std::string serviceType;  // "Direct", "Non-Direct" or "None"
};

// Works out the service labels and sets the lane service type; the lane service type is
// left as it was when there is no service.
ServiceDisplay ServiceDaysDisplay(const base::ProgramDir& dir, LaneService& lane);

// Longest transit the matrix and the extra days can mean: no LTL lane of the continent takes
// two months, nor does one point add a month to it.
inline constexpr int kMaxMatrixDays = 60;
inline constexpr int kMaxExtraDays = 30;

// Why the service guide cannot tell the lane's service ("" when it can), naming the file: a
// file that ends in a partial record, a matrix that is not N x N for the N terminals, a
// terminal number beyond the list, an indicator other than D or I, extra days beyond 0 to 30,
// matrix days beyond 0 to 60, or a terminal code that is not printable text.
std::string ServiceGuideFault(const base::ProgramDir& dir, const LaneService& lane);

}  // namespace tarvex::geo
