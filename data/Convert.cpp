#include "data/Convert.h"

#include <QLocale>

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
    char buf[40];
    auto res =
        std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific, 14);
    std::string sci(buf, res.ptr);
    const auto ePos = sci.find('e');
    std::string digits = sci.substr(0, 1) + sci.substr(2, ePos - 2);
    // The largest doubles round above the largest double, where the text would
    // no longer read back: they are cut to 15 digits instead.
    if (std::isinf(std::strtod(sci.c_str(), nullptr)))
        for (auto d = digits.rbegin(); d != digits.rend(); ++d) {
            if (*d != '0') {
                --*d;
                break;
            }
            *d = '9';
        }
    const int exponent = std::stoi(sci.substr(ePos + 1));

    // Place the point: value = digits[0, point) . digits[point, ...)
    int point = exponent + 1;
    if (point < 1) {
        digits.insert(0, static_cast<size_t>(1 - point), '0');
        point = 1;
    }
    const size_t needed = static_cast<size_t>(point + decimals + 1);
    if (digits.size() < needed)
        digits.append(needed - digits.size(), '0');

    // Half away from zero on the decimal digits.
    const size_t keep = static_cast<size_t>(point + decimals);
    std::string kept = digits.substr(0, keep);
    if (digits[keep] >= '5') {
        int i = static_cast<int>(keep) - 1;
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
    out.intPart = kept.substr(0, static_cast<size_t>(point));
    out.fraction = kept.substr(static_cast<size_t>(point));
    const auto firstNonZero = out.intPart.find_first_not_of('0');
    out.intPart = firstNonZero == std::string::npos ? "0" : out.intPart.substr(firstNonZero);
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
    std::string ascii = text.mid(start).toStdString();
    if (ascii[0] == '+')
        ascii.erase(0, 1);
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
    QString text;
    if (!std::isfinite(value)) {
        text = NonFiniteText(value);
    } else {
        const Decimal d = RoundDecimal(value, decimals);
        std::string s = d.negative ? "-" : "";
        s += d.intPart;
        if (decimals > 0)
            s += "." + d.fraction;
        text = QString::fromStdString(s);
    }
    if (text.size() < width)
        text.prepend(QString(width - text.size(), QLatin1Char(' ')));
    return text;
}

QString ResultText(double value, QChar decimalSeparator, int decimals) {
    if (!std::isfinite(value))
        return NonFiniteText(value);
    const Decimal d = RoundDecimal(value, decimals);

    // The integer part of "# ### ##0.0", filled from the right; the pattern's
    // blanks are literals and always written, and digits beyond the pattern's
    // places go in front of its first place.
    static const QString pattern = QStringLiteral("# ### ##0");
    QString out;
    int digit = static_cast<int>(d.intPart.size()) - 1;
    for (int p = static_cast<int>(pattern.size()) - 1; p >= 0; --p) {
        const QChar c = pattern[p];
        if (c == QLatin1Char(' ')) {
            out.prepend(c);
            continue;
        }
        if (p == 0) {
            while (digit >= 0)
                out.prepend(QLatin1Char(d.intPart[static_cast<size_t>(digit--)]));
        } else if (digit >= 0) {
            out.prepend(QLatin1Char(d.intPart[static_cast<size_t>(digit--)]));
        } else if (c == QLatin1Char('0')) {
            out.prepend(QLatin1Char('0'));
        }
    }
    if (d.negative)
        out.prepend(QLatin1Char('-'));
    out += decimalSeparator;
    out += QString::fromStdString(d.fraction);
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
