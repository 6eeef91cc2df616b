#include "engine/tariffs.h"

#include <fstream>

#include "base/text.h"

namespace tarvex::engine {

namespace {

std::vector<std::string> Lines(const std::filesystem::path& file, bool& readable) {
  std::vector<std::string> lines;
  std::ifstream in(file, std::ios::binary);
  readable = static_cast<bool>(in);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

std::string Columns(const std::string& line, std::size_t from, std::size_t count) {
  return from < line.size() ? line.substr(from, count) : std::string();
}

bool EndsWithM(const std::string& code) {
  return !code.empty() && code.back() == 'M';
}

// Whether a line of the given kind applies to the lane between H7 and H9.
bool Applies(const std::string& kind, const std::string& origin, const std::string& destination) {
  const double o = base::Val(origin);
  const double d = base::Val(destination);
  if (kind == "US") return o > 0 && d > 0;
  if (kind == "CD") return o == 0 || d == 0;
  if (kind == "CN") return o == 0 && d == 0;
  if (kind == "UM") return o > 0 && d > 0 && EndsWithM(origin) != EndsWithM(destination);
  if (kind == "CM")
    return (o == 0 && d > 0 && EndsWithM(destination)) || (d == 0 && o > 0 && EndsWithM(origin));
  return false;
}

}  // namespace

std::optional<std::vector<TariffLine>> ReadTariffList(const base::ProgramDir& dir) {
  bool readable = false;
  const std::vector<std::string> lines = Lines(dir.resolve(kTariffListFileName), readable);
  if (!readable) return std::nullopt;
  std::vector<TariffLine> tariffs;
  for (const std::string& line : lines) {
    TariffLine t;
    t.kind = base::ToUpper(Columns(line, 0, 2));
    t.name = base::ToUpper(Columns(line, 2, 8));
    t.confirm = Columns(line, 10, 1) == "Y";
    t.description = base::Trim(Columns(line, 11, std::string::npos));
    tariffs.push_back(std::move(t));
  }
  return tariffs;
}

TariffSelection SelectTariff(const base::ProgramDir& dir, EngineRecord& record,
                             const TariffRequest& request) {
  TariffSelection result;
  record.setText(H4, "");
  const auto tariffs = ReadTariffList(dir);
  const std::string listFile = dir.resolve(kTariffListFileName).string();
  if (!tariffs) {
    result.error = "The tariff list " + listFile + " is missing, so the lane cannot be rated.";
    return result;
  }
  // A line whose kind is no two letters, or that names no tariff, can never apply: the lanes
  // it was for would be rated on another tariff without a word.
  bool anyLine = false;
  for (std::size_t n = 0; n < tariffs->size(); ++n) {
    const TariffLine& t = (*tariffs)[n];
    if (base::Trim(t.kind).empty() && base::Trim(t.name).empty() && !t.confirm &&
        t.description.empty())
      continue;  // a blank line
    anyLine = true;
    const bool letters = t.kind.size() == 2 && t.kind[0] >= 'A' && t.kind[0] <= 'Z' &&
                         t.kind[1] >= 'A' && t.kind[1] <= 'Z';
    if (letters && !base::Trim(t.name).empty()) continue;
    result.error = "The tariff list " + listFile + " is damaged: line " + std::to_string(n + 1) +
                   " is not a kind and a tariff name, so the lane cannot be rated.";
    return result;
  }
  if (!anyLine) {
    result.error = "The tariff list " + listFile + " is empty, so the lane cannot be rated.";
    return result;
  }
  result.ok = true;
  const std::string origin = record.trimmed(H7);
  const std::string destination = record.trimmed(H9);
  for (const TariffLine& t : *tariffs) {
    if (origin.empty() && destination.empty()) {
      record.setText(H4, t.name);
      record.setText(H5, "N");
      return result;
    }
    bool laneKind = false;
    for (const char* kind : {"US", "CD", "CN", "UM", "CM"}) {
      if (t.kind != kind) continue;
      laneKind = true;
      if (Applies(kind, origin, destination)) {
        record.setText(H4, t.name);
        record.setText(H5, "N");
      }
    }
    if (laneKind || t.kind.empty() || t.kind != request.originState ||
        t.kind != request.destinationState)
      continue;
    if (t.confirm && !request.silent) {
      const std::string question =
          "Use " +
          (t.description.empty() ? request.originState + " Intrastate Tariff" : t.description) +
          "?";
      if (!request.ask || !request.ask(question)) continue;
      result.intrastateCaption = question.substr(4, question.size() - 5);
    } else if (t.confirm) {
      bool chosen = false;
      if (request.chosen != nullptr)
        for (const std::string& state : *request.chosen)
          chosen = chosen || (!state.empty() && state == request.originState);
      if (!chosen) continue;
    }
    record.setText(H4, t.name);
    record.setText(H5, "Y");
  }

  bool readable = false;
  const auto pointerFile = dir.resolve(kTariffPointerFileName);
  const std::vector<std::string> pointers = Lines(pointerFile, readable);
  // A line cut before its tariff name would let every lane of its ranges fall back silently
  // to the list's tariff.
  for (std::size_t n = 0; n < pointers.size(); ++n) {
    if (base::Trim(pointers[n]).empty() || !base::Trim(Columns(pointers[n], 20, 8)).empty())
      continue;
    result.ok = false;
    record.setText(H4, "");
    result.error = "The tariff pointer file " + pointerFile.string() + " is damaged: line " +
                   std::to_string(n + 1) + " has no tariff name, so the lane cannot be rated.";
    return result;
  }
  const std::string o5 = record.text(H7).substr(0, 5);
  const std::string d5 = record.text(H9).substr(0, 5);
  for (const std::string& line : pointers) {
    if (o5 >= Columns(line, 0, 5) && o5 <= Columns(line, 5, 5) && d5 >= Columns(line, 10, 5) &&
        d5 <= Columns(line, 15, 5)) {
      record.setText(H4, Columns(line, 20, 8));
      record.setText(H5, "N");
      break;
    }
  }
  return result;
}

}  // namespace tarvex::engine
