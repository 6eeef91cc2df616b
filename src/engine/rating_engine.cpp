#include "engine/rating_engine.h"

namespace tarvex::engine {
namespace {

template <class Fields, class Field>
void ConvertFirstPoint(Fields&& fields, const Field& field, char separator) {
  std::string text = fields.text(field);
  const std::size_t point = text.find('.');
  if (point == std::string::npos) return;
  text[point] = separator;
  fields.setText(field, text);
}

}  // namespace

void ConvertResultAmounts(EngineRecord& record, char decimalSeparator) {
  if (decimalSeparator == '.') return;
  for (const auto& field : {H16, H17, H19, H20, H35, H36})
    ConvertFirstPoint(record, field, decimalSeparator);
  for (int n = 1; n <= 8; ++n) {
    ConvertFirstPoint(record.line(n), L4, decimalSeparator);
    ConvertFirstPoint(record.line(n), L5, decimalSeparator);
  }
}

std::string EnginePath(const base::ProgramDir& dir) {
  std::string path = dir.path().string();
  if (path.empty() || path.back() != '/') path += '/';
  return path;
}

}  // namespace tarvex::engine
