// The lane's rate block as the engine returns it, in the texts the speed sheet shows: class and
// weight headings, rates or alternation weights, the discount row and the minimum charges.
#pragma once

#include <string>
#include <vector>

#include "engine/engine_record.h"

namespace tarvex::speedsheet {

// What the window has room for: 20 classes by 9 weight columns.
inline constexpr int kBlockRows = 20;
inline constexpr int kBlockColumns = 9;

// The classes (X5) and weight breaks (X6) of the block, within the room of the window.
int BlockRows(const engine::EngineRecord& r);
int BlockColumns(const engine::EngineRecord& r);

// Row `row` (from 1): the class name X3(row - 1).
std::string ClassHeading(const engine::EngineRecord& r, int row);

// Column `column` (from 1): "L5C", "5C", "1M", "1.5M". The first column reads as less than the
// second break.
std::string WeightHeading(const engine::EngineRecord& r, int column, char decimalSeparator);

enum class BlockView { Rates, Alternation };

// A cell of the grid: the rate in dollars per hundred pounds, or the alternation weight, the
// first whole pound from which the next column (the minimum charge, for the first column)
// costs no more. Empty where there is nothing to show.
std::string BlockCell(const engine::EngineRecord& r, int row, int column, BlockView view,
                      char decimalSeparator);

// The discount percentage of a weight column ("65%") and of the minimum charge ("65"), from the
// first discount block.
std::string ColumnDiscount(const engine::EngineRecord& r, int column, char decimalSeparator);
std::string MinimumChargeDiscount(const engine::EngineRecord& r, char decimalSeparator);

// The minimum charge list: "MC Discount = 65%" while discounted, an empty line, then one line
// per charge entry with its weight limit and amount; an amount at or below the lane's floor is
// listed as the floor with "*", and "* = MC Floor" ends such a list. Entries of a
// single-shipment tariff are marked "SS" when the list mixes both kinds.
std::vector<std::string> MinimumChargeLines(const engine::EngineRecord& r, bool discounted,
                                            double floor, char decimalSeparator);

}  // namespace tarvex::speedsheet
