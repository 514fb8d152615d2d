#pragma once
// Number texts of the calculation windows and reports. Everything here is
// independent of the process locale: fields and reports always use a point, and
// only the result format takes the decimal separator of the system's regional
// settings.

#include <QChar>
#include <QString>

namespace Convert {

// Decimal conversion of a field text: leading blanks skipped, optional sign,
// digits with at most one point, optional exponent "E"/"e" with optional sign.
// Returns 0 when the whole text is a number; otherwise the 1-based position of
// the first character that does not fit (1 for an empty text), and value is 0.
int Val(const QString& text, double& value);

// The value of Val, dropping the code (an empty or bad text gives 0).
double ToDouble(const QString& text);

// Fixed-point text: value rounded to `decimals` places, padded with leading
// blanks to at least `width` characters, always with a point ("%w.df" without
// the process locale). Rounds as a person reads the number: the double taken to
// 15 significant digits, then half away from zero (1.5 × 1.15 gives "1.73").
QString FixedText(double value, int width, int decimals);

// Result format "# ### ##0.0": one decimal (or `decimals`, "# ### ##0.0000"),
// the integer part grouped in threes by the pattern's blanks, which are always
// written ("  12.3", "1 234 567.0").
QString ResultText(double value, QChar decimalSeparator, int decimals = 1);
// The same with the decimal separator of the system's regional settings.
QString ResultText(double value);
QString ResultTextWithDecimals(double value, int decimals);

// A length in tenths of a millimetre in screen pixels: Round(value / 254 × ppi),
// halves to even.
int ScaleToPixels(double tenthsOfMm, int pixelsPerInch);

} // namespace Convert
