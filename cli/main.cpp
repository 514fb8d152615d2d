// kalmo-cli: the calculation windows' "Oblicz" and reports from the command
// line. Reads its data files from its own directory, as the program does, and
// never needs a display.

#include "cli/CommandLine.h"
#include "data/Dane.h"
#include "report/ReportOutput.h"

#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QScreen>

#include <cstdio>
#include <memory>

namespace {

void Write(std::FILE* stream, const QByteArray& bytes) {
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stream);
}

void WriteLine(std::FILE* stream, QString text) {
    // The windows break a message's line with a carriage return.
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    if (!text.endsWith(QLatin1Char('\n')))
        text += QLatin1Char('\n');
    Write(stream, text.toUtf8());
}

// A message of the command line: a JSON object on standard output with --json,
// otherwise text on standard error.
int Fail(bool json, const QString& message, int status) {
    if (json) {
        Cli::JsonObject object;
        object.Add(QStringLiteral("message"), message);
        Write(stdout, object.Text() + '\n');
    } else {
        WriteLine(stderr, message);
    }
    return status;
}

// The platform's notes on standard error (no runtime directory, fonts) would
// mix with the results; only what stops the program gets through.
void QuietMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        WriteLine(stderr, message);
}

} // namespace

int main(int argc, char** argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const Cli::Parsed parsed = Cli::Parse(arguments);
    const bool json = arguments.contains(QStringLiteral("--json"));
    if (!parsed.error.isEmpty())
        return Fail(json, parsed.error, Cli::Usage);
    const Cli::Invocation& inv = parsed.invocation;
    if (inv.help) {
        WriteLine(stdout, inv.command ? Cli::CommandHelp(*inv.command) : Cli::GeneralHelp());
        return Cli::Computed;
    }

    // The report pages are drawn with the toolkit's fonts: a GUI application,
    // on the offscreen platform so that no display is ever needed.
    int appArgc = 1;
    std::unique_ptr<QCoreApplication> app;
    if (!inv.pdf.isEmpty()) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler(QuietMessages);
        app = std::make_unique<QGuiApplication>(appArgc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(appArgc, argv);
    }
    Dane::ProgramDir = QCoreApplication::applicationDirPath() + QLatin1Char('/');

    if (!inv.batch.isEmpty()) {
        QFile in;
        Cli::BatchFormat format = Cli::BatchFormat::Csv;
        if (inv.batch == QLatin1String("-")) {
            format = Cli::BatchFormat::JsonLines;
            in.open(stdin, QIODevice::ReadOnly);
        } else {
            in.setFileName(inv.batch);
            if (inv.batch.endsWith(QLatin1String(".jsonl")))
                format = Cli::BatchFormat::JsonLines;
            if (!in.open(QIODevice::ReadOnly))
                return Fail(json, QStringLiteral("Nie można otworzyć pliku \"%1\".").arg(inv.batch),
                            Cli::Usage);
        }
        const Cli::BatchSummary summary =
            Cli::RunBatch(*inv.command, inv.inputs, in, format,
                          [](const QByteArray& line) { Write(stdout, line); });
        if (!summary.error.isEmpty())
            return Fail(json, summary.error, Cli::Usage);
        return summary.Status();
    }

    const Cli::Result result = inv.command->run(inv.inputs, !inv.pdf.isEmpty());
    if (result.status != Cli::Computed)
        return Fail(json, result.message, result.status);
    // The report first: a report that cannot be written is a refusal like any other.
    if (!inv.pdf.isEmpty()) {
        if (!result.report)
            return Fail(json, result.reportRefusal, Cli::Refused);
        const QScreen* screen = QGuiApplication::primaryScreen();
        const int ppi = screen ? qRound(screen->logicalDotsPerInch()) : 96;
        QString error;
        if (!Report::WritePdf(*result.report, inv.pdf, ppi, &error))
            return Fail(json, error, Cli::Refused);
    }
    if (json)
        Write(stdout, result.record.Text() + '\n');
    else
        WriteLine(stdout, result.text);
    return Cli::Computed;
}
