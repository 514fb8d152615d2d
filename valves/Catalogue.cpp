#include "valves/Catalogue.h"

#include "data/Convert.h"

#include <array>
#include <initializer_list>

namespace Catalogue {

namespace {

// A dash in the manufacturer's tables: no coefficient certified at 25 %.
constexpr double kNone = 0;

struct SizeRow {
    const char* size;     // without the inch sign
    const char* diameter; // d [mm]
    std::vector<Alphas> alphas;
};

Type MakeType(const QString& text, std::initializer_list<const char*> setPressures,
              std::initializer_list<SizeRow> sizes, int cardIndex) {
    Type type{text, {}, {}, {}, cardIndex};
    for (const char* p : setPressures) {
        type.setPressureTexts.push_back(QString::fromLatin1(p));
        type.setPressures.push_back(Convert::ToDouble(QString::fromLatin1(p)));
    }
    for (const SizeRow& row : sizes) {
        const QString diameter = QString::fromLatin1(row.diameter);
        type.sizes.push_back({QString::fromLatin1(row.size) + QLatin1Char('"'), diameter,
                              Convert::ToDouble(diameter), row.alphas});
    }
    return type;
}

// The certified coefficients of the manufacturer's type-test certificates, as
// α / αc(10 %) / αc(25 %) per size (rows) and set pressure (columns).
std::vector<Type> MakeTypes() {
    std::vector<Type> types;
    types.push_back(MakeType(QStringLiteral("SV10"),
                             {"1.5", "2.0", "2.5", "3.0", "3.5", "4.0", "4.5", "5.0", "5.5", "6.0"},
                             {
                                 {"1/2",
                                  "12",
                                  {{0.38, 0.25, 0.37},
                                   {0.38, 0.25, 0.37},
                                   {0.54, 0.31, 0.48},
                                   {0.42, 0.27, 0.38},
                                   {0.38, 0.25, 0.37},
                                   {0.38, 0.25, 0.37},
                                   {0.38, 0.25, 0.37},
                                   {0.38, 0.45, 0.48},
                                   {0.63, 0.27, 0.36},
                                   {0.67, 0.33, 0.38}}},
                                 {"3/4",
                                  "14",
                                  {{0.55, 0.20, 0.40},
                                   {0.55, 0.20, 0.40},
                                   {0.55, 0.32, 0.49},
                                   {0.57, 0.36, 0.48},
                                   {0.55, 0.20, 0.40},
                                   {0.55, 0.20, 0.40},
                                   {0.55, 0.20, 0.40},
                                   {0.55, 0.47, 0.51},
                                   {0.68, 0.42, 0.50},
                                   {0.55, 0.20, 0.40}}},
                                 {"1",
                                  "20",
                                  {{0.54, 0.30, 0.36},
                                   {0.54, 0.30, 0.36},
                                   {0.61, 0.41, 0.51},
                                   {0.67, 0.40, 0.52},
                                   {0.54, 0.30, 0.36},
                                   {0.54, 0.30, 0.36},
                                   {0.54, 0.30, 0.36},
                                   {0.64, 0.41, 0.48},
                                   {0.66, 0.40, 0.50},
                                   {0.61, 0.43, 0.47}}},
                                 {"1 1/4",
                                  "27",
                                  {{0.48, 0.25, 0.32},
                                   {0.48, 0.25, 0.32},
                                   {0.51, 0.35, 0.42},
                                   {0.51, 0.36, 0.47},
                                   {0.48, 0.25, 0.32},
                                   {0.48, 0.25, 0.32},
                                   {0.48, 0.25, 0.32},
                                   {0.48, 0.36, 0.39},
                                   {0.48, 0.32, 0.35},
                                   {0.48, 0.30, 0.31}}},
                                 {"1 1/2",
                                  "35",
                                  {{0.26, 0.20, 0.25},
                                   {0.26, 0.20, 0.25},
                                   {0.70, 0.45, 0.57},
                                   {0.70, 0.51, 0.59},
                                   {0.53, 0.20, 0.25},
                                   {0.53, 0.20, 0.25},
                                   {0.53, 0.20, 0.25},
                                   {0.53, 0.26, 0.51},
                                   {0.70, 0.20, 0.30},
                                   {0.53, 0.35, kNone}}},
                                 {"2",
                                  "42",
                                  {{0.47, 0.20, 0.32},
                                   {0.47, 0.20, 0.32},
                                   {0.54, 0.28, kNone},
                                   {0.54, 0.21, kNone},
                                   {0.47, 0.20, 0.32},
                                   {0.40, 0.21, 0.32},
                                   {0.47, 0.28, 0.32},
                                   {0.47, 0.28, 0.33},
                                   {0.63, 0.30, kNone},
                                   {0.55, 0.30, kNone}}},
                             },
                             0));
    types.push_back(MakeType(QStringLiteral("SV20"),
                             {"4.0", "4.5", "5.0", "6.0", "7.0", "8.0", "10.0"},
                             {
                                 {"1/2",
                                  "12",
                                  {{0.38, 0.25, 0.37},
                                   {0.38, 0.25, 0.37},
                                   {0.38, 0.25, 0.48},
                                   {0.38, 0.25, kNone},
                                   {0.38, 0.25, kNone},
                                   {0.38, 0.25, kNone},
                                   {0.38, 0.25, kNone}}},
                                 {"3/4",
                                  "14",
                                  {{0.55, 0.20, kNone},
                                   {0.55, 0.20, kNone},
                                   {0.55, 0.20, 0.51},
                                   {0.55, 0.20, kNone},
                                   {0.55, 0.20, kNone},
                                   {0.55, 0.20, kNone},
                                   {0.55, 0.20, kNone}}},
                                 {"1",
                                  "20",
                                  {{0.54, 0.30, kNone},
                                   {0.54, 0.30, kNone},
                                   {0.54, 0.30, 0.26},
                                   {0.54, 0.30, kNone},
                                   {0.54, 0.30, kNone},
                                   {0.54, 0.30, kNone},
                                   {0.54, 0.30, kNone}}},
                                 {"1 1/4",
                                  "27",
                                  {{0.48, 0.25, kNone},
                                   {0.48, 0.25, kNone},
                                   {0.48, 0.25, 0.39},
                                   {0.48, 0.25, kNone},
                                   {0.48, 0.25, kNone},
                                   {0.48, 0.25, kNone},
                                   {0.48, 0.25, kNone}}},
                                 {"1 1/2",
                                  "35",
                                  {{0.53, 0.20, kNone},
                                   {0.53, 0.20, kNone},
                                   {0.53, 0.20, 0.51},
                                   {0.53, 0.35, kNone},
                                   {0.53, 0.35, kNone},
                                   {0.53, 0.35, kNone},
                                   {0.53, 0.35, kNone}}},
                                 {"2",
                                  "42",
                                  {{0.55, 0.20, kNone},
                                   {0.55, 0.20, kNone},
                                   {0.55, 0.20, 0.33},
                                   {0.55, 0.30, kNone},
                                   {0.55, 0.30, kNone},
                                   {0.55, 0.30, kNone},
                                   {0.55, 0.30, kNone}}},
                             },
                             1));
    types.push_back(MakeType(QStringLiteral("SV30"), {"2.5", "3.0"},
                             {
                                 {"1/2", "12.2", {{0.34, 0.23, kNone}, {0.36, 0.23, kNone}}},
                                 {"3/4", "14", {{0.36, 0.20, kNone}, {0.48, 0.24, kNone}}},
                             },
                             2));
    // The SV20.N family is certified with the same coefficients at 6, 8 and 10 bar.
    const std::initializer_list<const char*> family = {"6.0", "8.0", "10.0"};
    auto same = [](Alphas a) { return std::vector<Alphas>{a, a, a}; };
    types.push_back(MakeType(
        QStringLiteral("SV20.N"), family,
        {{"1/2", "14", same({0.29, 0.23, kNone})}, {"3/4", "14", same({0.55, 0.20, kNone})}}, 3));
    types.push_back(MakeType(QStringLiteral("SV20.N w Tandor 40DN15"), family,
                             {{"1/2", "14", same({0.26, 0.20, kNone})}}, 4));
    types.push_back(MakeType(QStringLiteral("SV20.N w Tandor 40DN20"), family,
                             {{"1/2", "14", same({0.27, 0.21, kNone})}}, 4));
    types.push_back(MakeType(QStringLiteral("SV20.N w Tandor 50DN20"), family,
                             {{"1/2", "14", same({0.27, 0.21, kNone})}}, 4));
    types.push_back(MakeType(QStringLiteral("SV20.N w centrum bezpieczeństwa SC70"), family,
                             {{"1/2", "14", same({0.28, 0.22, kNone})}}, 5));
    return types;
}

const std::array<const char*, 6> kCardFiles = {
    "karta_SV10_zawor_bezp_102k11.pdf",         "karta_SV20_zawor_bezp_102k11.pdf",
    "karta_SV30new_armatura_zabezp_072k11.pdf", "karta_SV20N_zawor_bezp_082k5.pdf",
    "karta_40_50_zesp_bezp_092k8.pdf",          "karta_SC70_centrum_bezp_012k8.pdf"};

} // namespace

const std::vector<Type>& Types() {
    static const std::vector<Type> types = MakeTypes();
    return types;
}

const Type* FindType(const QString& typeText) {
    for (const Type& type : Types())
        if (type.text == typeText)
            return &type;
    return nullptr;
}

std::optional<int> CardIndexOf(const QString& typeText) {
    if (const Type* type = FindType(typeText))
        return type->cardIndex;
    return std::nullopt;
}

int CardCount() {
    return static_cast<int>(kCardFiles.size());
}

QString CardFile(int cardIndex) {
    if (cardIndex < 0 || cardIndex >= CardCount())
        return QString();
    return QString::fromLatin1(kCardFiles[static_cast<size_t>(cardIndex)]);
}

} // namespace Catalogue
