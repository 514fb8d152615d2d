#include "FuzzCheck.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <memory>

namespace Fuzz {

namespace {
QTemporaryDir& Scratch() {
    // Left to the end of the process: every input of a run writes into it, in
    // memory where the system has a memory file system.
    static QTemporaryDir dir((QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm")
                                                                        : QDir::tempPath()) +
                             QStringLiteral("/kalmo-fuzz-XXXXXX"));
    FUZZ_CHECK(dir.isValid(), "a scratch directory can be made");
    return dir;
}
} // namespace

QString ScratchDir() {
    return Scratch().path() + QLatin1Char('/');
}

void WriteScratchFile(const QString& name, const uint8_t* bytes, size_t size) {
    QFile file(ScratchDir() + name);
    FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate), "the scratch file opens");
    const qint64 n = file.write(reinterpret_cast<const char*>(bytes), qint64(size));
    FUZZ_CHECK(n == qint64(size), "the scratch file is written whole");
}

bool ShowsNoNonFinite(const QString& text) {
    static const QRegularExpression word(QStringLiteral("\\b(nan|inf|infinity)\\b"),
                                         QRegularExpression::CaseInsensitiveOption);
    return !word.match(text).hasMatch();
}

QString BuildProgramDir() {
    return QStringLiteral(KALMO_FUZZ_PROGRAM_DIR);
}

} // namespace Fuzz
