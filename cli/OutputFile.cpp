#include "cli/OutputFile.h"

#include "cli/Commands.h"
#include "report/Report.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

#include <cerrno>

namespace Cli {

namespace {

// A write that failed for want of space leaves less than this free: more
// than a report's PDF needs.
constexpr qint64 kFullDisk = 1024 * 1024;

QString NoSpace() {
    return QStringLiteral("brak miejsca na dysku");
}

} // namespace

QString WriteObstacle(const QString& path) {
    const QFileInfo file(path);
    const QFileInfo folder(file.absolutePath());
    if (!folder.isDir())
        return QStringLiteral("folder \"%1\" nie istnieje").arg(Visible(folder.filePath()));
    if (file.exists() && !file.isFile())
        return QStringLiteral("to nie jest zwykły plik");
    if (QStorageInfo(folder.filePath()).isReadOnly())
        return QStringLiteral("system plików jest tylko do odczytu");
    if (file.exists() && !file.isWritable())
        return QStringLiteral("plik jest tylko do odczytu");
    if (!folder.isWritable())
        return QStringLiteral("folder \"%1\" jest tylko do odczytu")
            .arg(Visible(folder.filePath()));
    return {};
}

QString WriteFailure(const QString& path) {
    if (const QString obstacle = WriteObstacle(path); !obstacle.isEmpty())
        return obstacle;
    const QStorageInfo disk(QFileInfo(path).absolutePath());
    if (disk.isValid() && disk.bytesAvailable() < kFullDisk)
        return NoSpace();
    return {};
}

QString PdfNotWrittenMessage(const QString& path, const QString& reason) {
    if (reason.isEmpty())
        return Report::PdfWriteMessage(Visible(path));
    return QStringLiteral("Nie można zapisać pliku \"%1\": %2.\rPlik PDF nie został utworzony.")
        .arg(Visible(path), reason);
}

QString StandardOutputMessage(int error) {
    const QString reason = error == ENOSPC  ? NoSpace()
                           : error == EROFS ? QStringLiteral("system plików jest tylko do odczytu")
                           : error == EACCES || error == EPERM ? QStringLiteral("brak uprawnień")
                                                               : QStringLiteral("błąd zapisu");
    return QStringLiteral("Nie można zapisać wyników na standardowe wyjście: %1.").arg(reason);
}

} // namespace Cli
