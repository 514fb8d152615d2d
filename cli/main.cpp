// kalmo-cli: the calculation windows' "Oblicz" and reports from the command
// line. Reads its data files from its own directory, as the program does, and
// never needs a display.

#include "cli/CaseFile.h"
#include "cli/CommandLine.h"
#include "cli/OutputFile.h"
#include "data/Dane.h"
#include "report/ReportOutput.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>

#include <cerrno>
#include <cstdio>
#include <memory>

namespace {

void Write(std::FILE* stream, const QByteArray& bytes) {
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stream);
}

// Text for a terminal: the windows' line breaks ("\r") as line breaks, any other
// control character (of a typed text a message repeats) as a visible escape.
void WriteLine(std::FILE* stream, const QString& message) {
    QString text = Cli::TerminalText(message);
    if (!text.endsWith(QLatin1Char('\n')))
        text += QLatin1Char('\n');
    Write(stream, text.toUtf8());
}

// A message of the command line: a JSON object on standard output with --json,
// otherwise text on standard error.
int Fail(bool json, const QString& message, int status) {
    if (json) {
        Write(stdout, Cli::Result::Stopped(status, message).Json().Text() + '\n');
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

// The results reached standard output, or the program ends with Output.
int Finish(int status) {
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        const int error = errno;
        WriteLine(stderr, Cli::StandardOutputMessage(error));
        return Cli::Output;
    }
    return status;
}

// A computed case: its report when asked, then its results, as text or as
// the record's JSON with the members of `extra` after it.
int Answer(const Cli::Invocation& inv, const Cli::Result& result, const Cli::JsonObject& extra,
           const QString& sizes = QString()) {
    // The report first: nothing is printed of a case whose report is not written.
    if (!inv.pdf.isEmpty()) {
        if (!result.report)
            return Fail(inv.json, result.reportRefusal, Cli::Refused);
        if (const QString obstacle = Cli::WriteObstacle(inv.pdf); !obstacle.isEmpty())
            return Fail(inv.json, Cli::PdfNotWrittenMessage(inv.pdf, obstacle), Cli::Output);
        const QScreen* screen = QGuiApplication::primaryScreen();
        const int ppi = screen ? qRound(screen->logicalDotsPerInch()) : 96;
        QString error;
        if (!Report::WritePdf(*result.report, inv.pdf, ppi, &error)) {
            // The component's own message where the file was never begun (a
            // bitmap or the component missing).
            const QString reason = Cli::WriteFailure(inv.pdf);
            return Fail(inv.json,
                        reason.isEmpty() ? error : Cli::PdfNotWrittenMessage(inv.pdf, reason),
                        Cli::Output);
        }
    }
    if (inv.json) {
        Cli::JsonObject object = result.record;
        for (const auto& [key, value] : extra.Members())
            std::visit([&, k = key](const auto& v) { object.Add(k, v); }, value);
        if (result.sizes)
            object.Add(QStringLiteral("Sizes"), *result.sizes);
        Write(stdout, object.Text() + '\n');
    } else {
        WriteLine(stdout, result.text);
        if (!sizes.isEmpty())
            WriteLine(stdout, sizes);
    }
    return Finish(Cli::Computed);
}

// "open FILE": the saved case computed again, and whether its results still hold.
int Open(const Cli::Invocation& inv) {
    using State = Cli::CaseFile::Check::State;
    QString error;
    const std::optional<Cli::CaseFile::Saved> saved = Cli::CaseFile::Read(inv.open, &error);
    if (!saved)
        return Fail(inv.json, error, Cli::Usage);
    const Cli::CaseFile::Check check = Cli::CaseFile::Recompute(*saved, !inv.pdf.isEmpty());
    static const char* const states[] = {"none", "holds", "differs", "refused"};
    if (check.now.status != Cli::Computed) {
        if (!inv.json)
            return Fail(false, check.message.isEmpty() ? check.now.message : check.message,
                        Cli::Refused);
        Cli::JsonObject object = check.now.Json();
        object.Add(QStringLiteral("Stored"), QString::fromLatin1(states[int(check.state)]));
        Write(stdout, object.Text() + '\n');
        return Finish(Cli::Refused);
    }
    Cli::JsonObject extra;
    extra.Add(QStringLiteral("Stored"), QString::fromLatin1(states[int(check.state)]));
    if (check.state == State::Differs)
        extra.Add(QStringLiteral("Differences"),
                  QString(check.message).replace(QLatin1Char('\r'), QLatin1Char('\n')));
    const int status = Answer(inv, check.now, extra);
    if (status != Cli::Computed)
        return status;
    if (check.state == State::Differs) {
        if (!inv.json)
            WriteLine(stderr, check.message);
        return Cli::Refused;
    }
    return Cli::Computed;
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
        WriteLine(stdout, inv.opens     ? Cli::OpenHelp()
                          : inv.command ? Cli::CommandHelp(*inv.command)
                                        : Cli::GeneralHelp());
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
        // Read to its end in either format: a file, "-" (standard input), a FIFO.
        QFile in;
        const bool standardInput = inv.batch == QLatin1String("-");
        if (standardInput) {
            in.open(stdin, QIODevice::ReadOnly);
        } else {
            in.setFileName(inv.batch);
            if (QFileInfo(inv.batch).isDir() || !in.open(QIODevice::ReadOnly))
                return Fail(
                    json,
                    QStringLiteral("Nie można otworzyć pliku \"%1\".").arg(Cli::Visible(inv.batch)),
                    Cli::Usage);
        }
        const Cli::BatchSummary summary = Cli::RunBatch(
            *inv.command, inv.inputs, in, Cli::BatchFormat::Detect,
            [](const QByteArray& line) { Write(stdout, line); }, inv.all);
        if (!summary.error.isEmpty())
            return Fail(json, summary.error, Cli::Usage);
        if (summary.Empty())
            return Fail(json, Cli::EmptyBatchMessage(inv.batch), Cli::Usage);
        return Finish(summary.Status());
    }

    if (inv.opens)
        return Open(inv);
    // --all: the walk of the case read to its end, beside the case itself.
    std::optional<Cli::Sizes> sizes = inv.all ? inv.command->sizes(inv.inputs) : std::nullopt;
    if (sizes && !sizes->table.walked)
        sizes.reset();
    Cli::Result result = inv.command->run(inv.inputs, !inv.pdf.isEmpty());
    if (sizes)
        result.sizes = Cli::SizesJson(*sizes);
    if (result.status != Cli::Computed) {
        if (!sizes)
            return Fail(json, result.message, result.status);
        // The table also after "Nie znaleziono…": the message goes as it goes without it.
        if (json) {
            Write(stdout, result.Json().Text() + '\n');
            return Finish(result.status);
        }
        WriteLine(stdout, Cli::SizesText(*sizes));
        return Fail(false, result.message, result.status);
    }
    if (!inv.save.isEmpty())
        if (const QString error = Cli::CaseFile::Write(
                inv.save, Cli::CaseFile::Text(*inv.command, result.record, &result.record));
            !error.isEmpty())
            return Fail(json, error, Cli::Output);
    return Answer(inv, result, Cli::JsonObject(), sizes ? Cli::SizesText(*sizes) : QString());
}
