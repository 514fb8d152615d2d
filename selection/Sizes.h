#pragma once
// The table of every size a selection window's walk looks at, with its
// margin: its "Oblicz" run again on a copy of its record, reading the data
// file to its end. The window's own selection is not touched.

#include "calc/Guarded.h"
#include "data/Records.h"
#include "selection/Selection.h"

namespace Selection {

// What the table's two number columns hold, and their unit.
struct SizeColumns {
    const char* value;       // "m", "n × m1", "N", "A"
    const char* requirement; // "mw", "M", "Nw", "Ap + Aw"
    const char* unit;        // "kg/h", "kW", "mm²"
};

inline SizeColumns ColumnsOf(const TDoborMixData*) {
    return {"A", "Ap + Aw", "mm²"};
}
inline SizeColumns ColumnsOf(const TMocData*) {
    return {"N", "Nw", "kW"};
}
inline SizeColumns ColumnsOf(const TWymiennikData*) {
    return {"n × m1", "M", "kg/h"};
}
inline SizeColumns ColumnsOf(const TParaWodaData*) {
    return {"n × m1", "M", "kg/h"};
}
inline SizeColumns ColumnsOf(const TEkspansjaData*) {
    return {"m", "me", "kg/h"};
}
inline SizeColumns ColumnsOf(const void*) {
    return {"m", "mw", "kg/h"};
}

// The sizes of the walk "Oblicz" makes for the inputs of `record`.
template <class R> SizeTable SizesOf(R record) {
    SizeTable table;
    RecordingSizes recordingSizes(table);
    Calc::Guarded(record);
    return table;
}

} // namespace Selection
