#include "engine/engine_record.h"

#include <cstring>

namespace tarvex::engine {
namespace {

// Blanks every text field of the layout (in every line and block) that `wanted` picks.
template <class Layout, class Pred>
void BlankTexts(std::uint8_t* record, const Layout& layout, Pred wanted) {
  for (const FieldSpec& f : layout) {
    if (f.kind != FieldKind::Text || !wanted(f)) continue;
    switch (f.block) {
      case Block::Record:
        std::memset(record + f.offset, ' ', f.size());
        break;
      case Block::Line:
        for (int n = 1; n <= kLineCount; ++n)
          std::memset(detail::LineAt(record, n) + f.offset, ' ', f.size());
        break;
      case Block::Discount:
        for (int n = 1; n <= kDiscountCount; ++n)
          std::memset(detail::DiscountAt(record, n) + f.offset, ' ', f.size());
        break;
    }
  }
}

bool IsHeaderField(const FieldSpec& f) {
  return f.block == Block::Record && f.label[0] == 'H';
}

}  // namespace

EngineRecord::EngineRecord() : bytes_(kEngineRecordLength, 0) {
  BlankTexts(data(), kEngineLayout, [](const FieldSpec&) { return true; });
}

TableRecord::TableRecord() : bytes_(kTableRecordLength, 0) {
  BlankTexts(data(), kTableLayout, [](const FieldSpec&) { return true; });
}

void PrepareStartupRecord(EngineRecord& record, const StartupValues& values) {
  std::uint8_t* bytes = record.data();
  BlankTexts(bytes, kEngineLayout, IsHeaderField);
  BlankTexts(bytes, kEngineLayout,
             [](const FieldSpec& f) { return f.block == Block::Line && f.label != L1.label; });
  // The texts the record's description gives a start value or leaves blank.
  BlankTexts(bytes, kEngineLayout, [](const FieldSpec& f) {
    return f.block == Block::Discount || f.label == X1.label || f.label == X3.label ||
           f.label == X7.label || f.label == T1.label || f.label == T2.label;
  });

  record.setText(H3, " ME1");
  record.setText(H5, "N");
  record.setText(H38, "*");
  record.setText(H39, "**");
  record.setValue(X2, 0, 999999);
  record.setText(X3, 0, "999");
  record.setText(T1, "123456789_123456789_123456789_");
  record.discount(1).setText(D1, "D%");
  record.discount(2).setText(D1, "");

  record.setText(H6, values.engineCode);
  record.setText(H37, values.adjustmentFactor);
  record.setText(H23, "N");
  record.setText(M1, "F");
  record.setText(M2, "*");
  record.setText(H1, "01");
  for (int n = 1; n <= 8; ++n) record.line(n).setText(L1, "02");
}

}  // namespace tarvex::engine
