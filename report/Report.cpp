#include "report/Report.h"

#include "data/Dane.h"
#include "data/Vendor.h"
#include "valves/Catalogue.h"

#include <algorithm>

namespace Report {

Place Line(int line, int page) {
    return Place{page, line, -1};
}

Place TitleY(int page) {
    return PdfY(230, page);
}

Place PdfY(int y, int page) {
    return Place{page, 0, y};
}

Place Nowhere() {
    return Place{};
}

void Content::Title(const QString& text, int printerLine) {
    title = text;
    Text(Line(printerLine), TitleY(), text);
}

void Content::Text(Place printer, Place pdf, const QString& text, Style style) {
    Element e;
    e.text = text;
    e.bold = style == Style::Bold;
    e.printer = printer;
    e.pdf = pdf;
    elements.push_back(std::move(e));
}

void Content::Bitmap(Place printer, Place pdf, int number, int width, int height) {
    Element e;
    e.bitmap = number;
    e.box = QSize(width, height);
    e.printer = printer;
    e.pdf = pdf;
    elements.push_back(std::move(e));
}

namespace {
int Pages(const Content& content, Place Element::*path) {
    int pages = 1;
    for (const Element& e : content.elements)
        pages = std::max(pages, (e.*path).page);
    return pages;
}
} // namespace

int Content::PrinterPages() const {
    return Pages(*this, &Element::printer);
}

int Content::PdfPages() const {
    return Pages(*this, &Element::pdf);
}

QString Content::SaveTitle() {
    return QStringLiteral("Zapis wyników obliczeń w pliku PDF");
}

QString Content::SaveTitleImperative() {
    return QStringLiteral("Zapisz wyniki obliczeń w pliku PDF");
}

QString HeaderLine1() {
    return QString(26, QLatin1Char(' ')) + QStringLiteral("KALMO   wersja ") + Dane::ProgramVersion;
}

QString HeaderLine2() {
    return QStringLiteral(
        "Obliczenia przepustowości zaworów bezpieczeństwa zgodnie z WUDT-UC-WO:10.2003");
}

QString HeaderLine3() {
    // The line ends left of the logo: at most 81 characters of the report font
    // fit on either path, which leaves no room for the street and web address.
    return Vendor::Name() + QStringLiteral(", ") + Vendor::City() + QStringLiteral(", ") +
           Vendor::Phone();
}

QString FooterText(int page, int pages) {
    return QStringLiteral("Str. %1/%2").arg(page).arg(pages);
}

QString BitmapFile(int number, bool pdf) {
    const QString name = QStringLiteral("%1.bmp").arg(number, 3, 10, QLatin1Char('0'));
    return pdf ? QStringLiteral("Res_") + name : name;
}

QString LogoFile(bool pdf) {
    return pdf ? QStringLiteral("Res_prxlogo.bmp") : QStringLiteral("prxlogo.bmp");
}

std::vector<QString> FilesOf(const Content& content, bool pdf) {
    std::vector<QString> files{LogoFile(pdf)};
    for (const Element& e : content.elements) {
        if (!e.IsBitmap() || !(pdf ? e.pdf : e.printer).Drawn())
            continue;
        const QString file = BitmapFile(e.bitmap, pdf);
        if (std::find(files.begin(), files.end(), file) == files.end())
            files.push_back(file);
    }
    return files;
}

int CardOf(const Content& content) {
    return Catalogue::CardIndexOf(content.valveType).value_or(Dane::CardIndex);
}

QString NoDataMessage() {
    return QStringLiteral("Nie wykonano obliczeń. Brak danych do wydruku!");
}

QString MissingBitmapMessage(const QString& path) {
    return QStringLiteral("Brak pliku \"%1\" lub plik jest uszkodzony!\rWydruk został przerwany.")
        .arg(path);
}

QString PrinterFailedMessage() {
    return QStringLiteral("Nie można wydrukować raportu na wybranej drukarce!");
}

QString PdfLibraryMessage(const QString& libraryPath) {
    return QStringLiteral("Nie można załadować biblioteki PDF \"%1\"!\rPlik PDF nie został "
                          "utworzony.")
        .arg(libraryPath);
}

QString PdfWriteMessage(const QString& pdfPath) {
    return QStringLiteral("Nie można zapisać pliku \"%1\"!\rPlik PDF nie został utworzony.")
        .arg(pdfPath);
}

} // namespace Report
