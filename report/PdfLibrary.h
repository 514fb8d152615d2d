#pragma once
// The program's side of the PDF component (report/dspdf/dspdf.h): loads the
// library from the program directory for each PDF report, fetches its six entry
// points and calls them. The library stays loaded once it has been loaded.

#include "report/dspdf/dspdf.h"

#include <QByteArray>
#include <QString>

#include <functional>

namespace Report {

class PdfLibrary {
public:
    // ProgramDir + "libdspdf.so".
    static QString Path();

    // Loads the library and fetches "BeginDoc", "SetPage", "PrintPageM",
    // "NewPage", "EndDoc" and "PrintPageF". False when the library cannot be
    // loaded or lacks one of them; then no entry point may be called.
    bool Load();

    // The entry points; each returns 0 on success (DspdfError otherwise).
    int BeginDoc(const QString& fileName);
    int SetPage(int paper, int orientation, int marginLeft, int marginTop);
    int PrintPageM(const QByteArray& page);
    int NewPage();
    int EndDoc();

    // Tests watch the calls: the observer gets each entry point's name before the call.
    using CallObserver = std::function<void(const QString& entry)>;
    static void SetCallObserver(CallObserver observer);

private:
    DspdfBeginDoc beginDoc_ = nullptr;
    DspdfSetPage setPage_ = nullptr;
    DspdfPrintPageM printPageM_ = nullptr;
    DspdfNewPage newPage_ = nullptr;
    DspdfEndDoc endDoc_ = nullptr;
    DspdfPrintPageF printPageF_ = nullptr;
};

} // namespace Report
