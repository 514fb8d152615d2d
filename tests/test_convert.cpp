// Number texts: the decimal conversion, fixed-point texts, the result format and
// the scaling of report lengths.

#include "QStringPrinter.h"
#include "data/Convert.h"

#include <gtest/gtest.h>

#include <QLocale>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <limits>

namespace {

struct ValCase {
    const char* text;
    int code;
    double value;
};

class DecimalConversion : public ::testing::TestWithParam<ValCase> {};

TEST_P(DecimalConversion, CodeAndValue) {
    const ValCase c = GetParam();
    double value = -1;
    EXPECT_EQ(Convert::Val(QString::fromUtf8(c.text), value), c.code) << c.text;
    EXPECT_DOUBLE_EQ(value, c.value) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, DecimalConversion,
    ::testing::Values(
        // whole numbers
        ValCase{"0", 0, 0.0}, ValCase{"10", 0, 10.0}, ValCase{"1.5", 0, 1.5}, ValCase{".5", 0, 0.5},
        ValCase{"5.", 0, 5.0}, ValCase{"  12.25", 0, 12.25}, ValCase{"-3.5", 0, -3.5},
        ValCase{"+2", 0, 2.0}, ValCase{"1e3", 0, 1000.0}, ValCase{"1.5E-2", 0, 0.015},
        ValCase{"2e+1", 0, 20.0}, ValCase{"0.1", 0, 0.1}, ValCase{"1e-400", 0, 0.0},
        // malformed: the 1-based position of the first character that does not fit, value 0
        ValCase{"", 1, 0.0}, ValCase{".", 1, 0.0}, ValCase{"1.2.3", 4, 0.0},
        ValCase{"12..", 4, 0.0}, ValCase{"1,5", 2, 0.0}, ValCase{"1.5 ", 4, 0.0},
        ValCase{"-", 2, 0.0}, ValCase{"  .", 3, 0.0}, ValCase{"1e", 2, 0.0}, ValCase{"1e+", 2, 0.0},
        ValCase{"abc", 1, 0.0}, ValCase{"5a", 2, 0.0}, ValCase{"1e999", 6, 0.0}));

TEST(DecimalConversion, ToDoubleGivesZeroForEmptyAndBadTexts) {
    EXPECT_EQ(Convert::ToDouble(""), 0.0);
    EXPECT_EQ(Convert::ToDouble("1.2.3"), 0.0);
    EXPECT_EQ(Convert::ToDouble("7.25"), 7.25);
}

struct FixedCase {
    double value;
    int width;
    int decimals;
    const char* text;
};

class FixedPointText : public ::testing::TestWithParam<FixedCase> {};

TEST_P(FixedPointText, RoundsAndPads) {
    const FixedCase c = GetParam();
    EXPECT_EQ(Convert::FixedText(c.value, c.width, c.decimals), QString::fromUtf8(c.text))
        << c.value;
}

INSTANTIATE_TEST_SUITE_P(
    Values, FixedPointText,
    ::testing::Values(FixedCase{0, 4, 1, " 0.0"}, FixedCase{10, 4, 1, "10.0"},
                      FixedCase{123.45, 4, 1, "123.5"}, FixedCase{0, 4, 2, "0.00"},
                      FixedCase{2.5, 4, 2, "2.50"}, FixedCase{0, 2, 2, "0.00"},
                      FixedCase{5.5, 2, 2, "5.50"}, FixedCase{11, 2, 2, "11.00"},
                      FixedCase{1.0, 6, 2, "  1.00"},
                      // as a person reads the number, not as the binary value lies
                      FixedCase{2.5 * 1.25, 4, 2, "3.13"}, FixedCase{1.5 * 1.15, 4, 2, "1.73"},
                      FixedCase{20 + 273.15, 4, 1, "293.2"}, FixedCase{0.125, 4, 2, "0.13"},
                      FixedCase{-0.125, 4, 2, "-0.13"}, FixedCase{9.995, 4, 2, "10.00"},
                      FixedCase{99.96, 4, 1, "100.0"}, FixedCase{-0.001, 4, 2, "0.00"},
                      FixedCase{1234567.891, 4, 2, "1234567.89"},
                      FixedCase{1e20, 4, 1, "100000000000000000000.0"},
                      FixedCase{0.000001, 4, 2, "0.00"}, FixedCase{7, 4, 0, "   7"}));

TEST(FixedPointText, NonFiniteValuesAreReadable) {
    EXPECT_EQ(Convert::FixedText(std::numeric_limits<double>::quiet_NaN(), 4, 2), " NAN");
    EXPECT_EQ(Convert::FixedText(std::numeric_limits<double>::infinity(), 6, 2), "   INF");
    EXPECT_EQ(Convert::FixedText(-std::numeric_limits<double>::infinity(), 4, 2), "-INF");
}

// A fixed text always reads back, the largest doubles too: their 15 digits
// rounded up would lie above the largest double, so they are cut instead.
TEST(FixedPointText, TheLargestDoublesReadBack) {
    const double max = std::numeric_limits<double>::max();
    for (const double value : {max, -max, std::nextafter(max, 0.0), 1.79769313486231e308, max / 2,
                               1e308, 9.99999999999999e307}) {
        for (int decimals = 0; decimals <= 2; ++decimals) {
            const QString text = Convert::FixedText(value, 4, decimals);
            double back = 0;
            ASSERT_EQ(Convert::Val(text, back), 0) << value << " with " << decimals;
            EXPECT_NEAR(back, value, std::fabs(value) * 1e-14) << value << " with " << decimals;
        }
    }
    EXPECT_TRUE(Convert::FixedText(max, 4, 0).startsWith(QStringLiteral("179769313486231000")));
}

struct ResultCase {
    double value;
    const char* text;
};

class ResultFormat : public ::testing::TestWithParam<ResultCase> {};

TEST_P(ResultFormat, PatternBlanksAlwaysWritten) {
    const ResultCase c = GetParam();
    EXPECT_EQ(Convert::ResultText(c.value, QLatin1Char('.')), QString::fromUtf8(c.text)) << c.value;
}

INSTANTIATE_TEST_SUITE_P(
    Values, ResultFormat,
    ::testing::Values(ResultCase{0, "  0.0"}, ResultCase{12.34, "  12.3"},
                      ResultCase{1234.56, " 1 234.6"}, ResultCase{1234567, "1 234 567.0"},
                      ResultCase{999.95, " 1 000.0"}, ResultCase{123456.7, " 123 456.7"},
                      ResultCase{12345678.9, "12 345 678.9"}, ResultCase{0.05, "  0.1"},
                      ResultCase{1.5 * 1.15 * 100, "  172.5"}, ResultCase{-12.34, "-  12.3"}));

TEST(ResultFormat, UsesTheGivenDecimalSeparator) {
    EXPECT_EQ(Convert::ResultText(12.34, QLatin1Char(',')), "  12,3");
    EXPECT_EQ(Convert::ResultText(1234567, QLatin1Char(',')), "1 234 567,0");
}

TEST(ResultFormat, TakesTheSeparatorOfTheSystemLocale) {
    // The tests run with LC_ALL=C.UTF-8: a point.
    const QChar expected = QLocale::system().decimalPoint().front();
    EXPECT_EQ(Convert::ResultText(12.34), QStringLiteral("  12") + expected + QStringLiteral("3"));
}

TEST(Scaling, TenthsOfMillimetreToPixels) {
    EXPECT_EQ(Convert::ScaleToPixels(254, 96), 96);
    EXPECT_EQ(Convert::ScaleToPixels(2000, 96), 756);
    EXPECT_EQ(Convert::ScaleToPixels(0, 96), 0);
    EXPECT_EQ(Convert::ScaleToPixels(254, 120), 120);
    // halves to even
    EXPECT_EQ(Convert::ScaleToPixels(1.5, 254), 2);
    EXPECT_EQ(Convert::ScaleToPixels(2.5, 254), 2);
    EXPECT_EQ(Convert::ScaleToPixels(3.5, 254), 4);
}

// Run by ctest a second time under LC_ALL=pl_PL.UTF-8: a Polish process locale
// (as QApplication sets it from the environment) changes neither the
// conversion nor the fixed-point texts, and the result format takes its comma.
TEST(PolishLocale, CoreIgnoresTheProcessLocale) {
    if (QLocale::system().name() != QStringLiteral("pl_PL"))
        GTEST_SKIP() << "run by the convert_polish_locale test";
    ASSERT_NE(std::setlocale(LC_ALL, ""), nullptr) << "locale pl_PL.UTF-8 is not installed";
    char printed[16];
    std::snprintf(printed, sizeof printed, "%.2f", 1.5);
    ASSERT_STREQ(printed, "1,50") << "the process locale is not Polish";

    double value = 0;
    EXPECT_EQ(Convert::Val("1.5", value), 0);
    EXPECT_EQ(value, 1.5);
    EXPECT_EQ(Convert::Val("1,5", value), 2);
    EXPECT_EQ(Convert::FixedText(2.5, 4, 2), "2.50");
    EXPECT_EQ(Convert::ResultText(1234.56), " 1 234,6");
    std::setlocale(LC_ALL, "C");
}

} // namespace
