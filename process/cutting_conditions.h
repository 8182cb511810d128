#pragma once
// The cutting-condition table: rows 1..34 of twelve text fields, read from
// the current CSV file; row n holds the defaults of process n.

#include <QString>

namespace brennvik {

constexpr int kCuttingConditionRows = 34;
constexpr int kCuttingConditionFields = 12;

extern QString g_CuttingConditions[kCuttingConditionRows + 1][kCuttingConditionFields + 1];  // 1-based

// Reads g_CsvFileName into the table.
void LoadCuttingConditions();

void ResetCuttingConditions();

}  // namespace brennvik
