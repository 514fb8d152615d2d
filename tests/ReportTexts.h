#pragma once
// The text lines of a report, in the order the report routine added them.

#include "report/Report.h"

#include <QStringList>

inline QStringList TextsOf(const Report::Content& report) {
    QStringList lines;
    for (const Report::Element& e : report.elements)
        lines << e.text;
    return lines;
}
