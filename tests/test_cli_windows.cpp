// Every subcommand of kalmo-cli against its window: the same inputs typed into
// the window (offscreen, the valve chosen in the real dialog) and given to the
// command line give the same record and the same messages; the PDF report of
// --pdf reads as the window's; the program's exit statuses and streams, its
// batches from pipes, PDF targets it cannot write, typed control characters.

#include "test_capacity_fixture.h"

#include "cli/CommandLine.h"
#include "cli/WindowCommand.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include <sys/stat.h>

#include <cstdio>

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

// One case: the valve as listed in the dialog, and the fields typed (null:
// left as the window shows them).
struct CapacityCase {
    const char* command;
    const char* type;
    const char* size; // with the inch sign, as the list shows it
    const char* pressure;
    const char* overpressure = nullptr;
    const char* temperature = nullptr;
    const char* backPressure = nullptr;
};

void PrintTo(const CapacityCase& c, std::ostream* os) {
    *os << c.command << " " << c.type << " " << c.size << " " << c.pressure
        << " b1=" << (c.overpressure ? c.overpressure : "-")
        << " t1=" << (c.temperature ? c.temperature : "-")
        << " p2=" << (c.backPressure ? c.backPressure : "-");
}

Cli::Case CliInputs(const CapacityCase& c) {
    Cli::Case in = {{"valve-type", c.type}, {"valve-size", c.size}, {"set-pressure", c.pressure}};
    if (c.overpressure)
        in["overpressure"] = c.overpressure;
    if (c.temperature)
        in["relieving-temp"] = c.temperature;
    if (c.backPressure)
        in["back-pressure"] = c.backPressure;
    return in;
}

QStringList CliArguments(const CapacityCase& c) {
    QStringList args{QString::fromLatin1(c.command)};
    for (const auto& [option, text] : CliInputs(c))
        args << QStringLiteral("--") + option << text;
    return args;
}

