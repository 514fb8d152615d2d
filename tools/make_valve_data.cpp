// make_valve_data: writes the eight valve data files of the catalogue into the
// directory given on the command line, one file per valve type, named as the type.
//
//   make_valve_data <directory> <type text>...
//
// The type texts are the file names the build expects; they must be the
// catalogue's types in list order, so a build that lists other files fails here
// instead of shipping stale or missing data.

#include "valves/Catalogue.h"
#include "valves/ValveData.h"

#include <QDir>
#include <QString>

#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: make_valve_data <directory> <type text>...\n");
        return 2;
    }
    const QDir dir(QString::fromUtf8(argv[1]));
    const std::vector<Catalogue::Type>& types = Catalogue::Types();

    bool namesAgree = static_cast<size_t>(argc - 2) == types.size();
    for (size_t i = 0; namesAgree && i < types.size(); ++i)
        namesAgree = QString::fromUtf8(argv[2 + i]) == types[i].text;
    if (!namesAgree) {
        std::fprintf(stderr,
                     "make_valve_data: the file names differ from the catalogue's types:\n");
        for (const Catalogue::Type& type : types)
            std::fprintf(stderr, "  %s\n", type.text.toUtf8().constData());
        return 1;
    }

    for (const Catalogue::Type& type : types) {
        const QString path = dir.filePath(type.text);
        if (!ValveData::WriteFile(path, ValveData::RecordsOf(type))) {
            std::fprintf(stderr, "make_valve_data: cannot write %s\n", path.toUtf8().constData());
            return 1;
        }
    }
    return 0;
}
