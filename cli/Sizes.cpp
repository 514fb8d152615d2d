#include "cli/Commands.h"
#include "data/Convert.h"

#include <QStringList>

#include <algorithm>
#include <cmath>

namespace Cli {

namespace {

// A number as the windows show a result: one decimal, thousands apart.
QString Number(double value) {
    return Convert::ResultTextWithDecimals(value, 1).trimmed();
}

QString MarginText(double margin) {
    return QString::number(margin, 'f', 1);
}
} // namespace

QString SizesRequirement(const Sizes& s) {
    if (s.table.flow) // each size has its own requirement
        return QStringLiteral("W = %1 kg/h").arg(Number(*s.table.flow));
    return QStringLiteral("%1 = %2 %3")
        .arg(QString::fromUtf8(s.columns.requirement), Number(s.table.requirement),
             QString::fromUtf8(s.columns.unit));
}

std::vector<QStringList> SizesCells(const Sizes& s, QString (*number)(double),
                                    const QString& mark) {
    const QString unit = QString::fromUtf8(s.columns.unit);
    std::vector<QStringList> rows{
        {QStringLiteral("Wielkość"), QStringLiteral("d [mm]"),
         QStringLiteral("%1 [%2]").arg(QString::fromUtf8(s.columns.value), unit),
         QStringLiteral("%1 [%2]").arg(QString::fromUtf8(s.columns.requirement), unit),
         QStringLiteral("Zapas [%]")}};
    for (const Selection::SizeRow& r : s.table.rows) {
        QStringList row{r.size, r.size.isEmpty() ? QString() : number(r.flowDiameter)};
        if (r.value && r.requirement) {
            const std::optional<double> margin = r.Margin();
            row << number(*r.value) << number(*r.requirement)
                << (margin ? MarginText(*margin) : QString());
            if (r.selected)
                row << mark;
        } else {
            // A window's message may break its line, which would break the row.
            QString reason = r.reason;
            for (const QChar end : {QLatin1Char('\r'), QLatin1Char('\n'), QLatin1Char('\t')})
                reason.replace(end, QLatin1Char(' '));
            row << reason;
        }
        rows.push_back(row);
    }
    return rows;
}

QString SizesText(const Sizes& s) {
    QString text =
        QStringLiteral("Wszystkie rozmiary: %1, ciśnienie nastawy %2 bar, %3\n")
            .arg(s.valveType, Convert::FixedText(s.setPressure, 1, 1), SizesRequirement(s));
    const std::vector<QStringList> rows = SizesCells(s, Number, QStringLiteral("← wybrany"));
    // Numbers right-aligned in columns as wide as their widest cell; a reason
    // runs on from the third column.
    std::vector<qsizetype> widths(5, 0);
    for (const QStringList& row : rows)
        if (row.size() >= 5 || &row == &rows.front())
            for (qsizetype i = 0; i < 5 && i < row.size(); ++i)
                widths[size_t(i)] = std::max(widths[size_t(i)], row[i].size());
    for (const QStringList& row : rows) {
        QString line = row[0].leftJustified(widths[0]);
        for (qsizetype i = 1; i < row.size(); ++i) {
            const bool number = i < 5 && (row.size() >= 5 || i < 2 || &row == &rows.front());
            line +=
                QStringLiteral("  ") + (number ? row[i].rightJustified(widths[size_t(i)]) : row[i]);
        }
        text += line.trimmed().isEmpty() ? QString() : line + QLatin1Char('\n');
    }
    return text;
}

RawJson SizesJson(const Sizes& s) {
    QByteArray text = "[";
    for (const Selection::SizeRow& r : s.table.rows) {
        JsonObject row;
        row.Add(QStringLiteral("Size"), r.size);
        if (!r.size.isEmpty())
            row.Add(QStringLiteral("FlowDiameter"), r.flowDiameter);
        if (r.value && r.requirement && std::isfinite(*r.value) && std::isfinite(*r.requirement)) {
            row.Add(QStringLiteral("Value"), *r.value);
            row.Add(QStringLiteral("Requirement"), *r.requirement);
            if (const std::optional<double> margin = r.Margin(); margin && std::isfinite(*margin))
                row.Add(QStringLiteral("Margin"), *margin);
            row.Add(QStringLiteral("Selected"), r.selected);
        } else {
            row.Add(QStringLiteral("Reason"), r.reason);
        }
        if (text.size() > 1)
            text += ',';
        text += row.Text();
    }
    text += ']';
    return {text};
}

} // namespace Cli
