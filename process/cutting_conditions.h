#pragma once
// The cutting-condition table: rows 1..34 of twelve text fields, read from
// the current CSV file; row n holds the defaults of process n (fields 3 to
// 12: tool, spindle direction, coolant, V, F, D, L, U, W, C).

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

namespace brennvik {

constexpr int kCuttingConditionRows = 34;
constexpr int kCuttingConditionFields = 12;

extern QString g_CuttingConditions[kCuttingConditionRows + 1][kCuttingConditionFields + 1];  // 1-based

// The records of a condition file: two header lines, then one record per
// line. A line with more than twelve fields loses the extra ones, one with
// fewer gets empty ones, so a faulty line never shifts the lines after it.
struct ConditionFileContent {
    bool ok = false;
    QString reason;                  // why the bytes are no condition table
    std::vector<QStringList> records;  // at most 34, each of twelve fields
    std::vector<int> recordLines;      // the 1-based file line of each record
};
ConditionFileContent ParseCuttingConditions(const QByteArray &bytes);

// What in a file that was read makes process commands fail later (error 13
// when the dialog is pre-filled): rows some process uses whose spindle or
// coolant cell is no number, and rows missing because the file ends early.
// It names the file and the rows; empty when all is well.
QString ConditionFileWarning(const QString &path, const ConditionFileContent &content);

// The fields of one line: separated by commas, leading blanks skipped, a
// field in double quotes taken without its quotes, trailing blanks of an
// unquoted field dropped.
QStringList SplitConditionLine(const QString &line);

// Reads a file into the table. Only a read that succeeded replaces the
// table (rows the file has no record for become empty), and a message box
// names the rows that processes cannot use; otherwise the table stays as it
// was, a message box says why, and the result is false.
bool LoadCuttingConditionsFrom(const QString &path);
// Reads g_CsvFileName into the table.
void LoadCuttingConditions();

void ResetCuttingConditions();

}  // namespace brennvik
