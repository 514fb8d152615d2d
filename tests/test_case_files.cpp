// Calculation files: a window's case saved and opened again, the files that
// are refused, and a saved calculation that no longer holds, in the program
// and in kalmo-cli open.

#include "GuiTest.h"
#include "ReportTexts.h"

#include "app/Startup.h"
#include "cli/CaseFile.h"
#include "data/Dane.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QProcess>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A case of a window's subcommand that computes.
struct Window {
    const char* command;
    Cli::Case inputs;
};

void PrintTo(const Window& w, std::ostream* os) {
    *os << w.command;
}

QByteArray SavedText(const char* command, const Cli::Case& inputs) {
    const Cli::Command& c = *Cli::FindCommand(QString::fromLatin1(command));
    const Cli::Result r = c.run(inputs, false);
    EXPECT_EQ(r.status, Cli::Computed) << r.message.toStdString();
    return Cli::CaseFile::Text(c, r.record, &r.record);
}

bool WriteFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

const Cli::Case kDoborWater = {{"valve-type", "SV20"},           {"set-pressure", "6.0"},
                               {"required-capacity", "12000.5"}, {"overpressure", "25"},
                               {"back-pressure", "1.5"},         {"relieving-temp", "90"}};

class CaseFiles : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        windows = CreateWindows();
        main.reset(windows.frmKalmo3);
        ASSERT_TRUE(dir.isValid());
    }

    QString Path(const QString& name) const { return dir.filePath(name); }

    // "Zapisz obliczenia…" with the file dialog answered `path`.
    void SaveAs(const QString& path) {
        onModal = [path](QDialog* dialog) {
            auto* files = qobject_cast<QFileDialog*>(dialog);
            EXPECT_NE(files, nullptr);
            if (!files)
                return int(QDialog::Rejected);
            EXPECT_EQ(files->nameFilters(), QStringList{"Obliczenia KALMO (*.kalmo)"});
            files->selectFile(path);
            return int(QDialog::Accepted);
        };
        main->Zapiszobliczenia1Click();
        onModal = nullptr;
    }

    // What a window shows: every field's text, every radio item's and spin's state.
    static QStringList Shown(const QWidget* window) {
        QStringList shown;
        for (const QLineEdit* e : window->findChildren<QLineEdit*>())
            if (!e->objectName().isEmpty())
                shown << e->objectName() + QLatin1Char('=') + e->text() +
                             (e->isEnabled() ? QString() : QStringLiteral(" (off)"));
        for (const QAbstractButton* b : window->findChildren<QAbstractButton*>())
            if (b->isCheckable())
                shown << b->text() + QLatin1Char('=') + QString::number(b->isChecked());
        for (const QSpinBox* s : window->findChildren<QSpinBox*>())
            shown << s->objectName() + QLatin1Char('=') + QString::number(s->value());
        return shown;
    }

    KalmoWindows windows;
    std::unique_ptr<TfrmKalmo3> main;
    QTemporaryDir dir;
};

class EveryWindow : public CaseFiles, public ::testing::WithParamInterface<Window> {};

