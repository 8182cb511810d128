#include "cutting_conditions.h"

namespace brennvik {

QString g_CuttingConditions[kCuttingConditionRows + 1][kCuttingConditionFields + 1];

void LoadCuttingConditions() {
    // Filled in by the cutting-condition reader.
}

void ResetCuttingConditions() {
    for (auto &row : g_CuttingConditions)
        for (QString &field : row) field.clear();
}

}  // namespace brennvik
