// The decimal conversion of the fields and the number texts of the windows and
// reports, on any text. What must hold:
//  - Val's code is 0 or a position within the text (one past its end at most),
//    and a refused text leaves the value 0;
//  - a text Val accepts gives a finite value;
//  - the fixed-point text of an accepted value (or of any finite double made
//    of the input's first eight bytes) reads back through Val, close to the
//    value as its decimals allow;
//  - no number text of a finite value reads "nan" or "inf".

#include "FuzzCheck.h"

#include "data/Convert.h"

#include <cmath>
#include <cstring>

namespace {

// The fixed texts of `value` with 0 to 4 decimals read back within half a unit
// of their last place, or 15 significant digits, whichever is coarser.
void CheckFixedTexts(double value) {
    for (int decimals = 0; decimals <= 4; ++decimals) {
        const QString text = Convert::FixedText(value, 4, decimals);
        double back = 0;
        FUZZ_CHECK(Convert::Val(text, back) == 0, "a fixed text reads back");
        FUZZ_CHECK(std::isfinite(back), "a fixed text reads back finite");
        const double tolerance =
            0.5 * std::pow(10.0, -decimals) * (1 + 1e-9) + std::fabs(value) * 1e-14;
        FUZZ_CHECK(std::fabs(back - value) <= tolerance, "a fixed text is the value rounded");
        FUZZ_CHECK(text.size() >= 4, "a fixed text is padded to its width");
    }
    const QString result = Convert::ResultText(value, QLatin1Char('.'));
    FUZZ_CHECK(!result.contains(QLatin1String("NAN")) && !result.contains(QLatin1String("INF")),
               "the result format of a finite value is a number");
    QString digits = result;
    digits.remove(QLatin1Char(' '));
    double back = 0;
    FUZZ_CHECK(Convert::Val(digits, back) == 0, "the result format reads back without blanks");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    double value = -1;
    const int code = Convert::Val(text, value);
    FUZZ_CHECK(code >= 0 && code <= text.size() + 1, "the code is a position in the text");
    if (code != 0) {
        FUZZ_CHECK(value == 0, "a refused text gives 0");
        FUZZ_CHECK(Convert::ToDouble(text) == 0, "ToDouble of a refused text is 0");
    } else {
        FUZZ_CHECK(std::isfinite(value), "an accepted text is a finite number");
        FUZZ_CHECK(Convert::ToDouble(text) == value, "ToDouble is Val's value");
        CheckFixedTexts(value);
    }

    if (size >= sizeof(double)) {
        double raw;
        std::memcpy(&raw, data, sizeof raw);
        if (std::isfinite(raw))
            CheckFixedTexts(raw);
    }
    return 0;
}
