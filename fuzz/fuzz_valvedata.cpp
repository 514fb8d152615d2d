// The valve data reader on a fuzzed valve data file, and the water, air and
// steam selections walking it. What must hold:
//  - every 64-byte record decodes to a size text of at most 23 characters and
//    finite numbers, or to nothing; a decoded record that encodes again
//    decodes to itself;
//  - the walk visits exactly the records before the first that cannot be
//    decoded, and fails at a damaged one or a partial record at the end;
//  - a selection over the file either refuses or leaves every number of its
//    record finite, and its report shows no "nan" or "inf".

#include "FuzzCheck.h"

#include "calc/Guarded.h"
#include "data/Dane.h"
#include "selection/AirSelection.h"
#include "selection/SteamSelection.h"
#include "selection/WaterSelection.h"
#include "valves/ValveData.h"

#include <QFile>

#include <cmath>

namespace {

const QString kType = QStringLiteral("SV10");

template <class R> void Select(R& record, double setPressure, double requirement) {
    record.ValveType = kType;
    record.SetPressure = setPressure;
    record.Overpressure = 10;
    record.RelievingPressure = Obliczenia::RelievingPressure(setPressure, 10);
    record.RequiredCapacity = requirement;
    if (!Calc::Guarded(record))
        return;
    FUZZ_CHECK(Calc::AllFinite(record), "a selection leaves finite numbers");
    const Calc::Outcome<Report::Content> report = Calc::GuardedPrint(record);
    if (!report)
        return;
    for (const Report::Element& e : report.value().elements) {
        if (!Fuzz::ShowsNoNonFinite(e.text))
            std::fprintf(stderr, "%s\n", qPrintable(e.text));
        FUZZ_CHECK(Fuzz::ShowsNoNonFinite(e.text), "a report line shows a finite number");
    }
}

void SelectAll(double setPressure, double requirement) {
    TDoborWaterData water;
    Select(water, setPressure, requirement);
    TDoborAirData air;
    air.Mode = 1; // the required capacity typed in
    Select(air, setPressure, requirement);
    TDoborSteamData steam;
    Select(steam, setPressure, requirement);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool steamTable = [] {
        // The steam selection reads the build's steam table beside the fuzzed file.
        const QString table = Fuzz::ScratchDir() + QStringLiteral("para.dat");
        QFile::remove(table);
        return QFile::copy(Fuzz::BuildProgramDir() + QStringLiteral("para.dat"), table);
    }();
    FUZZ_CHECK(steamTable, "the build's para.dat is there");
    Fuzz::WriteScratchFile(kType, data, size);
    Dane::ProgramDir = Fuzz::ScratchDir();

    // The records as the reader decodes them one by one.
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    int sound = 0; // records before the first that cannot be decoded
    bool damaged = false;
    double firstSetPressure = 0;
    for (qsizetype at = 0; at + ValveData::RecordSize <= bytes.size();
         at += ValveData::RecordSize) {
        const std::optional<ValveData::Record> r =
            ValveData::Decode(bytes.mid(at, ValveData::RecordSize));
        if (!r) {
            damaged = true;
            break;
        }
        FUZZ_CHECK(r->sizeText.size() <= ValveData::MaxSizeTextLength, "a short size text");
        FUZZ_CHECK(std::isfinite(r->flowDiameter) && std::isfinite(r->setPressure) &&
                       std::isfinite(r->alphaGas) && std::isfinite(r->alphaLiquid10) &&
                       std::isfinite(r->alphaLiquid25),
                   "a record's numbers are finite");
        if (const std::optional<QByteArray> again = ValveData::Encode(*r))
            FUZZ_CHECK(ValveData::Decode(*again) == *r, "an encoded record decodes to itself");
        if (sound++ == 0)
            firstSetPressure = r->setPressure;
    }
    if (!damaged && bytes.size() % ValveData::RecordSize != 0)
        damaged = true;

    int visited = 0;
    const ValveData::WalkEnd end = ValveData::Walk(kType, [&](const ValveData::Record&) {
        ++visited;
        return false;
    });
    FUZZ_CHECK(visited == sound, "the walk visits the sound records");
    FUZZ_CHECK(end == (damaged ? ValveData::WalkEnd::FileError : ValveData::WalkEnd::EndOfFile),
               "the walk ends at the damage or the end of the file");

    if (sound > 0) {
        SelectAll(firstSetPressure, 1);
        SelectAll(firstSetPressure, 1e5);
    }
    return 0;
}
