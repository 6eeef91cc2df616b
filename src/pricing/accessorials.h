// Accessorial charges: the carrier's list in accchg.dat and the charge of each ticked one.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "base/byte_record.h"
#include "base/program_dir.h"

namespace tarvex::pricing {

inline constexpr const char* kAccessorialFileName = "accchg.dat";
inline constexpr std::size_t kAccessorialRecordLength = 116;

struct AccessorialRecord {
  std::string name;  // as stored, trailing blanks removed
  std::int16_t type = 0;
  double rate = 0;
  double minimum = 0;
  double maximum = 0;  // 0 or less: none
  std::string unit;    // for type 6

  base::ByteRecord ToBytes() const;
  static AccessorialRecord FromBytes(const base::ByteRecord& bytes);
};

// Every whole record, record 1 first; a missing file gives none, a torn last record is left
// out and sets `partial`. Numbers are kept as stored: AccessorialFault judges them.
std::vector<AccessorialRecord> ReadAccessorials(const std::filesystem::path& file,
                                                bool* partial = nullptr);

// Why a record cannot be charged ("" when it can): a type other than 1 to 6; a rate beyond
// what its type means (a percentage from 0 to 100 for types 1 and 4, below $10,000 per
// hundred pounds for type 2, an amount from 0 to below 1000000 otherwise); a minimum that is
// no such amount; a maximum beyond -1000000 to 1000000 (0 or less is none).
std::string AccessorialFault(const AccessorialRecord& record);

// "NY" records are the New York City twins of the charge named by the rest of their name.
bool IsNewYorkTwin(const AccessorialRecord& record);
// "CDS" charges apply only from Canada to the US or Mexico; shown without the prefix.
bool IsCanadianDepartureCharge(const AccessorialRecord& record);
std::string CaptionOf(const AccessorialRecord& record);
// The unit label and the input box label of a type ("" when the type takes no input).
std::string UnitLabel(const AccessorialRecord& record);
std::string InputLabel(const AccessorialRecord& record);
// Whether the row's charge needs a value typed into its input box (types 1, 5 and 6).
bool TakesInput(const AccessorialRecord& record);

// What a shipment needs to price its charges.
struct AccessorialShipment {
  std::string origin;  // the rating request's codes
  std::string destination;
  double totalWeight = 0;  // actual weight in pounds
  double netCharge = 0;    // the net charge of the quote
};

// The charge of one record for a typed value, rounded and limited by its minimum and maximum.
double AccessorialCharge(const AccessorialRecord& record, double value,
                         const AccessorialShipment& shipment);

// One ticked row: the record number it came from and the value typed in its box.
struct TickedAccessorial {
  std::int64_t recordNumber = 0;
  double value = 0;
};

// The sum of the ticked charges, read from the file again as the quote needs it. A ticked
// charge whose record (or New York City twin) is damaged or gone is left out, and `fault`
// says so, naming the file; so does a list that ends in a partial record.
double TotalAccessorialCharges(const base::ProgramDir& dir,
                               const std::vector<TickedAccessorial>& ticked,
                               const AccessorialShipment& shipment, std::string* fault = nullptr);

}  // namespace tarvex::pricing
