#pragma once
// "Wszystkie rozmiary": every size the last walk of a selection window looked
// at, in a small window of its own above that calculation window. Above the
// table the valve type, the set pressure and what a size has to cover; each
// row a size with its flow diameter, what the walk compares, the requirement
// and the margin; the selected size in bold, marked and selected, a margin
// below zero in red, a size without numbers with its reason across the number
// columns. Ctrl+C and "Kopiuj" copy the table as tab-separated plain numbers.
// The window hides with its calculation window.

#include "cli/Commands.h"

#include <QWidget>

class QLabel;
class QTableWidget;

class SizesWindow : public QWidget {
    Q_OBJECT
public:
    // The window of `calculationWindow`, hidden until Show.
    explicit SizesWindow(QWidget* calculationWindow);

    // The table of `sizes`, in place of the one shown.
    void SetSizes(const Cli::Sizes& sizes);
    // Shown beside its calculation window the first time, raised and activated.
    void ShowAbove();

    // The table as a spreadsheet takes it: a header row, then one row per size,
    // its cells apart by tabs, numbers with a point and no thousands blanks.
    QString CopiedText() const;
    // CopiedText into the clipboard.
    void Copy() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Beside the calculation window, at the size of the whole table where the
    // screen holds it.
    void Place();

    QWidget* calculationWindow_;
    Cli::Sizes sizes_;
    QLabel* heading_ = nullptr;
    QTableWidget* table_ = nullptr;
    bool placed_ = false;
};
