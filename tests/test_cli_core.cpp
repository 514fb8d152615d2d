// The command line without a process: JSON texts, the arguments, the records'
// field tables through the JSON, the valve choice on the window's texts, the
// capacity cases against the records' own "Oblicz", and batches with bad lines.

#include "QStringPrinter.h"

#include "capacity/FlowAirCalc.h"
#include "capacity/FlowSteamCalc.h"
#include "capacity/FlowWaterCalc.h"
#include "cli/CommandLine.h"
#include "cli/ValveChoice.h"
#include "cli/WindowCommand.h"
#include "data/Convert.h"
#include "data/Dane.h"
#include "selection/AirSelection.h"
#include "selection/EkspansjaSelection.h"
#include "selection/MixSelection.h"
#include "selection/ParaWodaSelection.h"
#include "selection/PowerSelection.h"
#include "selection/SteamSelection.h"
#include "selection/WaterSelection.h"
#include "selection/WymiennikSelection.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>
#include <limits>

namespace {

const QString kMissing = QStringLiteral("Brak kompletu danych do wykonania obliczeń!");
const QString kOverpressure =
    QStringLiteral("Przyrost ciśnienia b1 musi być większy lub równy 10% !");
const QString kBackPressure = QStringLiteral("Ciśnienie odpływowe jest równe lub większe niż "
                                             "ciśnienie nastawy wybranego zaworu bezpieczeństwa!");
const QString kInvalidB1 = QStringLiteral("Niepoprawna wartość przyrostu ciśnienia!");
const QString kInvalidP2 = QStringLiteral("Niepoprawna wartość ciśnienia odpływowego!");
const QString kInvalidT1 = QStringLiteral("Niepoprawna wartość temperatury zrzutowej!");
const QString kRange = QStringLiteral("Wartość temperatury zrzutowej poza dopuszczalnym\rzakresem "
                                      "0.1 - 149.9 st. C");

QJsonObject Parsed(const QByteArray& text) {
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(text, &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << text.toStdString();
    return doc.object();
}

Cli::Case With(Cli::Case inputs, const char* option, const char* value) {
    inputs[QString::fromLatin1(option)] = QString::fromLatin1(value);
    return inputs;
}

Cli::Result RunCase(const char* command, const Cli::Case& inputs, bool withReport = false) {
    const Cli::Command* c = Cli::FindCommand(QString::fromLatin1(command));
    EXPECT_NE(c, nullptr) << command;
    return c ? c->run(inputs, withReport) : Cli::Result{};
}

// --- JSON ----------------------------------------------------------------------

TEST(CliJson, NumbersAreShortestRoundTripTexts) {
    const struct {
        double value;
        const char* text;
    } cases[] = {{10.0, "10"},
                 {0.45, "0.45"},
                 {-2.5, "-2.5"},
                 {0.1 + 0.2, "0.30000000000000004"},
                 {1234.5678901234567, "1234.5678901234567"},
                 {1e-7, "1e-07"},
                 {0.0, "0"},
                 {-0.0, "0"}, // never "-0"
                 {std::numeric_limits<double>::infinity(), "null"},
                 {std::nan(""), "null"}};
    for (const auto& c : cases) {
        EXPECT_EQ(Cli::NumberText(c.value), QByteArray(c.text)) << c.text;
        if (std::isfinite(c.value)) {
            EXPECT_EQ(std::stod(c.text), c.value) << c.text;
        }
    }
}

TEST(CliJson, ObjectKeepsTheOrderAndEscapesTexts) {
    Cli::JsonObject o;
    o.Add(QStringLiteral("ValveSize"), QStringLiteral("1 1/4\""));
    o.Add(QStringLiteral("Capacity"), 1234.5);
    o.Add(QStringLiteral("message"), QStringLiteral("a\rb\\ą"));
    o.Add(QStringLiteral("ValveCount"), 2);
    o.Add(QStringLiteral("CoilExchanger"), true);
    EXPECT_EQ(o.Text(), QByteArray("{\"ValveSize\":\"1 1/4\\\"\",\"Capacity\":1234.5,"
                                   "\"message\":\"a\\rb\\\\\xC4\x85\",\"ValveCount\":2,"
                                   "\"CoilExchanger\":true}"));
    const QJsonObject back = Parsed(o.Text());
    EXPECT_EQ(back.value(QStringLiteral("ValveSize")).toString(), QStringLiteral("1 1/4\""));
    EXPECT_EQ(back.value(QStringLiteral("message")).toString(), QStringLiteral("a\rb\\ą"));
}

// --- arguments -----------------------------------------------------------------

TEST(CliArguments, ReadsOptionsInBothForms) {
    const Cli::Parsed p =
        Cli::Parse({"flow-water", "--valve-type", "SV10", "--valve-size=1/2", "--set-pressure", "5",
                    "--overpressure=12,5", "--json", "--back-pressure", "-1", "--pdf", "out.pdf"});
    ASSERT_EQ(p.error, QString());
    const Cli::Invocation& inv = p.invocation;
    ASSERT_NE(inv.command, nullptr);
    EXPECT_EQ(inv.command->name, "flow-water");
    EXPECT_TRUE(inv.json);
    EXPECT_FALSE(inv.help);
    EXPECT_EQ(inv.pdf, "out.pdf");
    const Cli::Case expected = {{"valve-type", "SV10"},
                                {"valve-size", "1/2"},
                                {"set-pressure", "5"},
                                {"overpressure", "12,5"},
                                {"back-pressure", "-1"}};
    EXPECT_EQ(inv.inputs, expected);
}

TEST(CliArguments, HelpWhereverItStands) {
    EXPECT_TRUE(Cli::Parse({"--help"}).invocation.help);
    EXPECT_EQ(Cli::Parse({"-h"}).invocation.command, nullptr);
    const Cli::Parsed p = Cli::Parse({"flow-steam", "--overpressure", "12", "--help"});
    EXPECT_EQ(p.error, QString());
    EXPECT_TRUE(p.invocation.help);
    EXPECT_EQ(p.invocation.command->name, "flow-steam");
}

TEST(CliArguments, MalformedCommandLines) {
    const struct {
        QStringList arguments;
        const char* message;
    } cases[] = {
        {{}, "Brak podkomendy. Opis: kalmo-cli --help"},
        {{"flow-gas"}, "Nieznana podkomenda \"flow-gas\". Opis: kalmo-cli --help"},
        {{"flow-water", "--relieving-temperature", "20"},
         "Nieznana opcja --relieving-temperature podkomendy flow-water. Opis: kalmo-cli "
         "flow-water --help"},
        // The steam window has no relieving temperature.
        {{"flow-steam", "--relieving-temp", "20"},
         "Nieznana opcja --relieving-temp podkomendy flow-steam. Opis: kalmo-cli flow-steam "
         "--help"},
        {{"flow-air", "--overpressure"},
         "Opcja --overpressure wymaga wartości. Opis: kalmo-cli flow-air --help"},
        {{"flow-air", "12"}, "Nieoczekiwany argument \"12\". Opis: kalmo-cli flow-air --help"},
        {{"flow-air", "-x"}, "Nieoczekiwany argument \"-x\". Opis: kalmo-cli flow-air --help"},
        {{"flow-air", "--json=1"}, "Opcja --json nie ma wartości. Opis: kalmo-cli flow-air --help"},
        {{"flow-air", "--pdf="}, "Opcja --pdf wymaga nazwy pliku. Opis: kalmo-cli flow-air --help"},
        // An empty value would read as 0 past the field's checks.
        {{"flow-water", "--relieving-temp="},
         "Opcja --relieving-temp wymaga wartości. Opis: kalmo-cli flow-water --help"},
        {{"dobor-water", "--back-pressure", " "},
         "Opcja --back-pressure wymaga wartości. Opis: kalmo-cli dobor-water --help"},
        {{"flow-air", "--batch", "a.csv", "--pdf", "a.pdf"},
         "--pdf tworzy raport jednego przypadku; nie łączy się z --batch. Opis: kalmo-cli "
         "flow-air --help"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        EXPECT_EQ(Cli::Parse(c.arguments).error, QString::fromUtf8(c.message));
    }
}

TEST(CliArguments, EveryOptionOfTheHelpIsAccepted) {
    for (const Cli::Command& c : Cli::Commands()) {
        const QString help = Cli::CommandHelp(c);
        EXPECT_TRUE(help.startsWith(QStringLiteral("kalmo-cli %1 – %2\n").arg(c.name, c.caption)));
        EXPECT_TRUE(Cli::GeneralHelp().contains(c.name));
        for (const Cli::Option& o : c.options) {
            SCOPED_TRACE((c.name + " " + o.name).toStdString());
            EXPECT_TRUE(help.contains(QStringLiteral("--") + o.name + QLatin1Char(' ')));
            EXPECT_TRUE(help.contains(o.unit));
            if (!o.defaultText.isEmpty()) {
                EXPECT_TRUE(help.contains(QStringLiteral("domyślnie ") + o.defaultText.trimmed()));
            }
            EXPECT_EQ(
                Cli::Parse({c.name, QStringLiteral("--") + o.name, QStringLiteral("1")}).error,
                QString());
        }
    }
}

TEST(CliArguments, DefaultsAreTheRecordsAsTheWindowShowsThem) {
    const Cli::Command* water = Cli::FindCommand(QStringLiteral("flow-water"));
    ASSERT_NE(water, nullptr);
    EXPECT_EQ(water->FindOption(QStringLiteral("overpressure"))->defaultText, "10.0");
    EXPECT_EQ(water->FindOption(QStringLiteral("relieving-temp"))->defaultText, "20.0");
    EXPECT_EQ(water->FindOption(QStringLiteral("back-pressure"))->defaultText, "0.00");
    EXPECT_EQ(water->FindOption(QStringLiteral("relieving-temp"))->unit, "[°C]");
    EXPECT_EQ(water->FindKey(QStringLiteral("RelievingTemp"))->name, "relieving-temp");
}

// --- the records' field tables ---------------------------------------------------

// Every member into the JSON in record order, and what the command line reads of
// it back: record → JSON → batch line and options → the same record.
template <class R>
void RoundTrip(const char* name, Cli::ValveDialog dialog, const Cli::Case& valve) {
    SCOPED_TRACE(name);
    R record;
    ASSERT_FALSE(Cli::EnterCase(dialog, valve, record));
    double typed = 10.25;
    // Every field the window reads in the record's mode.
    for (const Fields::Field<R>& f : Calculation<R>::Fields())
        if (f.role == Fields::Role::Input && !Cli::OfAnotherMode(record, f))
            record.*std::get<double R::*>(f.member) = typed += 1.5;
    const Fields::Field<R>* p1 =
        Fields::Find(Calculation<R>::Fields(), QStringLiteral("RelievingPressure"));
    if (p1 && p1->IsRead())
        record.RelievingPressure = Convert::ToDouble(Convert::FixedText(
            Obliczenia::RelievingPressure(record.SetPressure, record.Overpressure), 2, 2));
    // The controls of the mode, other than the mode, away from their defaults.
    for (const Fields::Field<R>& f : Calculation<R>::Fields())
        if (f.role == Fields::Role::Control && qstrcmp(f.key, "Mode") != 0 &&
            !Cli::OfAnotherMode(record, f)) {
            if (const auto* b = std::get_if<bool R::*>(&f.member))
                record.*(*b) = !(record.*(*b));
            else
                record.*std::get<int R::*>(f.member) = int(f.look.range->max);
        }
    const Cli::JsonObject json = Cli::RecordJson(record);
    ASSERT_EQ(json.Members().size(), Calculation<R>::Fields().size());
    for (size_t i = 0; i < json.Members().size(); ++i)
        EXPECT_EQ(json.Members()[i].first, Calculation<R>::Fields()[i].key);
    Cli::Case inputs;
    ASSERT_EQ(Cli::JsonCase(*Cli::FindCommand(name), json.Text(), inputs), QString());
    QStringList arguments{name};
    for (const auto& [option, text] : inputs)
        arguments << QStringLiteral("--%1=%2").arg(option, text);
    EXPECT_EQ(Cli::Parse(arguments).invocation.inputs, inputs);
    R back;
    ASSERT_FALSE(Cli::EnterCase(dialog, inputs, back));
    EXPECT_EQ(Cli::RecordJson(back).Text(), json.Text());
}

TEST(CliRecords, EveryFieldTableRoundTripsThroughTheJson) {
    const Cli::Case valve = {{"valve-type", "SV20"}, {"valve-size", "1"}, {"set-pressure", "6"}};
    const Cli::Case type = {{"valve-type", "SV20"}, {"set-pressure", "6"}};
    RoundTrip<TFlowAirData>("flow-air", Cli::ValveDialog::Valve, valve);
    RoundTrip<TFlowSteamData>("flow-steam", Cli::ValveDialog::Valve, valve);
    RoundTrip<TFlowWaterData>("flow-water", Cli::ValveDialog::Valve, valve);
    RoundTrip<TDoborWaterData>("dobor-water", Cli::ValveDialog::Type, type);
    RoundTrip<TDoborSteamData>("dobor-steam", Cli::ValveDialog::TypeOrTyped, type);
    RoundTrip<TMocData>("moc", Cli::ValveDialog::Type, type);
    RoundTrip<TDoborAirData>("dobor-air", Cli::ValveDialog::Type, type);
    RoundTrip<TDoborMixData>("dobor-mix", Cli::ValveDialog::Type, type);
    RoundTrip<TWymiennikData>("wymiennik", Cli::ValveDialog::Type, type);
    RoundTrip<TParaWodaData>("para-woda", Cli::ValveDialog::Type, type);
    RoundTrip<TEkspansjaData>("ekspansja", Cli::ValveDialog::Type, type);
    Cli::Case indirect = type;
    indirect["mode"] = QStringLiteral("1");
    RoundTrip<TEkspansjaData>("ekspansja", Cli::ValveDialog::Type, indirect);
}

// --- the valve choice on the window's texts -------------------------------------

TEST(CliValveChoice, FindsTheCatalogueValve) {
    const struct {
        const char* type;
        const char* size;
        const char* pressure;
        int sizeIndex;
        int pressureIndex;
    } found[] = {{"SV10", "1/2\"", "5.0", 0, 7}, {"SV10", "1/2", "5", 0, 7},
                 {"SV20", "1 1/4", "10", 3, 6},  {"SV30", "3/4", "2.50", 1, 0},
                 {"SV20", "", "", -1, -1},       {"SV20", "1", "", 2, -1}};
    for (const auto& f : found) {
        SCOPED_TRACE(f.type + std::string(" ") + f.size + " " + f.pressure);
        QString error;
        const std::optional<Cli::ValveChoice> c =
            Cli::FindValve(QString::fromUtf8(f.type), QString::fromUtf8(f.size),
                           QString::fromUtf8(f.pressure), &error);
        ASSERT_TRUE(c.has_value()) << error.toStdString();
        EXPECT_EQ(c->type->text, QString::fromUtf8(f.type));
        EXPECT_EQ(c->size, f.sizeIndex);
        EXPECT_EQ(c->setPressure, f.pressureIndex);
    }
}

TEST(CliValveChoice, RefusesWhatTheListsDoNotHold) {
    const struct {
        const char* type;
        const char* size;
        const char* pressure;
        const char* message;
    } refused[] = {
        {"SV40", "", "",
         "Nieznany typ zaworu \"SV40\". Typy: SV10, SV20, SV30, SV20.N, SV20.N w Tandor 40DN15, "
         "SV20.N w Tandor 40DN20, SV20.N w Tandor 50DN20, SV20.N w centrum bezpieczeństwa SC70."},
        {"sv10", "", "", nullptr},
        {"SV30", "1", "", "Zawór SV30 nie ma wielkości 1. Wielkości: 1/2\", 3/4\"."},
        {"SV30", "1/2", "4.0", "Zawór SV30 nie ma ciśnienia nastawy 4.0 bar. Ciśnienia: 2.5, 3.0."},
        {"", "1/2", "", "Wielkość i ciśnienie nastawy wybiera się do typu zaworu (--valve-type)."},
    };
    for (const auto& r : refused) {
        SCOPED_TRACE(r.type + std::string(" ") + r.size + " " + r.pressure);
        QString error;
        EXPECT_FALSE(Cli::FindValve(QString::fromUtf8(r.type), QString::fromUtf8(r.size),
                                    QString::fromUtf8(r.pressure), &error));
        if (r.message) {
            EXPECT_EQ(error, QString::fromUtf8(r.message));
        }
    }
}

TEST(CliValveChoice, TheDialogsOkWritesTheWindowsFields) {
    using Cli::ValveDialog;
    // The fields of the water capacity window as it shows them by default.
    const Cli::Texts shown = {{"Overpressure", "10.0"},  {"RelievingPressure", "0.00"},
                              {"ValveType", ""},         {"ValveSize", ""},
                              {"FlowDiameter", "0.00"},  {"SetPressure", "0.00"},
                              {"AlphaLiquid10", "0.00"}, {"AlphaLiquid25", "0.00"}};
    const struct {
        ValveDialog dialog;
        Cli::Case inputs;
        Cli::Texts written;
    } cases[] = {
        // d 12, αc 0.45 and 0.48, the list's text, p1; no α for gases in this window.
        {ValveDialog::Valve,
         {{"valve-type", "SV10"}, {"valve-size", "1/2"}, {"set-pressure", "5"}},
         {{"ValveType", "SV10"},
          {"ValveSize", "1/2\""},
          {"FlowDiameter", "12"},
          {"SetPressure", "5.0"},
          {"AlphaLiquid10", "0.45"},
          {"AlphaLiquid25", "0.48"},
          {"RelievingPressure", "5.50"}}},
        // A size without a set pressure: d, an empty set pressure, coefficients 0.00.
        {ValveDialog::Valve,
         {{"valve-type", "SV30"}, {"valve-size", "1/2"}},
         {{"ValveType", "SV30"},
          {"ValveSize", "1/2\""},
          {"FlowDiameter", "12.2"},
          {"SetPressure", ""}}},
        {ValveDialog::Type,
         {{"valve-type", "SV20"}, {"set-pressure", "6"}},
         {{"ValveType", "SV20"}, {"SetPressure", "6.0"}, {"RelievingPressure", "6.60"}}},
        // A set pressure the list does not hold stays as typed.
        {ValveDialog::TypeOrTyped,
         {{"valve-type", "SV20"}, {"set-pressure", "6,5"}},
         {{"ValveType", "SV20"}, {"SetPressure", "6.5"}, {"RelievingPressure", "7.15"}}},
        {ValveDialog::Valve, {{"overpressure", "12"}}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.inputs.begin()->second.toStdString());
        Cli::Texts fields = shown, expected = shown;
        for (const auto& [key, text] : c.written)
            expected[key] = text;
        EXPECT_EQ(Cli::ChooseValve(c.dialog, c.inputs, fields), QString());
        EXPECT_EQ(fields, expected);
    }
}

// --- capacity cases against the records' own "Oblicz" ----------------------------

class CliCapacity : public ::testing::Test {
protected:
    void SetUp() override { Dane::ProgramDir = QStringLiteral(KALMO_TEST_PROGRAM_DIR); }
};

TEST_F(CliCapacity, WaterGivesTheRecordOfOblicz) {
    const Cli::Result r = RunCase("flow-water", {{"valve-type", "SV20"},
                                                 {"valve-size", "1 1/4"},
                                                 {"set-pressure", "7"},
                                                 {"overpressure", "25,5"},
                                                 {"relieving-temp", "85.5"},
                                                 {"back-pressure", "0.5"}});
    ASSERT_EQ(r.status, Cli::Computed) << r.message.toStdString();
    TFlowWaterData expected;
    expected.Overpressure = 25.5;
    expected.RelievingTemp = 85.5;
    expected.RelievingPressure = Convert::ToDouble(Convert::FixedText(1.255 * 7, 2, 2));
    expected.BackPressure = 0.5;
    expected.ValveType = QStringLiteral("SV20");
    expected.ValveSize = QStringLiteral("1 1/4\"");
    expected.FlowDiameter = 27;
    expected.SetPressure = 7;
    const Catalogue::Alphas a = Catalogue::FindType("SV20")->sizes[3].alphas[4];
    expected.AlphaLiquid10 = Convert::ToDouble(Convert::FixedText(a.liquid10, 4, 2));
    expected.AlphaLiquid25 = Convert::ToDouble(Convert::FixedText(a.liquid25, 4, 2));
    ASSERT_TRUE(Capacity::Oblicz(expected).Succeeded());
    EXPECT_EQ(expected.RelievingPressure, 8.79); // 8.785 shown as 8.79
    EXPECT_GT(expected.Capacity, 0);
    EXPECT_EQ(r.record.Text(), Cli::RecordJson(expected).Text());
    EXPECT_EQ(r.text, "Ciśnienie zrzutowe :   8.79 [bar]\n"
                      "Typ :                  SV20\n"
                      "Wielkość :             1 1/4\"\n"
                      "d :                    27.00 [mm]\n"
                      "Ciśnienie nastawy :    7.00 [bar]\n"
                      "αc (10%) :             " +
                          Convert::FixedText(expected.AlphaLiquid10, 4, 2) +
                          "\n"
                          "αc (25%) :             " +
                          Convert::FixedText(expected.AlphaLiquid25, 4, 2) +
                          "\n"
                          "Przepustowość:         " +
                          Convert::ResultText(expected.Capacity) + " [kg/h]\n" + QString(23, ' ') +
                          Convert::ResultText(expected.VolumeCapacity) + " [m³/h]\n");
}

// The window's messages, in the order its checks run.
TEST_F(CliCapacity, RefusalsAreTheWindowsMessages) {
    const Cli::Case sv10 = {{"valve-type", "SV10"}, {"valve-size", "1/2"}, {"set-pressure", "5"}};
    auto with = [&](Cli::Case extra) {
        Cli::Case c = sv10;
        for (auto& [k, v] : extra)
            c[k] = v;
        return c;
    };
    const struct {
        const char* command;
        Cli::Case inputs;
        int status;
        QString message;
    } cases[] = {
        {"flow-water", with({{"overpressure", "1a"}}), Cli::Refused, kInvalidB1},
        {"flow-water", with({{"overpressure", "."}}), Cli::Refused, kInvalidB1},
        {"flow-water", with({{"relieving-temp", "20C"}}), Cli::Refused, kInvalidT1},
        {"flow-water", with({{"relieving-temp", "150"}}), Cli::Refused, kRange},
        {"flow-water", with({{"relieving-temp", "0"}}), Cli::Refused, kRange},
        {"flow-water", with({{"relieving-temp", ""}}), Cli::Refused, kMissing},
        {"flow-water", with({{"back-pressure", "1..2"}}), Cli::Refused, kInvalidP2},
        // b1 first, even with nothing else there.
        {"flow-water", {{"overpressure", "9.9"}}, Cli::Refused, kOverpressure},
        {"flow-water", {}, Cli::Refused, kMissing},
        {"flow-water", with({{"back-pressure", "5"}}), Cli::Refused, kBackPressure},
        // Between p and p1 still refused: the check is against p.
        {"flow-water", with({{"back-pressure", "5.2"}}), Cli::Refused, kBackPressure},
        {"flow-water", {{"valve-type", "SV10"}, {"valve-size", "1/2"}}, Cli::Refused, kMissing},
        {"flow-steam", with({{"overpressure", "x"}}), Cli::Refused, kInvalidB1},
        {"flow-steam", with({{"back-pressure", "6"}}), Cli::Refused, kBackPressure},
        {"flow-air", with({{"relieving-temp", "200"}}), Cli::Refused, QString()},
        {"flow-air", with({{"back-pressure", "-"}}), Cli::Refused, kInvalidP2},
        // The exchangers' controls: true or false, a whole number of valves 1 to 10.
        {"para-woda",
         {{"valve-type", "SV20"}, {"set-pressure", "4"}, {"coil-exchanger", "tak"}},
         Cli::Usage,
         "Opcja --coil-exchanger: Rodzaj wymiennika: true – wężownicowy, false – płytowy."},
        {"wymiennik",
         {{"valve-type", "SV20"}, {"set-pressure", "4"}, {"valve-count", "2.5"}},
         Cli::Usage,
         "Opcja --valve-count: Ilość zaworów: liczba całkowita od 1 do 10."},
        {"wymiennik",
         {{"valve-type", "SV20"}, {"set-pressure", "4"}, {"valve-count", "11"}},
         Cli::Usage,
         "Opcja --valve-count: Ilość zaworów: liczba całkowita od 1 do 10."},
        {"ekspansja",
         {{"valve-type", "SV20"}, {"set-pressure", "4"}, {"antifreeze-percent", "51"}},
         Cli::Usage,
         "Opcja --antifreeze-percent: Dodatek substancji przeciw zamarzaniu: liczba całkowita od "
         "0 do 50 %."},
        {"flow-air",
         {{"valve-type", "SV10"}, {"set-pressure", "7"}},
         Cli::Usage,
         "Zawór SV10 nie ma ciśnienia nastawy 7 bar. Ciśnienia: 1.5, 2.0, 2.5, 3.0, 3.5, 4.0, "
         "4.5, 5.0, 5.5, 6.0."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.command);
        const Cli::Result r = RunCase(c.command, c.inputs);
        EXPECT_EQ(r.status, c.status);
        if (!c.message.isEmpty()) {
            EXPECT_EQ(r.message, c.message);
        } else {
            EXPECT_FALSE(r.message.isEmpty());
        }
        // JSON breaks the box's line with "\n".
        EXPECT_EQ(r.Json().Text(),
                  "{\"message\":" + Cli::StringText(QString(r.message).replace('\r', '\n')) + "}");
    }
}

// Inputs outside physical sense, refused by every window that takes them: a
// relieving pressure above 200 bar, a back pressure at or below vacuum, a
// requirement below zero; a back pressure of -0 is 0.
TEST_F(CliCapacity, EveryWindowRefusesInputsOutsidePhysicalSense) {
    const QString kVacuum =
        QStringLiteral("Ciśnienie odpływowe nie może być niższe niż -1 bar (próżnia)!");
    const QString kRange =
        QStringLiteral("Wartość ciśnienia zrzutowego poza dopuszczalnym zakresem 0 - 200 bar!");
    const QString kSteam =
        QStringLiteral("Ciśnienie pary przekracza 200 bar - poza zakresem współczynnika K1 !");
    const Cli::Case valve = {{"valve-type", "SV10"}, {"valve-size", "1/2"}, {"set-pressure", "5"}};
    const Cli::Case type = {{"valve-type", "SV10"}, {"set-pressure", "5"}};
    const Cli::Case exchanger = {{"valve-type", "SV20"},        {"set-pressure", "6"},
                                 {"permissible-pressure", "6"}, {"network-pressure", "5"},
                                 {"installation-volume", "2"},  {"coil-diameter", "10"}};
    const struct {
        const char* command;
        Cli::Case base;
        const char* requirement; // the option of the required flow or power, if any
        QString above200;        // the refusal of a relieving pressure above 200 bar
    } cases[] = {
        {"flow-air", valve, nullptr, kRange},
        {"flow-steam", valve, nullptr, kSteam},
        {"flow-water", valve, nullptr, kRange},
        {"dobor-water", With(type, "required-capacity", "1000"), "required-capacity", kRange},
        {"dobor-steam", With(type, "required-capacity", "100"), "required-capacity", kSteam},
        {"moc", With(type, "required-power", "50"), "required-power", kSteam},
        {"dobor-air", With(type, "compressor-output", "1"), "compressor-output", kRange},
        {"dobor-mix", With(type, "required-power", "50"), "required-power", kSteam},
        // A negative volume or diameter lies outside its option's domain (CliDomain).
        {"wymiennik", exchanger, nullptr, QString()},
        // Steam above the installation's permissible pressure.
        {"para-woda", With(exchanger, "network-pressure", "10"), nullptr, QString()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.command);
        const Cli::Command& command = *Cli::FindCommand(QString::fromLatin1(c.command));
        auto run = [&](const char* option, const char* value) {
            return command.run(With(c.base, option, value), false);
        };
        const Cli::Result computed = command.run(c.base, false);
        ASSERT_EQ(computed.status, Cli::Computed) << computed.message.toStdString();
        if (c.requirement) {
            EXPECT_EQ(run(c.requirement, "-1").message, kMissing);
            EXPECT_EQ(run(c.requirement, "-1e308").message, kMissing);
        }
        if (!c.above200.isEmpty()) {
            EXPECT_EQ(run("overpressure", "1e308").message, c.above200);
            EXPECT_EQ(run("overpressure", "99999999").message, c.above200);
        }
        if (command.FindOption(QStringLiteral("back-pressure"))) {
            for (const char* p2 : {"-1", "-2", "-273.16", "-1e308"})
                EXPECT_EQ(run("back-pressure", p2).message, kVacuum) << p2;
            const Cli::Result zero = run("back-pressure", "-0");
            EXPECT_EQ(zero.status, Cli::Computed);
            EXPECT_TRUE(zero.record.Text().contains("\"BackPressure\":0,"));
        }
    }
}

// Values no window lets a user type: refused with the window's own message
// where it checks them, else with the option's domain (exit status 2); the
// blanks around any value dropped.
TEST_F(CliCapacity, InputsOutsideTheirDomain) {
    const Cli::Case water = {{"valve-type", "SV10"}, {"valve-size", "1/2"}, {"set-pressure", "5"}};
    const Cli::Case exchanger = {{"valve-type", "SV20"},        {"set-pressure", "6"},
                                 {"permissible-pressure", "6"}, {"network-pressure", "5"},
                                 {"installation-volume", "2"},  {"coil-diameter", "10"}};
    const Cli::Case plate = With(With(exchanger, "coil-exchanger", "false"), "network-pressure",
                                 "10"); // case b) takes the plate's section
    const Cli::Case expansion = {{"valve-type", "SV20"}, {"set-pressure", "4"},
                                 {"mode", "1"},          {"permissible-pressure", "6"},
                                 {"water-volume", "1"},  {"start-temp", "10"},
                                 {"end-temp", "80"},     {"heating-time", "60"}};
    const QString kVacuum =
        QStringLiteral("Ciśnienie odpływowe nie może być niższe niż -1 bar (próżnia)!");
    auto outside = [](const char* option, const char* range) {
        return QStringLiteral("Opcja --%1: wartość spoza zakresu od %2.").arg(option, range);
    };
    const struct {
        const char* command;
        Cli::Case base;
        const char* option;
        const char* value;
        int status;
        QString message; // empty: computed as with the value without its blanks
    } cases[] = {
        {"wymiennik", exchanger, "network-pressure", "-5", Cli::Usage,
         outside("network-pressure", "-1 do 200 bar")},
        {"wymiennik", exchanger, "network-pressure", "1e308", Cli::Usage,
         outside("network-pressure", "-1 do 200 bar")},
        {"wymiennik", exchanger, "permissible-pressure", "1e5", Cli::Usage,
         outside("permissible-pressure", "-1 do 200 bar")},
        {"wymiennik", exchanger, "installation-volume", "1e308", Cli::Usage,
         outside("installation-volume", "0 do 1000000 m3")},
        {"wymiennik", exchanger, "installation-volume", "-1e308", Cli::Usage,
         outside("installation-volume", "0 do 1000000 m3")},
        {"para-woda", With(exchanger, "network-pressure", "10"), "coil-diameter", "-1", Cli::Usage,
         outside("coil-diameter", "0 do 10000 mm")},
        {"ekspansja", expansion, "heating-time", "1e308", Cli::Usage,
         outside("heating-time", "0 do 100000 min")},
        // A required flow the window shows as 0.0 kg/h (M = 1584·V, a plate of
        // 1e-320 m²) is none; the expansion window shows 4 decimals.
        {"wymiennik", exchanger, "installation-volume", "0.00003", Cli::Refused, kMissing},
        {"wymiennik", plate, "plate-area", "1e-320", Cli::Refused, kMissing},
        {"ekspansja", expansion, "water-volume", "0.000002", Cli::Computed, {}},
        // The window's own checks speak first.
        {"flow-water", water, "back-pressure", "-2", Cli::Refused, kVacuum},
        // Blanks around a value, in numbers, list choices and whole numbers.
        {"flow-water", water, "overpressure", " 12", Cli::Computed, {}},
        {"flow-water", water, "overpressure", "12 ", Cli::Computed, {}},
        {"flow-water", water, "set-pressure", "5 ", Cli::Computed, {}},
        {"wymiennik", exchanger, "valve-count", " 2 ", Cli::Computed, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.command) + " --" + c.option + " '" + c.value + "'");
        const Cli::Result r = RunCase(c.command, With(c.base, c.option, c.value));
        EXPECT_EQ(r.status, c.status) << r.message.toStdString();
        EXPECT_EQ(r.message, c.message);
        if (c.status == Cli::Computed) {
            const QString trimmed = QString::fromUtf8(c.value).trimmed();
            const Cli::Result same =
                RunCase(c.command, With(c.base, c.option, qPrintable(trimmed)));
            EXPECT_EQ(r.record.Text(), same.record.Text());
        }
    }
}

TEST_F(CliCapacity, TheReportIsTheRecordsAndOnlyWithACapacity) {
    const Cli::Result r = RunCase(
        "flow-water", {{"valve-type", "SV10"}, {"valve-size", "1/2"}, {"set-pressure", "5"}}, true);
    ASSERT_TRUE(r.report.has_value());
    TFlowWaterData d;
    d.ValveType = QStringLiteral("SV10");
    d.ValveSize = QStringLiteral("1/2\"");
    d.FlowDiameter = 12;
    d.SetPressure = 5;
    d.AlphaLiquid10 = 0.45;
    d.AlphaLiquid25 = 0.48;
    d.RelievingPressure = 5.5;
    ASSERT_TRUE(Capacity::Oblicz(d).Succeeded());
    const Report::Content expected = Capacity::ReportContent(d);
    EXPECT_EQ(r.report->title, expected.title);
    EXPECT_EQ(r.report->elements.size(), expected.elements.size());
    EXPECT_FALSE(RunCase("flow-water", {{"valve-type", "SV10"}}, true).report.has_value());
}

TEST_F(CliCapacity, SteamWithoutItsTableIsRefused) {
    Dane::ProgramDir = QStringLiteral("/nonexistent/kalmo/");
    const Cli::Result r = RunCase(
        "flow-steam", {{"valve-type", "SV10"}, {"valve-size", "1/2"}, {"set-pressure", "5"}});
    EXPECT_EQ(r.status, Cli::Refused);
    EXPECT_FALSE(r.message.isEmpty());
}

// --- batches ---------------------------------------------------------------------

struct BatchRun {
    Cli::BatchSummary summary;
    std::vector<QJsonObject> lines;
};

BatchRun RunBatch(const char* command, const QByteArray& input, Cli::BatchFormat format,
                  const Cli::Case& defaults = {}) {
    QBuffer in;
    in.setData(input);
    in.open(QIODevice::ReadOnly);
    BatchRun run;
    run.summary = Cli::RunBatch(*Cli::FindCommand(QString::fromLatin1(command)), defaults, in,
                                format, [&](const QByteArray& line) {
                                    EXPECT_TRUE(line.endsWith('\n'));
                                    EXPECT_EQ(line.count('\n'), 1);
                                    run.lines.push_back(Parsed(line));
                                });
    return run;
}

class CliBatch : public CliCapacity {};

TEST_F(CliBatch, HundredsOfCasesWithBadLinesInTheMiddle) {
    // Every set pressure of SV10 1/2" at 300 overpressures; case 150 has a
    // quoted line break (file lines 152 and 153), case 151 is refused by the
    // window's check and the last one leaves its quote open.
    QByteArray csv = "valve-type;valve-size;set-pressure;overpressure;relieving-temp\r\n";
    std::vector<Cli::Case> cases;
    const QStringList pressures = {"1.5", "2.0", "2.5", "3.0", "3.5",
                                   "4.0", "4.5", "5.0", "5.5", "6.0"};
    for (int i = 0; i < 300; ++i) {
        QString b1 = QString::number(10 + i % 30) + QStringLiteral(",5");
        QString t1 = QString::number(5 + i % 140);
        QString p = pressures[i % 10];
        if (i == 150) {
            csv += "SV10;1/2;5.0;\"12\n\";20\n";
            b1 = QStringLiteral("12"), t1 = QStringLiteral("20"), p = QStringLiteral("5.0");
        } else if (i == 151) {
            csv += "SV10;1/2;5.0;9.5;20\n";
        } else if (i == 299) {
            csv += "SV10;1/2;5.0;\"12\n";
        } else {
            csv += ("SV10;1/2\";" + p + ";" + b1 + ";" + t1 + "\n").toUtf8();
        }
        cases.push_back({{"valve-type", "SV10"},
                         {"valve-size", "1/2"},
                         {"set-pressure", p},
                         {"overpressure", b1},
                         {"relieving-temp", t1}});
    }
    const BatchRun run = RunBatch("flow-water", csv, Cli::BatchFormat::Csv);
    EXPECT_EQ(run.summary.computed, 298);
    EXPECT_EQ(run.summary.refused, 2);
    EXPECT_EQ(run.summary.Status(), Cli::Refused);
    ASSERT_EQ(run.lines.size(), 300u);
    for (size_t i = 0; i < run.lines.size(); ++i)
        EXPECT_EQ(run.lines[i]["Row"].toInt(), int(i) + (i <= 150 ? 2 : 3)) << i;
    EXPECT_EQ(run.lines[151]["message"].toString(), kOverpressure);
    EXPECT_EQ(run.lines[299]["message"].toString(), "niezamknięty cudzysłów");
    for (size_t i : {size_t(0), size_t(149), size_t(150), size_t(152), size_t(298)}) {
        SCOPED_TRACE(i);
        QJsonObject answer = run.lines[i];
        answer.remove(QStringLiteral("Row"));
        EXPECT_EQ(answer, Parsed(RunCase("flow-water", cases[i]).record.Text()));
        EXPECT_GT(answer["Capacity"].toDouble(), 0);
    }
}

TEST_F(CliBatch, JsonLinesTakeOptionsOrRecordFieldsAndIgnoreResults) {
    const Cli::Result first =
        RunCase("flow-air", {{"valve-type", "SV20"}, {"valve-size", "1"}, {"set-pressure", "8"}});
    ASSERT_EQ(first.status, Cli::Computed);
    // A saved result fed back in, a case in option names, and bad lines.
    const QByteArray lines = first.record.Text() + "\n" +
                             "{\"valve-size\": \"2\", \"set-pressure\": 8, "
                             "\"relieving-temp\": 50.5}\n"
                             "\n"
                             "{\"valve-size\": \"2\"\n"
                             "{\"Colour\": \"red\"}\n"
                             "{\"overpressure\": [10]}\n"
                             "{\"valve-size\": \"5\"}\n";
    const BatchRun run =
        RunBatch("flow-air", lines, Cli::BatchFormat::JsonLines, {{"valve-type", "SV20"}});
    ASSERT_EQ(run.lines.size(), 6u);
    QJsonObject again = run.lines[0];
    EXPECT_EQ(again.take(QStringLiteral("Row")).toInt(), 1);
    EXPECT_EQ(again, Parsed(first.record.Text()));
    EXPECT_EQ(run.lines[1]["ValveSize"].toString(), "2\"");
    EXPECT_EQ(run.lines[1]["RelievingTemp"].toDouble(), 50.5);
    EXPECT_EQ(run.lines[1]["RelievingPressure"].toDouble(), 8.8);
    EXPECT_EQ(run.lines[2]["message"].toString(), "to nie jest obiekt JSON");
    EXPECT_EQ(run.lines[3]["message"].toString(), "nieznane pole \"Colour\"");
    EXPECT_EQ(run.lines[4]["message"].toString(),
              "pole \"overpressure\" nie jest liczbą, tekstem ani wartością logiczną");
    EXPECT_EQ(run.lines[5]["message"].toString(),
              "Zawór SV20 nie ma wielkości 5. Wielkości: 1/2\", 3/4\", 1\", 1 1/4\", 1 1/2\", "
              "2\".");
    EXPECT_EQ(run.lines[5]["Row"].toInt(), 7);
    EXPECT_EQ(run.summary.computed, 2);
    EXPECT_EQ(run.summary.refused, 4);
}

TEST_F(CliBatch, CsvHeaderAndCells) {
    // Record field names as columns, comma separated, quoted cells, an empty
    // cell for the default, a short line.
    const BatchRun run = RunBatch("flow-steam",
                                  "ValveType,ValveSize,SetPressure,Overpressure,Capacity\n"
                                  "SV30,\"1/2\"\"\",3.0,,\n"
                                  "SV30,1/2,3.0\n",
                                  Cli::BatchFormat::Csv);
    ASSERT_EQ(run.lines.size(), 2u);
    EXPECT_EQ(run.lines[0]["Overpressure"].toDouble(), 10.0);
    EXPECT_EQ(run.lines[0]["FlowDiameter"].toDouble(), 12.2);
    EXPECT_EQ(run.lines[1]["message"].toString(), "3 pola zamiast 5");
    EXPECT_EQ(run.summary.Status(), Cli::Refused);

    const BatchRun bad =
        RunBatch("flow-steam", "valve-type,colour\nSV10,red\n", Cli::BatchFormat::Csv);
    EXPECT_TRUE(bad.lines.empty());
    EXPECT_EQ(bad.summary.Status(), Cli::Usage);
    EXPECT_EQ(bad.summary.error, "Nieznana kolumna \"colour\" w nagłówku pliku; kolumny to "
                                 "opcje podkomendy flow-steam.");
    for (const char* empty : {"", "\n\n", "valve-type\n\n"}) {
        const BatchRun none = RunBatch("flow-steam", empty, Cli::BatchFormat::Csv);
        EXPECT_TRUE(none.summary.Empty()) << empty;
        EXPECT_EQ(none.summary.Status(), Cli::Usage);
    }
}

} // namespace

namespace {

// --- every size of a selection (--all) -------------------------------------------

class CliSizes : public ::testing::Test {
protected:
    void SetUp() override { Dane::ProgramDir = QStringLiteral(KALMO_TEST_PROGRAM_DIR); }
};

// One case of each kind of walk: the JSON rows (one selected at most, a row's
// margin from its own numbers), the text's header, and the exit status as
// without --all.
TEST_F(CliSizes, EveryKindOfWalkAnswersItsSizes) {
    const struct {
        const char* command;
        Cli::Case inputs;
        const char* header; // the text table's header line
        int status;
    } cases[] = {
        {"dobor-water",
         {{"valve-type", "SV20"}, {"set-pressure", "6.0"}, {"required-capacity", "12000"}},
         "Wielkość  d [mm]  m [kg/h]  mw [kg/h]  Zapas [%]",
         Cli::Computed},
        {"dobor-water",
         {{"valve-type", "SV20"}, {"set-pressure", "6.0"}, {"required-capacity", "1000000"}},
         "Wielkość  d [mm]  m [kg/h]    mw [kg/h]  Zapas [%]",
         Cli::Refused},
        {"moc",
         {{"valve-type", "SV20"}, {"set-pressure", "8.0"}, {"required-power", "1500"}},
         "Wielkość  d [mm]   N [kW]  Nw [kW]  Zapas [%]",
         Cli::Computed},
        {"wymiennik",
         {{"valve-type", "SV20"},
          {"set-pressure", "6.0"},
          {"network-pressure", "10"},
          {"permissible-pressure", "6"},
          {"installation-volume", "2"},
          {"coil-diameter", "20"},
          {"valve-count", "2"}},
         "Wielkość  d [mm]  n × m1 [kg/h]  M [kg/h]  Zapas [%]",
         Cli::Computed},
        {"dobor-mix",
         {{"valve-type", "SV20"}, {"set-pressure", "6.0"}, {"required-power", "300"}},
         "Wielkość  d [mm]  A [mm²]  Ap + Aw [mm²]  Zapas [%]",
         Cli::Computed},
    };
    for (const auto& c : cases) {
        const Cli::Command& command = *Cli::FindCommand(QString::fromLatin1(c.command));
        const Cli::Result result = command.RunWithSizes(c.inputs, false, true);
        EXPECT_EQ(result.status, c.status) << c.command;
        EXPECT_EQ(command.run(c.inputs, false).status, c.status);
        const QJsonArray rows = Parsed(result.Json().Text())["Sizes"].toArray();
        ASSERT_FALSE(rows.isEmpty()) << c.command;
        int selected = 0;
        for (const QJsonValue& v : rows) {
            const QJsonObject row = v.toObject();
            selected += row["Selected"].toBool();
            const double value = row["Value"].toDouble(), required = row["Requirement"].toDouble();
            EXPECT_NEAR(row["Margin"].toDouble(), (value - required) / required * 100, 1e-9);
            // Selected is the first covering size.
            if (row["Selected"].toBool()) {
                EXPECT_GE(value, required);
            }
        }
        EXPECT_EQ(selected, c.status == Cli::Computed ? 1 : 0) << c.command;
        const std::optional<Cli::Sizes> sizes = command.sizes(c.inputs);
        ASSERT_TRUE(sizes);
        EXPECT_EQ(Cli::SizesText(*sizes).split('\n').value(1), QString::fromUtf8(c.header));
    }
    // A capacity window walks no sizes: the option is not one of its.
    EXPECT_EQ(Cli::Parse({"flow-air", "--all"}).error,
              "Nieznana opcja --all podkomendy flow-air. Opis: kalmo-cli flow-air --help");
}

} // namespace
