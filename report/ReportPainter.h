#pragma once
// Draws a laid-out report page (report/Layout.h) with a QPainter: on a printer,
// on a QPicture that records a PDF page, or on any other paint device.

#include "report/Layout.h"

#include <QFont>
#include <QImage>
#include <QString>

#include <map>
#include <vector>

class QPainter;

namespace Report {

// The report font: "Courier New", 10 points, regular. Where the system has no
// Courier New, a metric-compatible monospaced font takes its place (Liberation
// Mono from fonts-liberation, which fontconfig already names as its alias), so
// the columns of the report keep the widths they were laid out for.
QFont ReportFont();

using Images = std::map<QString, QImage>;

// Loads the files from the program directory. False, with the full path of the
// first file that is missing or unreadable, when one cannot be loaded.
bool LoadImages(const std::vector<QString>& files, Images& images, QString* failedPath);

// Plays `page` on `painter`, whose device gets `unitsPerInch` layout units per
// inch (600 for a printer page, the screen's pixels per inch for a PDF page).
// Every image the page names must be in `images`. Text comes out at exactly 10
// points whatever the device's resolution.
void PaintPage(QPainter& painter, const Page& page, const Images& images, int unitsPerInch);

} // namespace Report
