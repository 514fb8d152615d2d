#pragma once
// What the fuzz targets share: an invariant that does not hold stops the run
// with the reason on standard error (libFuzzer keeps the input; the replay of
// the corpora in ctest fails), and the scratch program directory a target
// writes its fuzzed data files into.

#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#define FUZZ_CHECK(condition, what)                                                                \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: invariant broken: %s (%s)\n", __FILE__, __LINE__, what,   \
                         #condition);                                                              \
            std::abort();                                                                          \
        }                                                                                          \
    } while (0)

namespace Fuzz {

// A directory of this process for the fuzzed data files, with its trailing
// separator; made on first use and removed at exit.
QString ScratchDir();

// Writes `bytes` to ScratchDir() + name, replacing what was there.
void WriteScratchFile(const QString& name, const uint8_t* bytes, size_t size);

// The build's program directory (para.dat, the valve data files), with its
// trailing separator.
QString BuildProgramDir();

} // namespace Fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace Fuzz {

// A text a window shows or a report prints holds no word "nan" or "inf" (in
// any case), the number texts of a value that is no finite number.
bool ShowsNoNonFinite(const QString& text);

} // namespace Fuzz