// A case opened into its window and computed there, saved, the window
// closed and its record and controls put back to the start, opened again:
// the same texts, controls and report, and the window computed what the
// command line computes.
TEST_P(EveryWindow, SavedAndOpenedAgainAsItWas) {
    const Window& w = GetParam();
    const QByteArray first = SavedText(w.command, w.inputs);
    ASSERT_TRUE(WriteFile(Path("pierwszy.kalmo"), first));
    main->OpenFile(Path("pierwszy.kalmo"));
    CalcWindow* window = main->CurrentCalculation();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->objectName(), Cli::FindCommand(w.command)->formName);
    ASSERT_EQ(WarningTexts(), std::vector<QString>{}) << Shown(window).join(' ').toStdString();
    QTest::mouseClick(Find<QAbstractButton>(window, "Button1"), Qt::LeftButton);
    ASSERT_EQ(WarningTexts(), std::vector<QString>{});
    const QStringList shown = Shown(window);
    const Calc::Outcome<Report::Content> report = window->LastReport();
    ASSERT_TRUE(report);

    SaveAs(Path("drugi.kalmo"));
    ASSERT_EQ(WarningTexts(), std::vector<QString>{});
    QFile saved(Path("drugi.kalmo"));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QJsonObject second = QJsonDocument::fromJson(saved.readAll()).object();
    const QJsonObject expected = QJsonDocument::fromJson(first).object();
    // The window computed what the command line computes.
    for (const char* key : {"Window", "Inputs"})
        EXPECT_EQ(second.value(key), expected.value(key)) << key;
    const Cli::Command& command = *Cli::FindCommand(w.command);
    const auto rows = [&command](const QJsonObject& file) {
        QStringList texts;
        const auto shown = command.rowsOf(file["Calculation"].toObject());
        for (const Cli::ShownRow& row : shown.value_or(std::vector<Cli::ShownRow>()))
            texts << row.label + row.value + row.unit;
        return texts;
    };
    EXPECT_EQ(rows(second), rows(expected));

    window->hide();
    const QString programDir = Dane::ProgramDir;
    Dane::ResetDefaults();
    Dane::ProgramDir = programDir;
    for (QAbstractButton* b : window->findChildren<QAbstractButton*>())
        if (b->isCheckable() && !b->isChecked())
            b->click();
    for (QSpinBox* s : window->findChildren<QSpinBox*>())
        s->setValue(s->maximum());
    main->OpenFile(Path("drugi.kalmo"));
    EXPECT_EQ(WarningTexts(), std::vector<QString>{});
    EXPECT_EQ(main->CurrentCalculation(), window);
    EXPECT_EQ(Shown(window), shown);
    const Calc::Outcome<Report::Content> again = window->LastReport();
    ASSERT_TRUE(again);
    EXPECT_EQ(TextsOf(*again), TextsOf(*report));
    EXPECT_EQ(again->PrinterPages(), report->PrinterPages());
    EXPECT_EQ(again->PdfPages(), report->PdfPages());
    EXPECT_EQ(TfrmKalmo3::RecentFiles().front(), QFileInfo(Path("drugi.kalmo")).absoluteFilePath());
}

INSTANTIATE_TEST_SUITE_P(
    Windows, EveryWindow,
    ::testing::Values(
        Window{"flow-air",
               {{"valve-type", "SV10"},
                {"valve-size", "1/2\""},
                {"set-pressure", "5.0"},
                {"relieving-temp", "35.55"}}},
        Window{"flow-steam",
               {{"valve-type", "SV20"},
                {"valve-size", "1\""},
                {"set-pressure", "8.0"},
                {"overpressure", "15"}}},
        Window{"flow-water",
               {{"valve-type", "SV10"},
                {"valve-size", "1/2\""},
                {"set-pressure", "5.0"},
                {"overpressure", "12.5"},
                {"relieving-temp", "45"}}},
        Window{"dobor-water", kDoborWater},
        Window{"dobor-steam",
               {{"valve-type", "SV20"},
                {"set-pressure", "8.0"},
                {"required-capacity", "2500"},
                {"overpressure", "15.5"},
                {"back-pressure", "2"}}},
        Window{"moc",
               {{"valve-type", "SV20"}, {"set-pressure", "8.0"}, {"required-power", "1500"}}},
        Window{"dobor-air",
               {{"valve-type", "SV20"},
                {"set-pressure", "6.0"},
                {"compressor-output", "10"},
                {"required-capacity", "999"},
                {"mode", "1"}}},
        Window{"dobor-mix",
               {{"valve-type", "SV20"}, {"set-pressure", "6.0"}, {"required-power", "300"}}},
        Window{"wymiennik",
               {{"valve-type", "SV20"},
                {"set-pressure", "6.0"},
                {"network-pressure", "10"},
                {"permissible-pressure", "6"},
                {"installation-volume", "2"},
                {"network-water-temp", "130"},
                {"coil-diameter", "10"},
                {"plate-area", "0.0001"},
                {"coil-exchanger", "false"},
                {"valve-count", "2"}}},
        Window{"para-woda",
               {{"valve-type", "SV20"},
                {"set-pressure", "6.0"},
                {"network-pressure", "10"},
                {"permissible-pressure", "6"},
                {"coil-diameter", "20"},
                {"plate-area", "0.3"},
                {"valve-count", "3"}}},
        Window{"ekspansja",
               {{"valve-type", "SV10"},
                {"set-pressure", "6.0"},
                {"permissible-pressure", "6"},
                {"heat-input", "50000"},
                {"water-temp", "80"},
                {"water-volume", "5"},
                {"start-temp", "10"},
                {"end-temp", "90"},
                {"heating-time", "60"},
                {"antifreeze-percent", "10"},
                {"mode", "1"}}}));

