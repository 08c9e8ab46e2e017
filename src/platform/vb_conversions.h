#pragma once

#include "platform/variant.h"

#include <QString>
#include <cstdint>
#include <optional>

// The platform's text and number conversions that the console relies on, in one place.
namespace zrk::vb {

// Text to Boolean: "true"/"false" in any letter case, or a number (non-zero is true).
// Anything else raises Type mismatch (13).
bool textToBool(const QString& text);

// A number from text as CDbl reads it: blanks around it, a sign, digits with thousands
// separators, a decimal point, an exponent, or &H / &O prefixed integers. None when it is no number.
std::optional<double> parseNumber(const QString& text);

// Rounds half to even, as CInt and CLng do.
double roundHalfEven(double value);

// CInt and CLng: round half to even, Overflow (6) outside the type's range.
std::int16_t cint(const Variant& value);
std::int32_t clng(const Variant& value);

// Val: the longest numeric prefix of the text, blanks inside ignored; "" or no digits gives 0.
double val(const QString& text);

// IsNumeric: numbers, Booleans, Empty and text that reads as a number.
bool isNumeric(const Variant& value);

// Format for the number patterns the console uses: "#,##0.00", "0.00", "#,##0", "0".
// Rounds half away from zero on the decimal value, as the platform's Format does.
QString format(double value, const QString& pattern);

// A Null, an Empty or an empty text gives "" (or the default when one is given); anything else
// gives the value itself.
Variant nullToText(const Variant& value);
Variant nullToText(const Variant& value, const Variant& defaultValue);

} // namespace zrk::vb
