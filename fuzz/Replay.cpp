// Replays a fuzz target's inputs without libFuzzer, so that the default build's
// tests keep every seed and every input that once failed: each argument is a
// file or a folder of files, run one after another through the target. A
// file whose name ends in ".hex" holds its bytes as hexadecimal text (blanks
// and line ends ignored, "#" comments to the end of a line).

#include "FuzzCheck.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <optional>

namespace {

std::optional<QByteArray> FromHex(const QByteArray& text) {
    QByteArray digits;
    bool comment = false;
    for (const char c : text) {
        if (c == '\n')
            comment = false;
        else if (c == '#')
            comment = true;
        if (comment || QChar::fromLatin1(c).isSpace())
            continue;
        if (!QChar::fromLatin1(c).isLetterOrNumber())
            return std::nullopt;
        digits += c;
    }
    if (digits.size() % 2 != 0)
        return std::nullopt;
    return QByteArray::fromHex(digits);
}

bool Replay(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
        return false;
    }
    QByteArray bytes = file.readAll();
    if (path.endsWith(QLatin1String(".hex"))) {
        const std::optional<QByteArray> decoded = FromHex(bytes);
        if (!decoded) {
            std::fprintf(stderr, "%s is no hexadecimal text\n", qPrintable(path));
            return false;
        }
        bytes = *decoded;
    }
    std::printf("%s (%lld bytes)\n", qPrintable(path), static_cast<long long>(bytes.size()));
    std::fflush(stdout);
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.constData()),
                           static_cast<size_t>(bytes.size()));
    return true;
}

} // namespace

int main(int argc, char** argv) {
    int replayed = 0;
    for (int i = 1; i < argc; ++i) {
        const QString argument = QFile::decodeName(argv[i]);
        QStringList paths;
        if (QFileInfo(argument).isDir()) {
            const QDir dir(argument);
            for (const QString& name : dir.entryList(QDir::Files, QDir::Name))
                paths << dir.filePath(name);
        } else {
            paths << argument;
        }
        for (const QString& path : paths) {
            if (!Replay(path))
                return 1;
            ++replayed;
        }
    }
    std::printf("%d inputs replayed\n", replayed);
    return replayed > 0 ? 0 : 1;
}
