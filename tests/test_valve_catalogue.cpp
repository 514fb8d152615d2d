// The fixed valve catalogue: types, sizes, flow diameters, set pressures, the
// certified coefficients and the catalogue cards.

#include "QStringPrinter.h"
#include "calc/Obliczenia.h"
#include "data/Convert.h"
#include "valves/Catalogue.h"

#include <gtest/gtest.h>

#include <QStringList>

#include <cmath>

namespace {

using Catalogue::Types;

const char* const kSV70 = "SV20.N w centrum bezpieczeństwa SC70";

TEST(Catalogue, EightTypesInListOrder) {
    const QStringList expected = {"SV10",
                                  "SV20",
                                  "SV30",
                                  "SV20.N",
                                  "SV20.N w Tandor 40DN15",
                                  "SV20.N w Tandor 40DN20",
                                  "SV20.N w Tandor 50DN20",
                                  QString::fromUtf8(kSV70)};
    QStringList texts;
    for (const Catalogue::Type& type : Types())
        texts << type.text;
    EXPECT_EQ(texts, expected);
}

struct TypeCase {
    const char* text;
    QStringList sizes;
    QStringList diameters;
    QStringList setPressures;
    int cardIndex;
};

class CatalogueType : public ::testing::TestWithParam<TypeCase> {};

TEST_P(CatalogueType, SizesDiametersPressuresAndCard) {
    const TypeCase& c = GetParam();
    const Catalogue::Type* type = Catalogue::FindType(QString::fromUtf8(c.text));
    ASSERT_NE(type, nullptr);
    QStringList sizes, diameters;
    for (const Catalogue::Size& size : type->sizes) {
        sizes << size.text;
        diameters << size.flowDiameterText;
        EXPECT_EQ(size.flowDiameter, Convert::ToDouble(size.flowDiameterText));
        EXPECT_EQ(size.alphas.size(), type->setPressures.size()) << size.text.toStdString();
    }
    EXPECT_EQ(sizes, c.sizes);
    EXPECT_EQ(diameters, c.diameters);
    EXPECT_EQ(QStringList(type->setPressureTexts.begin(), type->setPressureTexts.end()),
              c.setPressures);
    ASSERT_EQ(type->setPressures.size(), type->setPressureTexts.size());
    for (size_t i = 0; i < type->setPressures.size(); ++i) {
        // The data files are matched on the set pressure exactly: every list
        // value is a multiple of 0.5 and so exact in binary.
        EXPECT_EQ(type->setPressures[i], Convert::ToDouble(type->setPressureTexts[i]));
        EXPECT_EQ(type->setPressures[i] * 2, std::floor(type->setPressures[i] * 2));
    }
    EXPECT_EQ(type->cardIndex, c.cardIndex);
}

const QStringList kSixSizes = {"1/2\"", "3/4\"", "1\"", "1 1/4\"", "1 1/2\"", "2\""};
const QStringList kFamilyPressures = {"6.0", "8.0", "10.0"};

INSTANTIATE_TEST_SUITE_P(
    EveryType, CatalogueType,
    ::testing::Values(TypeCase{"SV10",
                               kSixSizes,
                               {"12", "14", "20", "27", "35", "42"},
                               {"1.5", "2.0", "2.5", "3.0", "3.5", "4.0", "4.5", "5.0", "5.5",
                                "6.0"},
                               0},
                      TypeCase{"SV20",
                               kSixSizes,
                               {"12", "14", "20", "27", "35", "42"},
                               {"4.0", "4.5", "5.0", "6.0", "7.0", "8.0", "10.0"},
                               1},
                      TypeCase{"SV30", {"1/2\"", "3/4\""}, {"12.2", "14"}, {"2.5", "3.0"}, 2},
                      TypeCase{"SV20.N", {"1/2\"", "3/4\""}, {"14", "14"}, kFamilyPressures, 3},
                      TypeCase{"SV20.N w Tandor 40DN15", {"1/2\""}, {"14"}, kFamilyPressures, 4},
                      TypeCase{"SV20.N w Tandor 40DN20", {"1/2\""}, {"14"}, kFamilyPressures, 4},
                      TypeCase{"SV20.N w Tandor 50DN20", {"1/2\""}, {"14"}, kFamilyPressures, 4},
                      TypeCase{kSV70, {"1/2\""}, {"14"}, kFamilyPressures, 5}));

// The manufacturer's coefficient tables as printed: one row per size, one cell
// "α / αc(10 %) / αc(25 %)" per set pressure, a dash where no 25 % value exists.
// Every cell of the catalogue is compared with them.
struct Table {
    const char* type;
    const char* rows;
};

const Table kTables[] = {
    {"SV10", R"(
1/2 | 0.38 / 0.25 / 0.37 | 0.38 / 0.25 / 0.37 | 0.54 / 0.31 / 0.48 | 0.42 / 0.27 / 0.38 | 0.38 / 0.25 / 0.37 | 0.38 / 0.25 / 0.37 | 0.38 / 0.25 / 0.37 | 0.38 / 0.45 / 0.48 | 0.63 / 0.27 / 0.36 | 0.67 / 0.33 / 0.38
3/4 | 0.55 / 0.20 / 0.40 | 0.55 / 0.20 / 0.40 | 0.55 / 0.32 / 0.49 | 0.57 / 0.36 / 0.48 | 0.55 / 0.20 / 0.40 | 0.55 / 0.20 / 0.40 | 0.55 / 0.20 / 0.40 | 0.55 / 0.47 / 0.51 | 0.68 / 0.42 / 0.50 | 0.55 / 0.20 / 0.40
1 | 0.54 / 0.30 / 0.36 | 0.54 / 0.30 / 0.36 | 0.61 / 0.41 / 0.51 | 0.67 / 0.40 / 0.52 | 0.54 / 0.30 / 0.36 | 0.54 / 0.30 / 0.36 | 0.54 / 0.30 / 0.36 | 0.64 / 0.41 / 0.48 | 0.66 / 0.40 / 0.50 | 0.61 / 0.43 / 0.47
1 1/4 | 0.48 / 0.25 / 0.32 | 0.48 / 0.25 / 0.32 | 0.51 / 0.35 / 0.42 | 0.51 / 0.36 / 0.47 | 0.48 / 0.25 / 0.32 | 0.48 / 0.25 / 0.32 | 0.48 / 0.25 / 0.32 | 0.48 / 0.36 / 0.39 | 0.48 / 0.32 / 0.35 | 0.48 / 0.30 / 0.31
1 1/2 | 0.26 / 0.20 / 0.25 | 0.26 / 0.20 / 0.25 | 0.70 / 0.45 / 0.57 | 0.70 / 0.51 / 0.59 | 0.53 / 0.20 / 0.25 | 0.53 / 0.20 / 0.25 | 0.53 / 0.20 / 0.25 | 0.53 / 0.26 / 0.51 | 0.70 / 0.20 / 0.30 | 0.53 / 0.35 / –
2 | 0.47 / 0.20 / 0.32 | 0.47 / 0.20 / 0.32 | 0.54 / 0.28 / – | 0.54 / 0.21 / – | 0.47 / 0.20 / 0.32 | 0.40 / 0.21 / 0.32 | 0.47 / 0.28 / 0.32 | 0.47 / 0.28 / 0.33 | 0.63 / 0.30 / – | 0.55 / 0.30 / –
)"},
    {"SV20", R"(
1/2 | 0.38 / 0.25 / 0.37 | 0.38 / 0.25 / 0.37 | 0.38 / 0.25 / 0.48 | 0.38 / 0.25 / – | 0.38 / 0.25 / – | 0.38 / 0.25 / – | 0.38 / 0.25 / –
3/4 | 0.55 / 0.20 / – | 0.55 / 0.20 / – | 0.55 / 0.20 / 0.51 | 0.55 / 0.20 / – | 0.55 / 0.20 / – | 0.55 / 0.20 / – | 0.55 / 0.20 / –
1 | 0.54 / 0.30 / – | 0.54 / 0.30 / – | 0.54 / 0.30 / 0.26 | 0.54 / 0.30 / – | 0.54 / 0.30 / – | 0.54 / 0.30 / – | 0.54 / 0.30 / –
1 1/4 | 0.48 / 0.25 / – | 0.48 / 0.25 / – | 0.48 / 0.25 / 0.39 | 0.48 / 0.25 / – | 0.48 / 0.25 / – | 0.48 / 0.25 / – | 0.48 / 0.25 / –
1 1/2 | 0.53 / 0.20 / – | 0.53 / 0.20 / – | 0.53 / 0.20 / 0.51 | 0.53 / 0.35 / – | 0.53 / 0.35 / – | 0.53 / 0.35 / – | 0.53 / 0.35 / –
2 | 0.55 / 0.20 / – | 0.55 / 0.20 / – | 0.55 / 0.20 / 0.33 | 0.55 / 0.30 / – | 0.55 / 0.30 / – | 0.55 / 0.30 / – | 0.55 / 0.30 / –
)"},
    {"SV30", R"(
1/2 | 0.34 / 0.23 / – | 0.36 / 0.23 / –
3/4 | 0.36 / 0.20 / – | 0.48 / 0.24 / –
)"},
    {"SV20.N", R"(
1/2 | 0.29 / 0.23 / – | 0.29 / 0.23 / – | 0.29 / 0.23 / –
3/4 | 0.55 / 0.20 / – | 0.55 / 0.20 / – | 0.55 / 0.20 / –
)"},
    {"SV20.N w Tandor 40DN15", "1/2 | 0.26 / 0.20 / – | 0.26 / 0.20 / – | 0.26 / 0.20 / –"},
    {"SV20.N w Tandor 40DN20", "1/2 | 0.27 / 0.21 / – | 0.27 / 0.21 / – | 0.27 / 0.21 / –"},
    {"SV20.N w Tandor 50DN20", "1/2 | 0.27 / 0.21 / – | 0.27 / 0.21 / – | 0.27 / 0.21 / –"},
    {kSV70, "1/2 | 0.28 / 0.22 / – | 0.28 / 0.22 / – | 0.28 / 0.22 / –"},
};

double TableValue(const QString& cell) {
    return cell == QStringLiteral("–") ? 0.0 : cell.toDouble();
}

TEST(Catalogue, EveryCoefficientAsInTheManufacturersTables) {
    int cells = 0;
    for (const Table& table : kTables) {
        const Catalogue::Type* type = Catalogue::FindType(QString::fromUtf8(table.type));
        ASSERT_NE(type, nullptr) << table.type;
        const QStringList rows =
            QString::fromUtf8(table.rows).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        ASSERT_EQ(static_cast<size_t>(rows.size()), type->sizes.size()) << table.type;
        for (int r = 0; r < rows.size(); ++r) {
            const QStringList columns = rows[r].split(QStringLiteral(" | "));
            const Catalogue::Size& size = type->sizes[static_cast<size_t>(r)];
            EXPECT_EQ(columns[0] + QLatin1Char('"'), size.text);
            ASSERT_EQ(static_cast<size_t>(columns.size() - 1), size.alphas.size());
            for (int p = 1; p < columns.size(); ++p) {
                const QStringList cell = columns[p].split(QStringLiteral(" / "));
                ASSERT_EQ(cell.size(), 3);
                const Catalogue::Alphas& a = size.alphas[static_cast<size_t>(p - 1)];
                const std::string where = std::string(table.type) + " " + size.text.toStdString() +
                                          " " + type->setPressureTexts[p - 1].toStdString();
                // Held with exactly the two-decimal values of the tables.
                EXPECT_EQ(a.gas, TableValue(cell[0])) << where;
                EXPECT_EQ(a.liquid10, TableValue(cell[1])) << where;
                EXPECT_EQ(a.liquid25, TableValue(cell[2])) << where;
                ++cells;
            }
        }
    }
    EXPECT_EQ(cells, 60 + 42 + 4 + 6 + 3 * 4);
}

struct CardCase {
    const char* text;
    std::optional<int> card;
};

class CardIndex : public ::testing::TestWithParam<CardCase> {};

TEST_P(CardIndex, ByExactText) {
    EXPECT_EQ(Catalogue::CardIndexOf(QString::fromUtf8(GetParam().text)), GetParam().card)
        << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    TypeTexts, CardIndex,
    ::testing::Values(CardCase{"SV10", 0}, CardCase{"SV20", 1}, CardCase{"SV30", 2},
                      CardCase{"SV20.N", 3}, CardCase{"SV20.N w Tandor 40DN15", 4},
                      CardCase{"SV20.N w Tandor 40DN20", 4}, CardCase{"SV20.N w Tandor 50DN20", 4},
                      CardCase{kSV70, 5},
                      // anything else leaves the card as it was
                      CardCase{"", std::nullopt}, CardCase{"sv10", std::nullopt},
                      CardCase{" SV10", std::nullopt}, CardCase{"SV10 ", std::nullopt},
                      CardCase{"SV20.N w Tandor", std::nullopt}, CardCase{"SV40", std::nullopt},
                      CardCase{"SV20.N w centrum bezpieczenstwa SC70", std::nullopt}));

TEST(Catalogue, CardFiles) {
    ASSERT_EQ(Catalogue::CardCount(), 6);
    const QStringList files = {
        "karta_SV10_zawor_bezp_102k11.pdf",         "karta_SV20_zawor_bezp_102k11.pdf",
        "karta_SV30new_armatura_zabezp_072k11.pdf", "karta_SV20N_zawor_bezp_082k5.pdf",
        "karta_40_50_zesp_bezp_092k8.pdf",          "karta_SC70_centrum_bezp_012k8.pdf"};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(Catalogue::CardFile(i), files[i]);
    EXPECT_EQ(Catalogue::CardFile(-1), QString());
    EXPECT_EQ(Catalogue::CardFile(6), QString());
}

TEST(Catalogue, FlowArea) {
    EXPECT_NEAR(Obliczenia::FlowArea(12), 113.097336, 1e-6);
    EXPECT_EQ(Convert::FixedText(Obliczenia::FlowArea(12), 2, 1), "113.1");
    EXPECT_EQ(Convert::FixedText(Obliczenia::FlowArea(14), 2, 1), "153.9");
    EXPECT_EQ(Convert::FixedText(Obliczenia::FlowArea(12.2), 2, 1), "116.9");
    EXPECT_EQ(Obliczenia::FlowArea(0), 0.0);
}

TEST(Catalogue, FindTypeIsExact) {
    EXPECT_EQ(Catalogue::FindType(QStringLiteral("SV20.N")), &Types()[3]);
    EXPECT_EQ(Catalogue::FindType(QString()), nullptr);
    EXPECT_EQ(Catalogue::FindType(QStringLiteral("SV20.N ")), nullptr);
}

} // namespace
