// The PDF component: QPdfWriter on a QSaveFile, fed with recorded pages.

#include "report/dspdf/dspdf.h"

#include <QFile>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPicture>
#include <QSaveFile>

#include <memory>

#define DSPDF_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

struct Document {
    std::unique_ptr<QSaveFile> file;
    std::unique_ptr<QPdfWriter> writer;
    std::unique_ptr<QPainter> painter;
    QPageLayout layout{QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()};
    bool pageSet = false;   // SetPage was called
    bool pageDrawn = false; // the current page has its picture
    int pages = 0;
    bool failed = false;
};

// One document at a time, as the program writes one report at a time.
std::unique_ptr<Document>& Current() {
    static std::unique_ptr<Document> document;
    return document;
}

void Drop() {
    std::unique_ptr<Document>& doc = Current();
    if (!doc)
        return;
    if (doc->painter && doc->painter->isActive())
        doc->painter->end();
    doc->painter.reset();
    doc->writer.reset();
    if (doc->file)
        doc->file->cancelWriting();
    doc.reset();
}

int32_t Fail(int32_t error) {
    if (Current())
        Current()->failed = true;
    return error;
}

int32_t DrawPage(const QByteArray& bytes) {
    Document* doc = Current().get();
    if (!doc || !doc->pageSet || doc->pageDrawn || doc->failed)
        return Fail(DspdfOrder);
    if (!doc->writer) {
        doc->writer = std::make_unique<QPdfWriter>(doc->file.get());
        doc->writer->setCreator(QStringLiteral("KALMO"));
        doc->writer->setPageLayout(doc->layout);
        doc->writer->setResolution(1200);
        doc->painter = std::make_unique<QPainter>();
        if (!doc->painter->begin(doc->writer.get()))
            return Fail(DspdfWrite);
    }
    QPicture picture;
    picture.setData(bytes.constData(), static_cast<uint>(bytes.size()));
    // The picture scales itself from its recording resolution to the writer's.
    doc->painter->save();
    const bool played = !bytes.isEmpty() && picture.play(doc->painter.get());
    doc->painter->restore();
    if (!played)
        return Fail(DspdfPage);
    doc->pageDrawn = true;
    ++doc->pages;
    return DspdfOk;
}

} // namespace

DSPDF_EXPORT int32_t BeginDoc(const char* fileName) {
    Drop();
    if (!fileName || !*fileName)
        return DspdfOpen;
    // The file is written beside the target and renamed over it: a target that
    // is no regular file (a device, a pipe, a directory) would be replaced, so
    // it is refused; a symbolic link is written through, not replaced.
    QString path = QFile::decodeName(fileName);
    const QFileInfo target(path);
    if (target.isSymLink())
        path = target.exists() ? target.canonicalFilePath() : target.symLinkTarget();
    if (QFileInfo::exists(path) && !QFileInfo(path).isFile())
        return DspdfOpen;
    auto doc = std::make_unique<Document>();
    doc->file = std::make_unique<QSaveFile>(path);
    if (!doc->file->open(QIODevice::WriteOnly))
        return DspdfOpen;
    Current() = std::move(doc);
    return DspdfOk;
}

DSPDF_EXPORT int32_t SetPage(int32_t paper, int32_t orientation, int32_t marginLeft,
                             int32_t marginTop) {
    Document* doc = Current().get();
    if (!doc || doc->writer)
        return Fail(DspdfOrder);
    const QPageSize size(paper == 1 ? QPageSize::Letter : QPageSize::A4);
    const auto turn = orientation == 1 ? QPageLayout::Landscape : QPageLayout::Portrait;
    doc->layout =
        QPageLayout(size, turn, QMarginsF(marginLeft, marginTop, 0, 0), QPageLayout::Millimeter);
    doc->pageSet = true;
    return DspdfOk;
}

DSPDF_EXPORT int32_t PrintPageM(const void* data, int32_t size) {
    if (!data || size <= 0)
        return Fail(DspdfPage);
    return DrawPage(QByteArray(static_cast<const char*>(data), size));
}

DSPDF_EXPORT int32_t PrintPageF(const char* fileName) {
    QFile file(QFile::decodeName(fileName ? fileName : ""));
    if (!file.open(QIODevice::ReadOnly))
        return Fail(DspdfPage);
    return DrawPage(file.readAll());
}

DSPDF_EXPORT int32_t NewPage(void) {
    Document* doc = Current().get();
    if (!doc || !doc->pageDrawn || doc->failed)
        return Fail(DspdfOrder);
    if (!doc->writer->newPage())
        return Fail(DspdfWrite);
    doc->pageDrawn = false;
    return DspdfOk;
}

DSPDF_EXPORT int32_t EndDoc(void) {
    std::unique_ptr<Document>& doc = Current();
    if (!doc)
        return DspdfOrder;
    int32_t result = DspdfOk;
    if (doc->failed)
        result = DspdfFailed;
    else if (doc->pages == 0 || !doc->pageDrawn)
        result = DspdfNoPages;
    if (doc->painter && doc->painter->isActive() && !doc->painter->end() && result == DspdfOk)
        result = DspdfWrite;
    doc->painter.reset();
    doc->writer.reset();
    if (result == DspdfOk && !doc->file->commit())
        result = DspdfWrite;
    Drop();
    return result;
}
