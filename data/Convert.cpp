#include "data/Convert.h"

#include <QLocale>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>
#include <system_error>

namespace Convert {

namespace {

bool IsDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// A non-negative finite number as decimal digits with the point after `intDigits`
// of them, rounded to `decimals` places from its 15 significant digits.
struct Decimal {
    bool negative = false;
    std::string intPart;  // at least one digit, no leading zeros beyond one
    std::string fraction; // exactly `decimals` digits
};

Decimal RoundDecimal(double value, int decimals) {
    Decimal out;
    out.negative = std::signbit(value);
    // 15 significant digits: d.dddddddddddddde±x
    char sci[32];
    const auto res = std::to_chars(sci, sci + sizeof sci - 1, std::fabs(value),
                                   std::chars_format::scientific, 14);
    *res.ptr = '\0';
    char* e = std::find(sci, res.ptr, 'e');
    int exponent = 0;
    std::from_chars(e[1] == '+' ? e + 2 : e + 1, res.ptr, exponent);
    char digits[15];
    digits[0] = sci[0];
    std::copy(sci + 2, e, digits + 1);
    // The largest doubles round above the largest double, where the text would
    // no longer read back: they are cut to 15 digits instead.
    if (exponent >= 308 && std::isinf(std::strtod(sci, nullptr)))
        for (int d = 14; d >= 0; --d) {
            if (digits[d] != '0') {
                --digits[d];
                break;
            }
            digits[d] = '9';
        }

    // Place the point: value = 0…0 digits 0…0 with `zeros` leading zeros and
    // the point after `point` of them.
    int point = exponent + 1;
    int zeros = 0;
    if (point < 1) {
        zeros = 1 - point;
        point = 1;
    }
    const auto digitAt = [&](int i) {
        return i < zeros || i - zeros >= 15 ? '0' : digits[i - zeros];
    };

    // Half away from zero on the decimal digits.
    const int keep = point + decimals;
    std::string kept(static_cast<size_t>(keep), '0');
    for (int i = 0; i < keep; ++i)
        kept[static_cast<size_t>(i)] = digitAt(i);
    if (digitAt(keep) >= '5') {
        int i = keep - 1;
        for (; i >= 0; --i) {
            if (kept[static_cast<size_t>(i)] == '9') {
                kept[static_cast<size_t>(i)] = '0';
            } else {
                ++kept[static_cast<size_t>(i)];
                break;
            }
        }
        if (i < 0) {
            kept.insert(0, 1, '1');
            ++point;
        }
    }
    int first = 0; // no leading zeros beyond one
    while (first + 1 < point && kept[static_cast<size_t>(first)] == '0')
        ++first;
    out.intPart.assign(kept, static_cast<size_t>(first), static_cast<size_t>(point - first));
    out.fraction.assign(kept, static_cast<size_t>(point), std::string::npos);
    if (out.intPart == "0" && out.fraction.find_first_not_of('0') == std::string::npos)
        out.negative = false; // no "-0.00"
    return out;
}

QString NonFiniteText(double value) {
    if (std::isnan(value))
        return QStringLiteral("NAN");
    return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
}

} // namespace

int Val(const QString& text, double& value) {
    value = 0;
    const int n = static_cast<int>(text.size());
    int i = 0;
    while (i < n && text[i] == QLatin1Char(' '))
        ++i;
    const int start = i;
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
        ++i;
    const int mantissaStart = i;
    int mantissaDigits = 0;
    while (i < n && IsDigit(text[i])) {
        ++i;
        ++mantissaDigits;
    }
    if (i < n && text[i] == QLatin1Char('.')) {
        ++i;
        while (i < n && IsDigit(text[i])) {
            ++i;
            ++mantissaDigits;
        }
    }
    if (mantissaDigits == 0)
        return mantissaStart + 1;
    if (i < n && (text[i] == QLatin1Char('e') || text[i] == QLatin1Char('E'))) {
        const int exponentAt = i;
        ++i;
        if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
            ++i;
        int exponentDigits = 0;
        while (i < n && IsDigit(text[i])) {
            ++i;
            ++exponentDigits;
        }
        if (exponentDigits == 0)
            return exponentAt + 1;
    }
    if (i < n)
        return i + 1;

    // The text is well formed and pure ASCII: convert it exactly, without the locale.
    std::string ascii;
    ascii.reserve(static_cast<size_t>(n - start));
    for (int k = text[start] == QLatin1Char('+') ? start + 1 : start; k < n; ++k)
        ascii += static_cast<char>(text[k].unicode());
    double parsed = 0;
    const auto res = std::from_chars(ascii.data(), ascii.data() + ascii.size(), parsed);
    if (res.ec == std::errc::result_out_of_range) {
        // Too small to represent is zero; too large is not a number.
        const auto e = ascii.find_first_of("eE");
        if (e != std::string::npos && ascii.find('-', e) != std::string::npos)
            return 0;
        return n + 1;
    }
    if (res.ec != std::errc())
        return start + 1;
    value = parsed;
    return 0;
}

double ToDouble(const QString& text) {
    double value = 0;
    Val(text, value);
    return value;
}

QString FixedText(double value, int width, int decimals) {
    if (!std::isfinite(value)) {
        QString text = NonFiniteText(value);
        if (text.size() < width)
            text.prepend(QString(width - text.size(), QLatin1Char(' ')));
        return text;
    }
    const Decimal d = RoundDecimal(value, decimals);
    const qsizetype length = (d.negative ? 1 : 0) + static_cast<qsizetype>(d.intPart.size()) +
                             (decimals > 0 ? 1 + static_cast<qsizetype>(d.fraction.size()) : 0);
    QString text;
    text.reserve(std::max<qsizetype>(length, width));
    if (length < width)
        text.fill(QLatin1Char(' '), width - length);
    if (d.negative)
        text += QLatin1Char('-');
    text += QLatin1String(d.intPart.data(), static_cast<qsizetype>(d.intPart.size()));
    if (decimals > 0) {
        text += QLatin1Char('.');
        text += QLatin1String(d.fraction.data(), static_cast<qsizetype>(d.fraction.size()));
    }
    return text;
}

QString ResultText(double value, QChar decimalSeparator, int decimals) {
    if (!std::isfinite(value))
        return NonFiniteText(value);
    const Decimal d = RoundDecimal(value, decimals);

    // The integer part of "# ### ##0", filled from the right; the pattern's
    // blanks are literals and always written, and digits beyond the pattern's
    // places go in front of its first place.
    static constexpr char pattern[] = "# ### ##0";
    std::string reversed;
    int digit = static_cast<int>(d.intPart.size()) - 1;
    for (int p = static_cast<int>(sizeof pattern) - 2; p >= 0; --p) {
        const char c = pattern[p];
        if (c == ' ') {
            reversed += c;
            continue;
        }
        if (p == 0) {
            while (digit >= 0)
                reversed += d.intPart[static_cast<size_t>(digit--)];
        } else if (digit >= 0) {
            reversed += d.intPart[static_cast<size_t>(digit--)];
        } else if (c == '0') {
            reversed += '0';
        }
    }
    if (d.negative)
        reversed += '-';
    QString out;
    out.reserve(static_cast<qsizetype>(reversed.size() + d.fraction.size()) + 1);
    for (auto c = reversed.rbegin(); c != reversed.rend(); ++c)
        out += QLatin1Char(*c);
    out += decimalSeparator;
    out += QLatin1String(d.fraction.data(), static_cast<qsizetype>(d.fraction.size()));
    return out;
}

QString ResultText(double value) {
    return ResultTextWithDecimals(value, 1);
}

QString ResultTextWithDecimals(double value, int decimals) {
    const QString separator = QLocale::system().decimalPoint();
    return ResultText(value, separator.isEmpty() ? QLatin1Char('.') : separator.front(), decimals);
}

int ScaleToPixels(double tenthsOfMm, int pixelsPerInch) {
    return static_cast<int>(std::nearbyint(tenthsOfMm / 254.0 * pixelsPerInch));
}

} // namespace Convert
