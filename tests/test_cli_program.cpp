// kalmo-cli run as a script runs it, without a display: batches from a pipe, a
// FIFO and standard input, answered row by row; PDF targets it cannot write;
// typed control characters in its messages.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <sys/stat.h>

namespace {

struct Ran {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// The program with `arguments`; `input` on its standard input, or, with a
// `fifo`, written into that FIFO once the program has started.
Ran Cli(const QStringList& arguments, const QByteArray& input = {}, const QString& fifo = {}) {
    QProcess p;
    p.start(QStringLiteral(KALMO_CLI), arguments);
    EXPECT_TRUE(p.waitForStarted(30000));
    QFile pipe(fifo);
    if (!fifo.isEmpty() && pipe.open(QIODevice::WriteOnly)) {
        pipe.write(input);
        pipe.close();
    } else {
        p.write(input);
    }
    p.closeWriteChannel();
    EXPECT_TRUE(p.waitForFinished(60000));
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            p.readAllStandardError()};
}

const QString kNoPressure9 = QStringLiteral("Zawór SV10 nie ma ciśnienia nastawy 9 bar. Ciśnienia: "
                                            "1.5, 2.0, 2.5, 3.0, 3.5, 4.0, 4.5, 5.0, 5.5, 6.0.");

class CliProgram : public ::testing::Test {
protected:
    QTemporaryDir work;
};

// A batch read to its end from every kind of source, one answer per case with
// the row it answers; blank lines are none, a quoted line break is one cell.
TEST_F(CliProgram, BatchFromAnySourceAnswersEveryRow) {
    const QByteArray csv = "valve-type;valve-size;set-pressure\n\nSV10;1/2;5\nSV10;\"1/2\n\";9\n"
                           "\nSV10;1/2\n";
    const QByteArray jsonLines =
        "{\"valve-type\":\"SV10\",\"valve-size\":\"1/2\",\"set-pressure\":5}"
        "\n\n{\"valve-type\":\"SV10\",\"valve-size\":\"1/2\","
        "\"set-pressure\":9}\n{\"set-pressure\":\n";
    const struct {
        QByteArray input;
        std::vector<std::pair<int, QString>> answers; // row, message (empty: computed)
    } formats[] = {
        {csv, {{3, {}}, {4, kNoPressure9}, {7, QStringLiteral("2 pola zamiast 3")}}},
        {jsonLines, {{1, {}}, {3, kNoPressure9}, {4, QStringLiteral("to nie jest obiekt JSON")}}},
    };
    const QString fifo = work.filePath(QStringLiteral("cases"));
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    for (const auto& f : formats)
        for (const QString& source : {QStringLiteral("/dev/stdin"), QStringLiteral("-"), fifo}) {
            SCOPED_TRACE((source + " " + f.input.left(12)).toStdString());
            const Ran run = Cli({"flow-air", "--json", "--batch", source}, f.input,
                                source == fifo ? fifo : QString());
            EXPECT_EQ(run.exitCode, 1);
            const QList<QByteArray> lines = run.out.trimmed().split('\n');
            ASSERT_EQ(lines.size(), qsizetype(f.answers.size())) << run.out.toStdString();
            for (size_t i = 0; i < f.answers.size(); ++i) {
                const QJsonObject answer = QJsonDocument::fromJson(lines[qsizetype(i)]).object();
                EXPECT_EQ(answer["Row"].toInt(), f.answers[i].first);
                EXPECT_EQ(answer["message"].toString(), f.answers[i].second);
                EXPECT_EQ(answer.contains("Capacity"), f.answers[i].second.isEmpty());
            }
        }
    // The same in text: each answer under its row.
    const Ran text = Cli({"flow-air", "--batch", "-"}, csv);
    EXPECT_TRUE(text.out.startsWith("Wiersz 3:\nCiśnienie zrzutowe :   5.50 [bar]\n"));
    EXPECT_TRUE(text.out.contains(
        ("\nWiersz 4: " + kNoPressure9 + "\nWiersz 7: 2 pola zamiast 3\n").toUtf8()));
    // A source without a case is a usage error.
    for (const QByteArray& empty : {QByteArray(), QByteArray("\n\n"), csv.left(35)}) {
        const QString file = work.filePath(QStringLiteral("empty.csv"));
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(empty) == empty.size());
        f.close();
        const Ran run = Cli({"flow-air", "--batch", file});
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_EQ(QString::fromUtf8(run.err),
                  QStringLiteral("Plik \"%1\" nie zawiera żadnego przypadku.\n").arg(file));
    }
}

