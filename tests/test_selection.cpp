// The selection pattern without widgets: the checks of "Oblicz", the walk over
// a valve data file, the outcome, and the report precondition. The walk is
// tried on data files written for the test; the real ones are the subject of
// test_selection_water and test_selection_steam.

#include "QStringPrinter.h"
#include "data/Dane.h"
#include "selection/Selection.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <vector>

using Selection::Refusal;
using Kind = Selection::Refusal::Kind;

namespace {

// ---- the checks before the walk -----------------------------------------------

struct CheckCase {
    const char* name;
    Selection::Inputs in;
    std::optional<Kind> refused;
};

Selection::Inputs Complete() {
    return {1000, 5.5, QStringLiteral("SV10"), 10, 0, 5};
}

Selection::Inputs With(void (*change)(Selection::Inputs&)) {
    Selection::Inputs in = Complete();
    change(in);
    return in;
}

class Checks : public ::testing::TestWithParam<CheckCase> {};

TEST_P(Checks, RefuseInTheirOrder) {
    const std::optional<Refusal> r = Selection::CheckInputs(GetParam().in);
    ASSERT_EQ(r.has_value(), GetParam().refused.has_value());
    if (r) {
        EXPECT_EQ(r->kind, *GetParam().refused);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Selection, Checks,
    ::testing::Values(
        CheckCase{"complete", Complete(), std::nullopt},
        CheckCase{"noRequirement", With([](auto& in) { in.requirement = 0; }),
                  Kind::IncompleteData},
        // A requirement below zero asks for nothing, like zero.
        CheckCase{"negativeRequirement", With([](auto& in) { in.requirement = -1; }),
                  Kind::IncompleteData},
        CheckCase{"noRelievingPressure", With([](auto& in) { in.relievingPressure = 0; }),
                  Kind::IncompleteData},
        CheckCase{"noValveType", With([](auto& in) { in.valveType.clear(); }),
                  Kind::IncompleteData},
        CheckCase{"overpressure9_9", With([](auto& in) { in.overpressure = 9.9; }),
                  Kind::IncompleteData},
        CheckCase{"overpressure10", With([](auto& in) { in.overpressure = 10; }), std::nullopt},
        CheckCase{"backPressureBelowSet", With([](auto& in) { in.backPressure = 4.99; }),
                  std::nullopt},
        CheckCase{"backPressureEqualsSet", With([](auto& in) { in.backPressure = 5; }),
                  Kind::BackPressureNotBelowSet},
        CheckCase{"backPressureAboveSet", With([](auto& in) { in.backPressure = 5.2; }),
                  Kind::BackPressureNotBelowSet},
        CheckCase{"backPressureAtVacuum", With([](auto& in) { in.backPressure = -1; }),
                  Kind::BackPressureBelowVacuum},
        CheckCase{"backPressureFarBelowVacuum", With([](auto& in) { in.backPressure = -1e308; }),
                  Kind::BackPressureBelowVacuum},
        CheckCase{"backPressureJustAboveVacuum", With([](auto& in) { in.backPressure = -0.99; }),
                  std::nullopt},
        // The data check comes first.
        CheckCase{"bothFail", With([](auto& in) {
                      in.overpressure = 5;
                      in.backPressure = 6;
                  }),
                  Kind::IncompleteData}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- messages -------------------------------------------------------------------

TEST(SelectionMessages, EveryRefusalHasItsText) {
    EXPECT_EQ(Refusal::Because(Kind::IncompleteData).Message(),
              "Brak kompletu danych do wykonania obliczeń!");
    EXPECT_EQ(Refusal::Because(Kind::BackPressureNotBelowSet).Message(),
              "Ciśnienie odpływowe jest równe lub większe niż ciśnienie nastawy wybranego zaworu "
              "bezpieczeństwa!");
    EXPECT_EQ(Refusal::Because(Kind::BackPressureBelowVacuum).Message(),
              "Ciśnienie odpływowe nie może być niższe niż -1 bar (próżnia)!");
    EXPECT_EQ(Refusal::Because(Kind::NotFinite).Message(),
              "Wynik obliczeń jest poza zakresem liczb. Sprawdź dane!");
    EXPECT_EQ(Refusal::Because(Kind::DataFileError).Message(), "Brak pliku z danymi zaworu!");
    EXPECT_EQ(Refusal::Because(Kind::NotFound).Message(),
              "Nie znaleziono zaworu posiadającego wymaganą przepustowość!");
    EXPECT_EQ(Refusal::Because(Kind::NothingToPrint).Message(),
              "Nie wykonano obliczeń. Brak danych do wydruku!");
    EXPECT_EQ(Refusal::Missing(Obliczenia::NoValue::SteamPressureAbove200).Message(),
              Obliczenia::NoValueMessage(Obliczenia::NoValue::SteamPressureAbove200));
}

TEST(SelectionOutcome, HoldsAValueOrARefusal) {
    const Selection::Outcome<int> value(7);
    EXPECT_TRUE(value);
    EXPECT_EQ(*value, 7);
    EXPECT_EQ(value.Message(), QString());
    const Selection::Outcome<int> refused(Refusal::Because(Kind::NotFound));
    EXPECT_FALSE(refused);
    EXPECT_EQ(refused.refusal(), Refusal::Because(Kind::NotFound));
    EXPECT_EQ(refused.Message(), ValveData::NotFoundMessage());
}

// ---- the report precondition ---------------------------------------------------

TEST(SelectionPrint, OnlyAResultAboveTheRequirementPrints) {
    EXPECT_FALSE(Selection::HasResultToPrint(0, 0)); // nothing selected yet
    EXPECT_FALSE(Selection::HasResultToPrint(1000, 1000));
    EXPECT_FALSE(Selection::HasResultToPrint(1000.00009, 1000));
    EXPECT_TRUE(Selection::HasResultToPrint(1000.0002, 1000));
    EXPECT_TRUE(Selection::HasResultToPrint(1500, 1000));
    EXPECT_FALSE(Selection::HasResultToPrint(999, 1000));
}

// ---- the walk --------------------------------------------------------------------

ValveData::Record Valve(const char* size, double d, double p, double alphaGas = 0.5) {
    return {QString::fromUtf8(size), d, p, alphaGas, 0.3, 0.4};
}

// A program directory of the test's own with the data files it writes.
class Walk : public ::testing::Test {
protected:
    void SetUp() override {
        Dane::ResetDefaults();
        ASSERT_TRUE(dir.isValid());
        Dane::ProgramDir = dir.path() + QLatin1Char('/');
    }
    void Write(const QString& type, const std::vector<ValveData::Record>& records) {
        ASSERT_TRUE(ValveData::WriteFile(ValveData::FilePath(type), records));
    }

    // Measures a record by its d, and notes what was measured.
    Selection::Measure ByDiameter() {
        return [this](const ValveData::Record& r) -> Obliczenia::Result {
            measured.push_back(r.sizeText);
            return r.flowDiameter * 10;
        };
    }

    QTemporaryDir dir;
    std::vector<QString> measured;
};

const QString kType = QStringLiteral("SV20.N w centrum bezpieczeństwa SC70");

TEST_F(Walk, StopsAtTheFirstCoveringRecordAtTheSetPressure) {
    Write(kType, {Valve("1/2\"", 12, 6), Valve("1/2\"", 12, 8), Valve("3/4\"", 14, 6),
                  Valve("3/4\"", 14, 8), Valve("1\"", 20, 8), Valve("1\"", 20, 6)});
    const auto found = Selection::FirstCovering(kType, 8, 130, ByDiameter());
    ASSERT_TRUE(found) << found.Message().toStdString();
    EXPECT_EQ(found->record, Valve("3/4\"", 14, 8));
    EXPECT_DOUBLE_EQ(found->value, 140);
    // Records at other set pressures are never measured; the walk stops there.
    EXPECT_EQ(measured, (std::vector<QString>{"1/2\"", "3/4\""}));
}

TEST_F(Walk, AValueEqualToTheRequirementCovers) {
    Write(kType, {Valve("1/2\"", 12, 6), Valve("3/4\"", 14, 6)});
    const auto found = Selection::FirstCovering(kType, 6, 120, ByDiameter());
    ASSERT_TRUE(found);
    EXPECT_EQ(found->record.sizeText, "1/2\"");
}

TEST_F(Walk, FileOrderDecidesNotSize) {
    Write(kType, {Valve("1\"", 20, 6), Valve("1/2\"", 12, 6)});
    const auto found = Selection::FirstCovering(kType, 6, 100, ByDiameter());
    ASSERT_TRUE(found);
    EXPECT_EQ(found->record.sizeText, "1\"");
}

TEST_F(Walk, SetPressureIsComparedExactly) {
    Write(kType, {Valve("1/2\"", 12, 6.0000001), Valve("3/4\"", 14, 5.9999999)});
    const auto found = Selection::FirstCovering(kType, 6, 1, ByDiameter());
    EXPECT_EQ(found.refusal(), Refusal::Because(Kind::NotFound));
    EXPECT_TRUE(measured.empty());
}

TEST_F(Walk, NothingCoversIsNotFound) {
    Write(kType, {Valve("1/2\"", 12, 6), Valve("3/4\"", 14, 6)});
    const auto found = Selection::FirstCovering(kType, 6, 140.1, ByDiameter());
    EXPECT_EQ(found.refusal(), Refusal::Because(Kind::NotFound));
    EXPECT_EQ(measured.size(), 2u);
}

TEST_F(Walk, EmptyFileIsNotFoundMissingFileIsAFileError) {
    Write(kType, {});
    EXPECT_EQ(Selection::FirstCovering(kType, 6, 1, ByDiameter()).refusal(),
              Refusal::Because(Kind::NotFound));
    EXPECT_EQ(Selection::FirstCovering(QStringLiteral("SV30"), 2.5, 1, ByDiameter()).refusal(),
              Refusal::Because(Kind::DataFileError));
}

TEST_F(Walk, DamagedFileIsAFileErrorUnlessTheWalkStoppedBeforeTheDamage) {
    Write(kType, {Valve("1/2\"", 12, 6), Valve("3/4\"", 14, 6)});
    QFile file(ValveData::FilePath(kType));
    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write(QByteArray(10, '\0')); // a partial record
    file.close();
    EXPECT_EQ(Selection::FirstCovering(kType, 6, 200, ByDiameter()).refusal(),
              Refusal::Because(Kind::DataFileError));
    EXPECT_TRUE(Selection::FirstCovering(kType, 6, 130, ByDiameter()));
}

TEST_F(Walk, AMeasureWithoutValueEndsTheWalk) {
    Write(kType, {Valve("1/2\"", 12, 6), Valve("3/4\"", 14, 6)});
    int calls = 0;
    const auto found = Selection::FirstCovering(
        kType, 6, 1, [&calls](const ValveData::Record&) -> Obliczenia::Result {
            ++calls;
            return Obliczenia::Result::Missing(Obliczenia::NoValue::SteamPressureAbove200);
        });
    EXPECT_EQ(found.refusal(), Refusal::Missing(Obliczenia::NoValue::SteamPressureAbove200));
    EXPECT_EQ(calls, 1);
}

// ---- every size of the walk ---------------------------------------------------

// One row as the table gives it: size, value, requirement, margin, selected,
// or size and reason.
QString RowText(const Selection::SizeRow& r) {
    if (!r.value)
        return r.size + QStringLiteral(" | ") + r.reason;
    return QStringLiteral("%1 | %2 | %3 | %4%5")
        .arg(r.size)
        .arg(*r.value)
        .arg(*r.requirement)
        .arg(QString::number(*r.Margin(), 'f', 2))
        .arg(r.selected ? QStringLiteral(" | selected") : QString());
}

// The measure d × 10 of the walk above, with the 1" size passed over; the
// margins by hand: (value − requirement) / requirement × 100.
TEST_F(Walk, RecordsEverySizeAtTheSetPressureWithItsMargin) {
    Write(kType, {Valve("1/2\"", 12, 6), Valve("1/2\"", 12, 8), Valve("3/4\"", 14, 6),
                  Valve("1\"", 20, 6), Valve("1 1/4\"", 27, 6)});
    const Selection::Measure measure = [](const ValveData::Record& r) -> Obliczenia::Result {
        if (r.flowDiameter == 20)
            Selection::PassSizeOver(QStringLiteral("brak współczynnika"));
        return r.flowDiameter * 10;
    };
    const struct {
        double requirement;
        std::vector<QString> rows;
    } cases[] = {
        // Between two sizes: 140 covers 130 by 7.69 %.
        {130,
         {"1/2\" | 120 | 130 | -7.69", "3/4\" | 140 | 130 | 7.69 | selected",
          "1\" | brak współczynnika", "1 1/4\" | 270 | 130 | 107.69"}},
        // Exactly a size's value: margin 0, selected.
        {120,
         {"1/2\" | 120 | 120 | 0.00 | selected", "3/4\" | 140 | 120 | 16.67",
          "1\" | brak współczynnika", "1 1/4\" | 270 | 120 | 125.00"}},
        // Nothing covers: no row marked, every margin below zero.
        {300,
         {"1/2\" | 120 | 300 | -60.00", "3/4\" | 140 | 300 | -53.33", "1\" | brak współczynnika",
          "1 1/4\" | 270 | 300 | -10.00"}},
    };
    for (const auto& c : cases) {
        Selection::SizeTable table;
        {
            Selection::RecordingSizes recording(table);
            Selection::FirstCovering(kType, 6, c.requirement, measure);
        }
        std::vector<QString> rows;
        for (const Selection::SizeRow& r : table.rows)
            rows.push_back(RowText(r));
        EXPECT_TRUE(table.walked);
        EXPECT_EQ(rows, c.rows) << c.requirement;
    }
}

// A record that cannot be read after the selected one: the selection stays,
// the table ends with it as "nieodczytany".
TEST_F(Walk, ARecordNotReadAfterTheSelectedOneEndsTheTableOnly) {
    Write(kType, {Valve("1/2\"", 12, 6), Valve("3/4\"", 14, 6)});
    QFile file(ValveData::FilePath(kType));
    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write(QByteArray(10, '\0'));
    file.close();
    Selection::SizeTable table;
    {
        Selection::RecordingSizes recording(table);
        Selection::FirstCovering(kType, 6, 110, ByDiameter());
    }
    const auto found = Selection::FirstCovering(kType, 6, 110, ByDiameter());
    ASSERT_TRUE(found);
    EXPECT_EQ(found->record.sizeText, "1/2\"");
    ASSERT_EQ(table.rows.size(), 3u);
    EXPECT_TRUE(table.rows[0].selected);
    EXPECT_EQ(table.rows[2].reason, "nieodczytany");
    EXPECT_FALSE(table.rows[2].value);
}

} // namespace