// The file a hostile or broken source may give: refused with a message that
// names it, nothing opened.
TEST_F(CaseFiles, FilesThatAreRefused) {
    const QJsonObject good =
        QJsonDocument::fromJson(SavedText("dobor-water", kDoborWater)).object();
    // The file with one member, or one member of its inputs or calculation, changed.
    const auto with = [](QJsonObject file, const char* key, const QJsonValue& value,
                         const char* member = nullptr) {
        if (!member) {
            file[key] = value;
        } else {
            QJsonObject part = file[key].toObject();
            if (value.isUndefined())
                part.remove(member);
            else
                part[member] = value;
            file[key] = part;
        }
        return file;
    };
    const auto text = [](const QJsonObject& file) { return QJsonDocument(file).toJson(); };
    const QJsonObject inputsOnly = with(good, "Calculation", QJsonValue::Null);
    const QString p = QStringLiteral("Plik \"x.kalmo\"");
    const struct {
        QByteArray file;
        QString message; // a message that ends in "…" is a beginning
    } cases[] = {
        {"{\"Format\": ", p + " nie jest plikiem obliczeń KALMO."},
        {"[1, 2]", p + " nie jest plikiem obliczeń KALMO."},
        {text(with(good, "Format", "KALMO")), p + " nie jest plikiem obliczeń KALMO."},
        {text(with(good, "Version", 2)),
         p + " zapisała nowsza wersja programu (format 2); ta wersja czyta format 1."},
        {text(with(good, "Window", "frmKalmo3")),
         p + " dotyczy okna \"frmKalmo3\", którego program nie ma."},
        {text(with(good, "Inputs", QJsonValue::Undefined, "Overpressure")),
         p + ": brak pola \"Overpressure\"."},
        {text(with(good, "Inputs", "10", "Overpressure")),
         p + ": pole \"Overpressure\" nie jest liczbą."},
        {text(with(good, "Inputs", 10, "ValveType")), p + ": pole \"ValveType\" nie jest tekstem."},
        // Qt's reader refuses a number beyond a double.
        {text(with(good, "Inputs", 12345, "Overpressure")).replace("12345", "1e999"),
         p + " nie jest plikiem obliczeń KALMO."},
        {text(with(good, "Inputs", -5, "BackPressure")),
         p + ": pole \"BackPressure\" ma wartość spoza zakresu od -1 do 200 bar."},
        {text(with(good, "Inputs", 150, "RelievingTemp")),
         p + ": Wartość temperatury zrzutowej poza dopuszczalnym\rzakresem 0.1 - 149.9 st. C"},
        {text(with(inputsOnly, "Inputs", "../../etc/passwd", "ValveType")),
         p + ": Nieznany typ zaworu \"../../etc/passwd\". Typy: …"},
        {text(with(good, "Calculation", QJsonValue::Undefined, "Capacity")),
         p + ": zapisane wyniki obliczeń są niekompletne."},
        {text(with(good, "Calculation", "15000", "Capacity")),
         p + ": zapisane wyniki obliczeń są niekompletne."},
    };
    for (const auto& c : cases) {
        QString error;
        EXPECT_FALSE(Cli::CaseFile::Parse(c.file, QStringLiteral("/tmp/x.kalmo"), &error))
            << c.file.toStdString();
        if (c.message.endsWith(QChar(0x2026)))
            EXPECT_TRUE(error.startsWith(c.message.chopped(1))) << error.toStdString();
        else
            EXPECT_EQ(error, c.message);
    }
    // Too large for a calculation file, whatever it holds.
    ASSERT_TRUE(WriteFile(Path("duzy.kalmo"), QByteArray(Cli::CaseFile::kLargest + 1, ' ')));
    main->OpenFile(Path("duzy.kalmo"));
    EXPECT_EQ(WarningTexts(),
              std::vector<QString>{"Plik \"duzy.kalmo\" jest za duży (ponad 1 MiB) na plik "
                                   "obliczeń KALMO."});
    EXPECT_EQ(main->CurrentCalculation(), nullptr);
}

