#pragma once
// The routines every generator and calculator writes NC text with.

#include <QString>
#include <cstdint>

namespace brennvik {

// An NC word value: floored to three decimals, "0" for zero, no leading
// blank, no trailing zeros. A variable passed in is left holding the floored
// value; a temporary is formatted as it is.
QString FormatNcNumber(double &value);
QString FormatNcNumber(float &value);
QString FormatNcNumber(double &&value);
QString FormatNcNumber(float &&value);
QString FormatNcNumber(const double &value) = delete;
QString FormatNcNumber(const float &value) = delete;
QString FormatNcNumber(int value);
// A numeric text; error 13 when it is no number (an empty text is 0).
QString FormatNcNumber(const QString &value);

// A tool or offset number with at least two digits; the sign is dropped.
QString FormatTwoDigits(double &value);
QString FormatTwoDigits(float &value);
QString FormatTwoDigits(double &&value);
QString FormatTwoDigits(float &&value);
QString FormatTwoDigits(const double &value) = delete;
QString FormatTwoDigits(const float &value) = delete;
QString FormatTwoDigits(int value);
QString FormatTwoDigits(const QString &value);

// Replaces the selection of the focused pane of the current document; does
// nothing when no document has been opened yet. Error 91 when the current
// slot holds no open document.
void InsertAtCaret(const QString &text);

// Reports a trapped run-time error by its number; 0 shows nothing.
void ShowErrorMessage(int errorNumber);

// The message ShowErrorMessage shows for an error number.
QString ErrorMessageText(int errorNumber);

}  // namespace brennvik
