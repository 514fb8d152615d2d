#pragma once
// The valve data files: one per valve type, named exactly as the type text (no
// extension) and kept in the program directory. The selection windows walk them
// to find the first size of a type whose capacity covers a requirement.
//
// A file is a flat sequence of 64-byte records without a header:
//
//   offset  size  field
//        0    24  size text: one length byte (0 to 23), then the characters in
//                 the Windows-1250 character set; bytes beyond the length are
//                 ignored (written as 0)
//       24     8  d, narrowest flow diameter [mm]
//       32     8  p, set pressure [bar gauge]
//       40     8  α for gases and steam
//       48     8  αc for liquids at 10 % overpressure
//       56     8  αc for liquids at 25 % overpressure, 0 when not certified
//
// The numbers are little-endian IEEE 754 doubles. A consistent file holds one
// record per size and set pressure of its type, sizes ascending; a record's set
// pressure equals the value of the set-pressure list text exactly.

#include "valves/Catalogue.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

namespace ValveData {

constexpr int RecordSize = 64;
constexpr int MaxSizeTextLength = 23;

struct Record {
    QString sizeText;        // 1/2"
    double flowDiameter = 0; // d [mm]
    double setPressure = 0;  // p [bar gauge]
    double alphaGas = 0;
    double alphaLiquid10 = 0;
    double alphaLiquid25 = 0; // 0 = not certified

    bool operator==(const Record& o) const {
        return sizeText == o.sizeText && flowDiameter == o.flowDiameter &&
               setPressure == o.setPressure && alphaGas == o.alphaGas &&
               alphaLiquid10 == o.alphaLiquid10 && alphaLiquid25 == o.alphaLiquid25;
    }
};

// The 64 bytes of a record; nothing when the size text is longer than 23
// characters or has a character outside Windows-1250, or a number is not finite.
std::optional<QByteArray> Encode(const Record& record);

// The record in 64 bytes; nothing when the length byte is above 23 or a number
// is not finite (the file is then not a valve data file).
std::optional<Record> Decode(const QByteArray& bytes);

// What the data file of a catalogue type holds: for each size (ascending) one
// record per set pressure, in the order of the type's set-pressure list.
std::vector<Record> RecordsOf(const Catalogue::Type& type);

// Writes a data file, replacing any file of that name; false when the file
// cannot be written or a record cannot be encoded (the old file then stays).
bool WriteFile(const QString& path, const std::vector<Record>& records);

// The data file of a type: ProgramDir + type text.
QString FilePath(const QString& typeText);

enum class WalkEnd {
    Stopped,   // the visitor stopped the walk at a record
    EndOfFile, // every record was visited (none in an empty file)
    FileError, // the file is missing or unreadable, or a record is short or corrupt
};

// Returns true to stop the walk at this record.
using Visitor = std::function<bool(const Record& record)>;

// Reads the data file of a type record by record, in file order, handing each
// record to the visitor until it stops the walk or the file ends. A missing or
// unreadable file, a trailing partial record, a length byte above 23 or a
// number that is not finite ends the walk with FileError; the records visited
// before it were sound, but the walk as a whole has failed and its results are
// not to be used.
WalkEnd Walk(const QString& typeText, const Visitor& visit);

// "Brak pliku z danymi zaworu!": the walk failed.
QString FileErrorMessage();
// "Nie znaleziono zaworu posiadającego wymaganą przepustowość!": the file ended
// without a record that covers the requirement.
QString NotFoundMessage();

} // namespace ValveData
