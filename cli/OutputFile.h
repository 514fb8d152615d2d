#pragma once
// Why a result cannot be written where the command line was told to write it,
// in the words a user acts on: the folder is missing, the target is no regular
// file, it or its folder is read-only, the disk is full.

#include <QString>

namespace Cli {

// What speaks against writing a file at `path` before it is tried; empty when
// nothing does.
QString WriteObstacle(const QString& path);

// Why writing `path` failed, after it was tried: its obstacle, a disk with
// less than 1 MiB left, or nothing known (empty).
QString WriteFailure(const QString& path);

// "Nie można zapisać pliku "x.pdf": brak miejsca na dysku.\rPlik PDF nie został
// utworzony.", the window's message when the reason is not known.
QString PdfNotWrittenMessage(const QString& path, const QString& reason);

// The results could not be written to standard output (errno `error`).
QString StandardOutputMessage(int error);

} // namespace Cli