// A PDF that cannot be written ends with status 3 and says why.
TEST_F(CliProgram, PdfThatCannotBeWritten) {
    const QStringList water = {"flow-water", "--valve-type",   "SV10", "--valve-size",
                               "1/2",        "--set-pressure", "5",    "--pdf"};
    const QString missing = work.filePath(QStringLiteral("no/report.pdf"));
    const struct {
        QString target;
        QString reason;
    } cases[] = {
        {work.path(), QStringLiteral("to nie jest zwykły plik")},
        {missing, QStringLiteral("folder \"%1\" nie istnieje").arg(work.filePath("no"))},
    };
    for (const auto& c : cases) {
        const Ran run = Cli(water + QStringList{c.target});
        EXPECT_EQ(run.exitCode, 3);
        EXPECT_EQ(QString::fromUtf8(run.err),
                  QStringLiteral("Nie można zapisać pliku \"%1\": %2.\nPlik PDF nie został "
                                 "utworzony.\n")
                      .arg(c.target, c.reason));
        EXPECT_TRUE(run.out.isEmpty());
    }
    // A full file system: a small tmpfs, where this test may mount one.
    const QString disk = work.filePath(QStringLiteral("disk"));
    QDir().mkpath(disk);
    if (QProcess::execute(QStringLiteral("mount"),
                          {"-t", "tmpfs", "-o", "size=64k", "tmpfs", disk}) != 0)
        GTEST_SKIP() << "cannot mount a tmpfs here: the full disk is not tried";
    QFile filler(disk + QStringLiteral("/filler"));
    if (filler.open(QIODevice::WriteOnly))
        while (filler.write(QByteArray(4096, 'x')) > 0 && filler.flush()) {
        }
    filler.close();
    const QString target = disk + QStringLiteral("/report.pdf");
    const Ran full = Cli(water + QStringList{target, "--json"});
    QProcess::execute(QStringLiteral("umount"), {disk});
    EXPECT_EQ(full.exitCode, 3);
    EXPECT_EQ(QJsonDocument::fromJson(full.out).object()["message"].toString(),
              QStringLiteral("Nie można zapisać pliku \"%1\": brak miejsca na dysku.\nPlik PDF nie "
                             "został utworzony.")
                  .arg(target));
}

// What was typed comes back with its control characters escaped, never raw.
TEST_F(CliProgram, ControlCharactersAreShownEscaped) {
    const Ran typed =
        Cli({"flow-water", "--valve-type", QString::fromUtf8("SV\x1B[2J\xC2\x9B\nX")});
    EXPECT_EQ(typed.exitCode, 2);
    EXPECT_TRUE(typed.err.startsWith("Nieznany typ zaworu \"SV\\x1B[2J\\u009B\\nX\". Typy: SV10"))
        << typed.err.toStdString();
    const QString binary = work.filePath(QStringLiteral("binary.csv"));
    QFile f(binary);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray("valve-type;\x7F"
                       "ELF\0\0\x01",
                       18) +
            "\nSV10;1\n");
    f.close();
    const Ran run = Cli({"flow-air", "--batch", binary});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(QString::fromUtf8(run.err),
              "Nieznana kolumna \"\\x7FELF\\x00\\x00\\x01\" w nagłówku pliku; kolumny to opcje "
              "podkomendy flow-air.\n");
}

} // namespace
