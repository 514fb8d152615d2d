// dobor-water and dobor-steam against their windows: the same inputs typed into
// the window (offscreen, the type and set pressure chosen in the real valve
// type dialog) and given to the command line give the same record and the same
// messages, and --pdf reads as the window's PDF report.

#include "test_selection_support.h"

#include "cli/WindowCommand.h"
#include "selection/Dobor_steam.h"
#include "selection/Dobor_water.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

namespace {

QJsonObject ParsedJson(const QByteArray& text) {
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(text, &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << text.toStdString();
    return doc.object();
}

// The record as the command line writes it, from its field table.
template <class R> QJsonObject RecordJson(const R& record) {
    return ParsedJson(Cli::RecordJson(record).Text());
}

// One case: type and set pressure as the dialog lists them, and the fields
// typed (null: left as the window shows them).
struct SelectionCase {
    const char* command;
    const char* type;
    const char* pressure;
    const char* required = nullptr;
    const char* overpressure = nullptr;
    const char* backPressure = nullptr;
    const char* temperature = nullptr; // water only
};

void PrintTo(const SelectionCase& c, std::ostream* os) {
    *os << c.command << " " << c.type << " " << c.pressure
        << " mw=" << (c.required ? c.required : "-")
        << " b1=" << (c.overpressure ? c.overpressure : "-")
        << " p2=" << (c.backPressure ? c.backPressure : "-")
        << " t1=" << (c.temperature ? c.temperature : "-");
}

Cli::Case CliInputs(const SelectionCase& c) {
    Cli::Case in = {{"valve-type", c.type}, {"set-pressure", c.pressure}};
    if (c.required)
        in["required-capacity"] = c.required;
    if (c.overpressure)
        in["overpressure"] = c.overpressure;
    if (c.backPressure)
        in["back-pressure"] = c.backPressure;
    if (c.temperature)
        in["relieving-temp"] = c.temperature;
    return in;
}

class CliSelection : public SelectionWindowTest,
                     public ::testing::WithParamInterface<SelectionCase> {
protected:
    void SetUp() override {
        SelectionWindowTest::SetUp();
        water = new TfrmDoborWater(main.get());
        Connect(water, &Dane::WaterSelectionActive);
        steam = new TfrmDoborPara(main.get());
        Connect(steam, &Dane::SteamSelectionActive);
    }

    // The case typed into its window and "Oblicz" pressed.
    QWidget* Compute(const SelectionCase& c) {
        QWidget* window = QString::fromLatin1(c.command) == "dobor-water"
                              ? static_cast<QWidget*>(water)
                              : static_cast<QWidget*>(steam);
        ShowAndActivate(window);
        ChooseType(window, QString::fromUtf8(c.type), QString::fromLatin1(c.pressure));
        if (c.required)
            Type(window, "Edit3", QString::fromLatin1(c.required));
        if (c.overpressure)
            Type(window, "Edit4", QString::fromLatin1(c.overpressure));
        if (c.temperature)
            Type(window, "Edit5", QString::fromLatin1(c.temperature));
        if (c.backPressure)
            Type(window, "Edit1", QString::fromLatin1(c.backPressure));
        Click(window, "Button1");
        return window;
    }

    TfrmDoborWater* water = nullptr;
    TfrmDoborPara* steam = nullptr;
};

TEST_P(CliSelection, SameRecordOrSameMessage) {
    const SelectionCase& c = GetParam();
    QWidget* window = Compute(c);
    const Cli::Result cli =
        Cli::FindCommand(QString::fromLatin1(c.command))->run(CliInputs(c), false);
    if (!warnings.empty()) {
        EXPECT_EQ(cli.status, Cli::Refused);
        EXPECT_EQ(cli.message, warnings.front().text);
        return;
    }
    ASSERT_EQ(cli.status, Cli::Computed) << cli.message.toStdString();
    const QJsonObject record =
        window == water ? RecordJson(Dane::DoborWaterData) : RecordJson(Dane::DoborSteamData);
    EXPECT_EQ(ParsedJson(cli.record.Text()), record);
    EXPECT_FALSE(record["ValveSize"].toString().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Selection, CliSelection,
    ::testing::Values(SelectionCase{"dobor-water", "SV10", "5.0", "3000"},
                      SelectionCase{"dobor-water", "SV20", "6.0", "12000.5", "25", "1.5", "90"},
                      SelectionCase{"dobor-water", "SV20", "10.0", "45000", "12.34", nullptr,
                                    "149.9"},
                      SelectionCase{"dobor-water", "SV30", "2.5", "500", "10", "0", "0.1"},
                      SelectionCase{"dobor-water", "SV20", "6.0", "1000000"},
                      SelectionCase{"dobor-water", "SV20", "6.0", "1000", "9.9"},
                      SelectionCase{"dobor-water", "SV20", "6.0", "1000", "10", "6"},
                      SelectionCase{"dobor-water", "SV20", "6.0", "1000", "10", nullptr, "150"},
                      SelectionCase{"dobor-water", "SV20", "6.0", "."},
                      SelectionCase{"dobor-water", "SV20", "6.0"},
                      SelectionCase{"dobor-steam", "SV10", "3.0", "300"},
                      SelectionCase{"dobor-steam", "SV20", "8.0", "2500", "15.5", "2"},
                      SelectionCase{"dobor-steam", "SV20.N", "10.0", "800"},
                      SelectionCase{"dobor-steam", "SV20", "8.0", "1000000"},
                      SelectionCase{"dobor-steam", "SV20", "8.0", "100", "10", "8"},
                      SelectionCase{"dobor-steam", "SV20", "8.0", "100", "1..0"}));

class CliSelectionPdf : public CliSelection {};

TEST_P(CliSelectionPdf, ReadsAsTheWindowsReport) {
    if (!QFileInfo(QStringLiteral(KALMO_PDFTOTEXT)).isExecutable())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    const SelectionCase& c = GetParam();
    QWidget* window = Compute(c);
    ASSERT_TRUE(warnings.empty());
    const QStringList windowLines = PdfLines(SavePdf(window, QStringLiteral("window.pdf")));
    ASSERT_FALSE(windowLines.isEmpty());

    const QString file = work + QStringLiteral("/cli.pdf");
    QStringList args{QString::fromLatin1(c.command)};
    for (const auto& [option, text] : CliInputs(c))
        args << QStringLiteral("--") + option << text;
    args << QStringLiteral("--pdf") << file;
    QProcess p;
    p.start(QStringLiteral(KALMO_CLI), args);
    ASSERT_TRUE(p.waitForFinished(60000));
    ASSERT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    EXPECT_EQ(PdfLines(file), windowLines);
}

INSTANTIATE_TEST_SUITE_P(
    Selection, CliSelectionPdf,
    ::testing::Values(SelectionCase{"dobor-water", "SV20", "6.0", "12000.5", "25", "1.5", "90"},
                      SelectionCase{"dobor-steam", "SV20", "8.0", "2500", "15.5", "2"}));

} // namespace
