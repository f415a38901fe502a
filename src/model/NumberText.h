#pragma once
// The one way numbers become text and text becomes numbers in this program:
// the plain form with its sign position, half-to-even rounding, the leading
// number of a text, and upper-case hexadecimal.

#include <QString>
#include <cstdint>
#include <optional>

namespace numtext {

// Plain number text with the sign position: " 12.5", "-.4", " .75".
// A float carries at most 7 significant digits, a double 15.
QString Str(float value);
QString Str(double value);
QString Str(long long value);
inline QString Str(int value) { return Str(static_cast<long long>(value)); }

// The same without the leading blank: "12.5", ".4", "-.4".
QString Plain(float value);
QString Plain(double value);
QString Plain(long long value);
inline QString Plain(int value) { return Plain(static_cast<long long>(value)); }

// Rounds to the given number of decimals, an exact half going to the even neighbour.
double Round(double value, int decimals = 0);

// Whole number nearest to value, halves to even, saturated to the 32-bit range.
int32_t RoundToInt(double value);

// The number at the start of a text; "&H" starts a hexadecimal number.
// Leading blanks are skipped; a text that starts with no number gives 0.
double Val(const QString& text);
// The same number, or none when the text does not start with one ("abc", "", "&H").
std::optional<double> LeadingNumber(const QString& text);

// The leading hexadecimal digits of a text, as "&H" followed by the text reads them:
// "48h" and "48" both give 0x48, "" gives 0. Never negative; saturates at INT32_MAX.
int32_t HexVal(const QString& text);

// Upper-case hexadecimal without leading zeros; negatives as 32-bit two's complement.
QString Hex(long long value);

}  // namespace numtext
