#include "report/PdfLibrary.h"

#include "data/Dane.h"

#include <QFile>
#include <QLibrary>

namespace Report {

namespace {

PdfLibrary::CallObserver& Observer() {
    static PdfLibrary::CallObserver observer;
    return observer;
}

void Notify(const char* entry) {
    if (Observer())
        Observer()(QString::fromLatin1(entry));
}

template <class F> bool Fetch(QLibrary& library, const char* name, F& target) {
    target = reinterpret_cast<F>(library.resolve(name));
    return target != nullptr;
}

} // namespace

QString PdfLibrary::Path() {
    return Dane::ProgramDir + QStringLiteral("libdspdf.so");
}

bool PdfLibrary::Load() {
    // Never unloaded: the next report finds it loaded already.
    QLibrary library(Path());
    if (!library.load())
        return false;
    const bool all = Fetch(library, "BeginDoc", beginDoc_) & Fetch(library, "SetPage", setPage_) &
                     Fetch(library, "PrintPageM", printPageM_) &
                     Fetch(library, "NewPage", newPage_) & Fetch(library, "EndDoc", endDoc_) &
                     Fetch(library, "PrintPageF", printPageF_);
    if (!all)
        *this = PdfLibrary();
    return all;
}

int PdfLibrary::BeginDoc(const QString& fileName) {
    Notify("BeginDoc");
    return beginDoc_(QFile::encodeName(fileName).constData());
}

int PdfLibrary::SetPage(int paper, int orientation, int marginLeft, int marginTop) {
    Notify("SetPage");
    return setPage_(paper, orientation, marginLeft, marginTop);
}

int PdfLibrary::PrintPageM(const QByteArray& page) {
    Notify("PrintPageM");
    return printPageM_(page.constData(), static_cast<int32_t>(page.size()));
}

int PdfLibrary::NewPage() {
    Notify("NewPage");
    return newPage_();
}

int PdfLibrary::EndDoc() {
    Notify("EndDoc");
    return endDoc_();
}

void PdfLibrary::SetCallObserver(CallObserver observer) {
    Observer() = std::move(observer);
}

} // namespace Report