struct Process {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// `input` on standard input, or written into the FIFO `fifo` once the program runs.
Process RunCli(const QStringList& arguments, const QByteArray& input = {},
               const QString& program = QStringLiteral(KALMO_CLI), const QString& fifo = {}) {
    QProcess p;
    p.start(program, arguments);
    Process run;
    if (!p.waitForStarted(30000)) {
        ADD_FAILURE() << "kalmo-cli did not start";
        return run;
    }
    QFile pipe(fifo);
    if (!fifo.isEmpty() && pipe.open(QIODevice::WriteOnly))
        pipe.write(input);
    else
        p.write(input);
    pipe.close();
    p.closeWriteChannel();
    if (!p.waitForFinished(60000)) {
        p.kill();
        p.waitForFinished();
        ADD_FAILURE() << "kalmo-cli did not end";
        return run;
    }
    run.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    run.out = p.readAllStandardOutput();
    run.err = p.readAllStandardError();
    return run;
}

class CliAgainstWindow : public CapacityWindowTest,
                         public ::testing::WithParamInterface<CapacityCase> {
protected:
    // The case typed into its window and "Oblicz" pressed: the record, or the
    // first warning box.
    struct WindowOutcome {
        QJsonObject record;
        QString message;
    };
    WindowOutcome ThroughWindow(const CapacityCase& c) {
        const QString command = QString::fromLatin1(c.command);
        QWidget* window = nullptr;
        if (command == "flow-water") {
            OpenWater();
            window = water;
        } else if (command == "flow-steam") {
            OpenSteam();
            window = steam;
        } else {
            OpenAir();
            window = air;
        }
        ChooseValve(window, c.type, c.size, c.pressure);
        const bool steamWindow = window == steam;
        const char* backField = window == water ? "Edit9" : "Edit8";
        if (c.overpressure)
            Type(window, "Edit3", QString::fromLatin1(c.overpressure));
        if (c.temperature && !steamWindow)
            Type(window, "Edit10", QString::fromLatin1(c.temperature));
        if (c.backPressure)
            Type(window, backField, QString::fromLatin1(c.backPressure));
        Click(window, "Button1");
        WindowOutcome outcome;
        if (!warnings.empty())
            outcome.message = warnings.front().text;
        else if (window == water)
            outcome.record = RecordJson(Dane::FlowWaterData);
        else if (window == steam)
            outcome.record = RecordJson(Dane::FlowSteamData);
        else
            outcome.record = RecordJson(Dane::FlowAirData);
        return outcome;
    }
};

TEST_P(CliAgainstWindow, SameRecordOrSameMessage) {
    const CapacityCase& c = GetParam();
    const WindowOutcome window = ThroughWindow(c);
    const Cli::Result cli =
        Cli::FindCommand(QString::fromLatin1(c.command))->run(CliInputs(c), false);
    if (!window.message.isEmpty()) {
        EXPECT_EQ(cli.status, Cli::Refused);
        EXPECT_EQ(cli.message, window.message);
        // JSON breaks the box's line with "\n".
        EXPECT_EQ(ParsedJson(cli.Json().Text()),
                  QJsonObject({{"message", QString(window.message).replace('\r', '\n')}}));
    } else {
        ASSERT_EQ(cli.status, Cli::Computed) << cli.message.toStdString();
        EXPECT_GT(window.record["Capacity"].toDouble(), 0);
        EXPECT_EQ(ParsedJson(cli.record.Text()), window.record);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Capacity, CliAgainstWindow,
    ::testing::Values(CapacityCase{"flow-water", "SV10", "1/2\"", "5.0"},
                      CapacityCase{"flow-water", "SV20", "1 1/4\"", "7.0", "25.5", "85.5", "0.5"},
                      CapacityCase{"flow-water", "SV20", "3/4\"", "6.0", "12.345", "149.9", "5.9"},
                      CapacityCase{"flow-water", "SV30", "1/2\"", "2.5", "30", "0.1"},
                      CapacityCase{"flow-water", "SV20.N w Tandor 40DN15", "1/2\"", "8.0", "11.11",
                                   "60"},
                      CapacityCase{"flow-water", "SV10", "1/2\"", "5.0", "9.9"},
                      CapacityCase{"flow-water", "SV10", "1/2\"", "5.0", "10", "20", "5.2"},
                      CapacityCase{"flow-water", "SV10", "1/2\"", "5.0", "10", "150"},
                      CapacityCase{"flow-water", "SV10", "1/2\"", "5.0", "10", "0"},
                      CapacityCase{"flow-water", "SV10", "1/2\"", "5.0", "."},
                      CapacityCase{"flow-water", "SV10", "1/2\"", "5.0", "10", "20", "1..2"},
                      CapacityCase{"flow-steam", "SV10", "3/4\"", "3.0"},
                      CapacityCase{"flow-steam", "SV20", "2\"", "10.0", "33.3", nullptr, "2.25"},
                      CapacityCase{"flow-steam", "SV30", "1/2\"", "3.0", "10", nullptr, "2.9"},
                      CapacityCase{"flow-steam", "SV20", "1\"", "10.0", "2000"},
                      CapacityCase{"flow-steam", "SV20", "1\"", "10.0", "10", nullptr, "10"},
                      CapacityCase{"flow-air", "SV10", "3/4\"", "3.0", "10", "35", "1.2"},
                      CapacityCase{"flow-air", "SV20", "1 1/2\"", "4.5", "17.5", "0.5"},
                      CapacityCase{"flow-air", "SV20.N", "1/2\"", "6.0", "10", "76.85"},
                      CapacityCase{"flow-air", "SV20.N", "1/2\"", "6.0", "10", "80"},
                      CapacityCase{"flow-air", "SV20.N", "1/2\"", "6.0", "10", "."}));

// --- the program -----------------------------------------------------------------

class CliProgram : public CapacityWindowTest {
protected:
    // A file of the work folder with `bytes`.
    QString File(const char* name, const QByteArray& bytes) {
        QFile f(work.filePath(QString::fromLatin1(name)));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
        return f.fileName();
    }
};

TEST_F(CliProgram, JsonAndTextOfTheProgramAreTheCoresCases) {
    const CapacityCase c{"flow-steam", "SV20", "2\"", "10.0", "33,3", nullptr, "2.25"};
    const Cli::Result core =
        Cli::FindCommand(QStringLiteral("flow-steam"))->run(CliInputs(c), false);
    QStringList args = CliArguments(c);
    const Process text = RunCli(args);
    EXPECT_EQ(text.exitCode, 0) << text.err.toStdString();
    EXPECT_EQ(QString::fromUtf8(text.out), core.text);
    EXPECT_TRUE(text.err.isEmpty());
    args << QStringLiteral("--json");
    const Process json = RunCli(args);
    EXPECT_EQ(json.exitCode, 0);
    EXPECT_EQ(json.out, core.record.Text() + "\n");
}

TEST_F(CliProgram, ExitStatusesAndStreams) {
    const struct {
        QStringList arguments;
        int exitCode;
        const char* out; // the start of standard output
        const char* err; // the start of standard error
    } cases[] = {
        {{"--help"}, 0, "kalmo-cli – obliczenia programu KALMO bez okien.", ""},
        {{"flow-water", "--help"}, 0, "kalmo-cli flow-water – Przepustowość - woda", ""},
        {{}, 2, "", "Brak podkomendy. Opis: kalmo-cli --help\n"},
        {{"flow-water", "--valve-type", "SV99"}, 2, "", "Nieznany typ zaworu \"SV99\"."},
        {{"flow-water", "--valve-type", "SV99", "--json"}, 2, "{\"message\":\"Nieznany typ", ""},
        {{"flow-water", "--overpressure", "9", "--json"},
         1,
         "{\"message\":\"Przyrost ciśnienia b1 musi być większy lub równy 10% !\"}\n",
         ""},
        {{"flow-water", "--valve-type", "SV10", "--valve-size", "1/2", "--set-pressure", "5",
          "--relieving-temp", "150"},
         1,
         "",
         "Wartość temperatury zrzutowej poza dopuszczalnym\nzakresem 0.1 - 149.9 st. C\n"},
        {{"flow-air", "--batch", "/nonexistent/cases.csv"},
         2,
         "",
         "Nie można otworzyć pliku \"/nonexistent/cases.csv\".\n"},
        // A report that cannot be written is an output error, an object with --json.
        {{"flow-water", "--valve-type", "SV10", "--valve-size", "1/2", "--set-pressure", "5",
          "--pdf", work.path(), "--json"},
         3,
         "{\"message\":\"Nie można zapisać pliku",
         ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        const Process run = RunCli(c.arguments);
        EXPECT_EQ(run.exitCode, c.exitCode);
        // Nothing where nothing is expected.
        EXPECT_TRUE(run.out.startsWith(c.out) && (*c.out != 0 || run.out.isEmpty()))
            << run.out.toStdString();
        EXPECT_TRUE(run.err.startsWith(c.err) && (*c.err != 0 || run.err.isEmpty()))
            << run.err.toStdString();
    }
}

TEST_F(CliProgram, BatchOfJsonLinesOnStandardInput) {
    QByteArray input;
    for (int i = 0; i < 200; ++i)
        input += i == 100 ? QByteArray("{\"overpressure\": \"abc\"}\n")
                          : QByteArray("{\"overpressure\": ") + QByteArray::number(10 + i % 20) +
                                ", \"relieving-temp\": " + QByteArray::number(i % 70) + "}\n";
    const Process run = RunCli({"flow-air", "--valve-type", "SV20", "--valve-size", "1",
                                "--set-pressure", "8", "--batch", "-", "--json"},
                               input);
    EXPECT_EQ(run.exitCode, 1);
    const QList<QByteArray> lines = run.out.split('\n');
    ASSERT_EQ(lines.size(), 201); // and the last line end
    EXPECT_EQ(lines[100], "{\"Row\":101,\"message\":\"Niepoprawna wartość przyrostu ciśnienia!\"}");
    EXPECT_EQ(ParsedJson(lines[199])["RelievingTemp"].toDouble(), 199 % 70);
    EXPECT_TRUE(run.err.isEmpty());
}

TEST_F(CliProgram, SteamWithoutItsTableBesideTheProgram) {
    // The program copied alone into an empty directory.
    const QString lonely = work.filePath(QStringLiteral("kalmo-cli"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(KALMO_CLI), lonely));
    const Process run = RunCli({"flow-steam", "--valve-type", "SV10", "--valve-size", "1/2",
                                "--set-pressure", "5", "--json"},
                               {}, lonely);
    EXPECT_EQ(run.exitCode, 1);
    Dane::ProgramDir = work.path() + QLatin1Char('/');
    TFlowSteamData d;
    d.FlowDiameter = 12;
    d.AlphaGas = 0.38;
    d.SetPressure = 5;
    d.RelievingPressure = 5.5;
    const Capacity::Outcome refused = Capacity::Oblicz(d);
    ASSERT_FALSE(refused.Succeeded());
    EXPECT_EQ(ParsedJson(run.out), QJsonObject({{"message", refused.Message()}}));
}

// --- the PDF report ----------------------------------------------------------------

class CliPdf : public CapacityWindowTest, public ::testing::WithParamInterface<CapacityCase> {};

TEST_P(CliPdf, ReadsAsTheWindowsReport) {
    REQUIRE_PDFTOTEXT();
    const CapacityCase& c = GetParam();
    const QString command = QString::fromLatin1(c.command);
    QWidget* window = command == "flow-water"   ? static_cast<QWidget*>(water)
                      : command == "flow-steam" ? static_cast<QWidget*>(steam)
                                                : static_cast<QWidget*>(air);
    OpenFromMenu(command == "flow-water"   ? "Woda1"
                 : command == "flow-steam" ? "Parawodna1"
                                           : "Powietrze1",
                 window);
    ChooseValve(window, c.type, c.size, c.pressure);
    if (c.overpressure)
        Type(window, "Edit3", QString::fromLatin1(c.overpressure));
    if (c.temperature)
        Type(window, "Edit10", QString::fromLatin1(c.temperature));
    Click(window, "Button1");
    ASSERT_TRUE(warnings.empty());
    const std::vector<QString> windowPages = PrintPdf(window, QStringLiteral("window.pdf"));
    ASSERT_FALSE(windowPages.empty());

    const QString file = work.filePath(QStringLiteral("cli.pdf"));
    const Process run = RunCli(CliArguments(c) << QStringLiteral("--pdf") << file);
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(PdfPages(file), windowPages);
}

INSTANTIATE_TEST_SUITE_P(
    Capacity, CliPdf,
    ::testing::Values(CapacityCase{"flow-water", "SV10", "1/2\"", "5.0", "12.5", "45"},
                      CapacityCase{"flow-steam", "SV20", "1\"", "8.0"},
                      CapacityCase{"flow-air", "SV30", "3/4\"", "3.0", "10", "5"}));

TEST_F(CliProgram, PdfOfARefusedCaseIsNotWritten) {
    const QString file = work.filePath(QStringLiteral("none.pdf"));
    const Process run = RunCli({"flow-water", "--valve-type", "SV10", "--pdf", file});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(QString::fromUtf8(run.err), "Brak kompletu danych do wykonania obliczeń!\n");
    EXPECT_FALSE(QFileInfo::exists(file));
}

// A batch read to its end from every kind of source, one answer per case with
// the row it answers; blank lines are none, a quoted line break is one cell.
TEST_F(CliProgram, BatchFromAnySourceAnswersEveryRow) {
    const QString p9 = QStringLiteral("Zawór SV10 nie ma ciśnienia nastawy 9 bar. Ciśnienia: 1.5, "
                                      "2.0, 2.5, 3.0, 3.5, 4.0, 4.5, 5.0, 5.5, 6.0.");
    const QByteArray csv = "valve-type;valve-size;set-pressure\n\nSV10;1/2;5\nSV10;\"1/2\n\";9\n"
                           "\nSV10;1/2\n";
    const QByteArray json =
        "{\"valve-type\":\"SV10\",\"valve-size\":\"1/2\",\"set-pressure\":5}\n"
        "\n{\"valve-type\":\"SV10\",\"valve-size\":\"1/2\",\"set-pressure\":9}\n"
        "{\"set-pressure\":\n";
    const std::pair<QByteArray, QString> formats[] = {
        {csv, "3 ok|4 " + p9 + "|7 2 pola zamiast 3"},
        {json, "1 ok|3 " + p9 + "|4 to nie jest obiekt JSON"}};
    const QString fifo = work.filePath(QStringLiteral("fifo"));
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    for (const auto& [input, expected] : formats)
        for (const QString& source : {QStringLiteral("/dev/stdin"), QStringLiteral("-"), fifo}) {
            const Process run =
                RunCli({"flow-air", "--json", "--batch", source}, input, QStringLiteral(KALMO_CLI),
                       source == fifo ? fifo : QString());
            QStringList answers;
            for (const QByteArray& line : run.out.trimmed().split('\n')) {
                const QJsonObject a = ParsedJson(line);
                answers << QString::number(a["Row"].toInt()) + ' ' +
                               (a.contains("Capacity") ? "ok" : a["message"].toString());
            }
            EXPECT_EQ(answers.join('|'), expected) << source.toStdString();
            EXPECT_EQ(run.exitCode, 1);
        }
    // A source without a case is a usage error.
    for (const QByteArray& empty : {QByteArray(), QByteArray("\n\n"), csv.left(35)}) {
        const QString file = File("empty.csv", empty);
        const Process run = RunCli({"flow-air", "--batch", file});
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_EQ(run.err, "Plik \"" + file.toUtf8() + "\" nie zawiera żadnego przypadku.\n");
    }
}

// A PDF that cannot be written ends with status 3 and says why.
TEST_F(CliProgram, PdfThatCannotBeWritten) {
    const QStringList water = {"flow-water", "--valve-type",   "SV10", "--valve-size",
                               "1/2",        "--set-pressure", "5",    "--json",
                               "--pdf"};
    const QString disk = work.filePath(QStringLiteral("disk"));
    QDir().mkpath(disk);
    // A full file system: a small tmpfs, where this test may mount one.
    const bool mounted =
        QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=64k", "x", disk}) == 0;
    if (mounted)
        File("disk/filler", QByteArray(60 * 1024, 'x'));
    const std::pair<QString, QString> cases[] = {
        {work.path(), QStringLiteral("to nie jest zwykły plik")},
        {work.filePath("no/r.pdf"), "folder \"" + work.filePath("no") + "\" nie istnieje"},
        {disk + "/r.pdf", QStringLiteral("brak miejsca na dysku")}};
    for (const auto& [target, reason] : cases) {
        if (!mounted && target.startsWith(disk)) {
            std::puts("cannot mount a tmpfs here: a PDF on a full disk is not tried");
            continue;
        }
        const Process run = RunCli(water + QStringList{target});
        EXPECT_EQ(run.exitCode, 3);
        EXPECT_EQ(ParsedJson(run.out)["message"].toString(),
                  "Nie można zapisać pliku \"" + target + "\": " + reason +
                      ".\nPlik PDF nie został utworzony.");
    }
    if (mounted)
        QProcess::execute("umount", {disk});
}

// What was typed comes back with its control characters escaped, never raw.
TEST_F(CliProgram, ControlCharactersAreShownEscaped) {
    const Process typed =
        RunCli({"flow-water", "--valve-type", QString::fromUtf8("SV\x1B[2J\xC2\x9B\nX")});
    EXPECT_TRUE(typed.err.startsWith("Nieznany typ zaworu \"SV\\x1B[2J\\u009B\\nX\". Typy: SV10"));
    const Process elf = RunCli({"flow-air", "--batch",
                                File("elf.csv", QByteArray("v\x7F"
                                                           "ELF\0\x01",
                                                           7))});
    EXPECT_EQ(elf.err, "Nieznana kolumna \"v\\x7FELF\\x00\\x01\" w nagłówku pliku; kolumny to "
                       "opcje podkomendy flow-air.\n");
}

} // namespace
