#include "pricing/accessorials.h"

#include <cmath>

#include "base/files.h"
#include "base/limits.h"
#include "base/number_format.h"
#include "base/text.h"
#include "geo/special_points.h"

namespace tarvex::pricing {

namespace {

// Rounded to cents as the "0.00" mask writes it.
double Cents(double v) {
  return base::Val(base::FormatMask(v, "0.00"));
}

}  // namespace

base::ByteRecord AccessorialRecord::ToBytes() const {
  base::ByteRecord b(kAccessorialRecordLength, ' ');
  b.setText(0, 50, name);
  b.setInt16(50, type);
  b.setFloat64(52, rate);
  b.setFloat64(60, minimum);
  b.setFloat64(68, maximum);
  b.setText(76, 20, unit);
  b.setText(96, 20, "");
  return b;
}

AccessorialRecord AccessorialRecord::FromBytes(const base::ByteRecord& b) {
  AccessorialRecord r;
  r.name = base::TrimRight(b.text(0, 50));
  r.type = b.int16(50);
  r.rate = b.float64(52);
  r.minimum = b.float64(60);
  r.maximum = b.float64(68);
  r.unit = base::Trim(b.text(76, 20));
  return r;
}

std::vector<AccessorialRecord> ReadAccessorials(const std::filesystem::path& file, bool* partial) {
  std::vector<AccessorialRecord> records;
  const std::int64_t count = base::FixedRecordCount(file, kAccessorialRecordLength);
  if (partial)
    *partial = base::FileLength(file) > count * static_cast<std::int64_t>(kAccessorialRecordLength);
  for (std::int64_t n = 1; n <= count; ++n) {
    const base::RecordRead read = base::ReadFixedRecord(file, kAccessorialRecordLength, n);
    if (!read.ok()) break;
    records.push_back(AccessorialRecord::FromBytes(read.record));
  }
  return records;
}

std::string AccessorialFault(const AccessorialRecord& r) {
  const auto holds = [&](const char* what, double value, const char* meaning) {
    return "\"" + base::Trim(r.name) + "\" has the " + what + " " + base::StoredNumberText(value) +
           ", which is not " + meaning;
  };
  if (r.type < 1 || r.type > 6)
    return "\"" + base::Trim(r.name) + "\" has the type " + std::to_string(r.type) +
           ", which is not 1 to 6";
  switch (r.type) {
    case 1:
    case 4:
      if (!base::IsPercentage(r.rate)) return holds("rate", r.rate, "a percentage from 0 to 100");
      break;
    case 2:
      // $10,000 a hundred pounds would price one pallet beyond any freight charge.
      if (!(std::isfinite(r.rate) && r.rate >= 0 && r.rate < 10000))
        return holds("rate", r.rate, "a rate from 0 to below 10000 a hundred pounds");
      break;
    default:
      if (!base::IsMoney(r.rate)) return holds("rate", r.rate, "an amount from 0 to below 1000000");
      break;
  }
  if (!base::IsMoney(r.minimum))
    return holds("minimum", r.minimum, "an amount from 0 to below 1000000");
  if (!(std::isfinite(r.maximum) && std::fabs(r.maximum) < base::kMoneyLimit))
    return holds("maximum", r.maximum, "an amount below 1000000");
  return {};
}

bool IsNewYorkTwin(const AccessorialRecord& r) {
  return r.name.rfind("NY", 0) == 0;
}
bool IsCanadianDepartureCharge(const AccessorialRecord& r) {
  return r.name.rfind("CDS", 0) == 0;
}

std::string CaptionOf(const AccessorialRecord& r) {
  return base::Trim(IsCanadianDepartureCharge(r) ? r.name.substr(3) : r.name);
}

std::string UnitLabel(const AccessorialRecord& r) {
  switch (r.type) {
    case 1:
      return "% of Value";
    case 2:
      return "$/CWT";
    case 3:
    case 5:
      return "$/Shpmnt.";
    case 4:
      return "% of Freight";
    case 6:
      return "$/" + r.unit;
    default:
      return "";
  }
}

bool TakesInput(const AccessorialRecord& r) {
  return r.type == 1 || r.type == 5 || r.type == 6;
}

std::string InputLabel(const AccessorialRecord& r) {
  switch (r.type) {
    case 1:
      return "$ Value";
    case 5:
      return "$ Amount";
    case 6:
      return r.unit;
    default:
      return "";
  }
}

double AccessorialCharge(const AccessorialRecord& r, double value,
                         const AccessorialShipment& shipment) {
  double c = 0;
  switch (r.type) {
    case 1:
      c = Cents(r.rate / 100 * value);
      break;
    case 2:
      c = Cents(shipment.totalWeight / 100 * r.rate);
      break;
    case 3:
      c = r.rate;
      break;
    case 4:
      c = Cents(shipment.netCharge * r.rate / 100);
      break;
    case 5:
      c = value;
      break;
    case 6:
      c = Cents(r.rate * value);
      break;
    default:
      return 0;  // a type the program does not know prices nothing
  }
  if (c < r.minimum) return r.minimum;
  if (r.maximum > 0 && c > r.maximum) return r.maximum;
  return c;
}

double TotalAccessorialCharges(const base::ProgramDir& dir,
                               const std::vector<TickedAccessorial>& ticked,
                               const AccessorialShipment& shipment, std::string* fault) {
  if (ticked.empty()) return 0;
  const std::filesystem::path file = dir.resolve(kAccessorialFileName);
  std::vector<std::string> faults;
  bool partial = false;
  const std::vector<AccessorialRecord> records = ReadAccessorials(file, &partial);
  if (partial) faults.emplace_back("it ends in a partial record");
  std::string newYorkFault;
  const bool newYork =
      geo::IsNewYorkCityPoint(dir, base::Trim(shipment.origin), &newYorkFault) ||
      geo::IsNewYorkCityPoint(dir, base::Trim(shipment.destination), &newYorkFault);
  double total = 0;
  for (const TickedAccessorial& t : ticked) {
    if (t.recordNumber < 1 || t.recordNumber > static_cast<std::int64_t>(records.size())) {
      faults.push_back("the ticked record " + std::to_string(t.recordNumber) +
                       " is no longer in it");
      continue;
    }
    AccessorialRecord record = records[static_cast<std::size_t>(t.recordNumber - 1)];
    if (newYork)
      for (const AccessorialRecord& twin : records)
        if (IsNewYorkTwin(twin) && base::Trim(twin.name.substr(2)) == base::Trim(record.name)) {
          record = twin;
          break;
        }
    if (const std::string damage = AccessorialFault(record); !damage.empty()) {
      faults.push_back(damage);
      continue;
    }
    if (IsCanadianDepartureCharge(record) &&
        !(base::Val(shipment.origin) == 0 && base::Val(shipment.destination) > 0))
      continue;
    total += AccessorialCharge(record, t.value, shipment);
  }
  if (fault) {
    std::string text;
    if (!faults.empty()) {
      text = "The accessorial charge list \"" + file.string() + "\" is damaged: ";
      for (std::size_t i = 0; i < faults.size(); ++i) text += (i > 0 ? "; " : "") + faults[i];
      text += ". Only the sound charges are added to this quote.";
    }
    if (!newYorkFault.empty()) text += (text.empty() ? "" : " ") + newYorkFault;
    *fault = text;
  }
  return total;
}

}  // namespace tarvex::pricing