// A saved result that today's data no longer give, a valve gone from the
// catalogue and a data file gone: the window opens with the saved inputs and
// says so; kalmo-cli open says so too and ends with 1, and 0 while it holds.
TEST_F(CaseFiles, ResultsThatNoLongerHold) {
    QJsonObject file = QJsonDocument::fromJson(SavedText("dobor-water", kDoborWater)).object();
    ASSERT_TRUE(WriteFile(Path("aktualny.kalmo"), QJsonDocument(file).toJson()));
    QJsonObject calculation = file["Calculation"].toObject();
    calculation["Capacity"] = 12345.67;
    calculation["ValveSize"] = "3/4\"";
    file["Calculation"] = calculation;
    ASSERT_TRUE(WriteFile(Path("inny.kalmo"), QJsonDocument(file).toJson()));
    QJsonObject inputs = file["Inputs"].toObject();
    inputs["ValveType"] = "SV20.X";
    file["Inputs"] = inputs;
    ASSERT_TRUE(WriteFile(Path("bez_zaworu.kalmo"), QJsonDocument(file).toJson()));

    const QString differs = QStringLiteral("Wyniki obliczeń różnią się od zapisanych w pliku:\r"
                                           "Wielkość : 3/4\" → 1 1/4\"\r"
                                           "Przepustowość : 12 345.7 → 17 320.5 [kg/h]");
    const QString gone = QStringLiteral("Obliczeń zapisanych w pliku nie można powtórzyć:\r"
                                        "Nieznany typ zaworu \"SV20.X\". Typy: …");
    main->OpenFile(Path("inny.kalmo"));
    EXPECT_EQ(WarningTexts(), std::vector<QString>{differs});
    CalcWindow* window = main->CurrentCalculation();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(Find<QLineEdit>(window, "Edit10")->text().trimmed(), "17 320.5");
    EXPECT_TRUE(window->LastReport());
    window->hide();
    warnings.clear();
    main->OpenFile(Path("bez_zaworu.kalmo"));
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_TRUE(warnings[0].text.startsWith(gone.chopped(1)));
    EXPECT_FALSE(window->LastReport());
    window->hide();
    warnings.clear();

    // The data file of the type gone from the program directory.
    QTemporaryDir program;
    for (const QString& f : QDir(Dane::ProgramDir).entryList({"para.dat", "SV10"}, QDir::Files))
        ASSERT_TRUE(QFile::copy(Dane::ProgramDir + f, program.filePath(f)));
    Dane::ProgramDir = program.path() + QLatin1Char('/');
    main->OpenFile(Path("aktualny.kalmo"));
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_TRUE(warnings[0].text.startsWith("Obliczeń zapisanych w pliku nie można powtórzyć:\r"))
        << warnings[0].text.toStdString();

    const struct {
        const char* file;
        int exitCode;
        QString err;
    } runs[] = {{"aktualny.kalmo", 0, QString()},
                {"inny.kalmo", 1, QString(differs).replace('\r', '\n') + '\n'},
                {"bez_zaworu.kalmo", 1, QString(gone).replace('\r', '\n')},
                {"brak.kalmo", 2, QString()}};
    for (const auto& r : runs) {
        QProcess cli;
        cli.start(QStringLiteral(KALMO_CLI), {"open", Path(r.file)});
        ASSERT_TRUE(cli.waitForFinished(60000));
        EXPECT_EQ(cli.exitCode(), r.exitCode) << r.file;
        const QString err = QString::fromUtf8(cli.readAllStandardError());
        if (r.err.endsWith(QChar(0x2026))) {
            EXPECT_TRUE(err.startsWith(r.err.chopped(1))) << err.toStdString();
        } else if (r.exitCode != 2) {
            EXPECT_EQ(err, r.err) << r.file;
        }
    }
}

// Saving needs a shown calculation window and fields that hold numbers; opening
// needs none shown; a file that cannot be written leaves the old one whole.
TEST_F(CaseFiles, WhatSavingAndOpeningRefuse) {
    main->Zapiszobliczenia1Click();
    EXPECT_EQ(WarningTexts(),
              std::vector<QString>{"Nie otwarto okna obliczeń – nie ma czego zapisać."});
    warnings.clear();
    ASSERT_TRUE(WriteFile(Path("woda.kalmo"), SavedText("dobor-water", kDoborWater)));
    main->OpenFile(Path("woda.kalmo"));
    CalcWindow* window = main->CurrentCalculation();
    ASSERT_NE(window, nullptr);
    main->OpenFile(Path("woda.kalmo"));
    EXPECT_EQ(WarningTexts(), std::vector<QString>{"Zamknij okno obliczeń przed otwarciem pliku."});
    warnings.clear();

    // A directory where the file should go: the old file stays as it was.
    QDir().mkpath(Path("katalog.kalmo"));
    SaveAs(Path("katalog.kalmo"));
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_TRUE(warnings[0].text.startsWith("Nie udało się zapisać pliku \"" +
                                            Path("katalog.kalmo") + "\""));
    EXPECT_TRUE(warnings[0].text.endsWith("!"));
    warnings.clear();

    Find<QLineEdit>(window, "Edit1")->setText("1..5");
    SaveAs(Path("nowy.kalmo"));
    EXPECT_EQ(warnings.size(), 1u);
    EXPECT_FALSE(QFile::exists(Path("nowy.kalmo")));
}

} // namespace
