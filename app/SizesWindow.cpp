#include "app/SizesWindow.h"

#include "app/WindowFrame.h"
#include "data/Convert.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QScreen>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>
#include <vector>

namespace {

constexpr int kColumns = 5;
constexpr int kValueColumn = 2; // the first number column after the size and d

// A number as the result fields show it.
QString Shown(double value) {
    return Convert::ResultTextWithDecimals(value, 1).trimmed();
}

// A number as a spreadsheet reads it.
QString Plain(double value) {
    return Convert::FixedText(value, 1, 1);
}

QTableWidgetItem* Cell(const QString& text, Qt::Alignment alignment) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(alignment | Qt::AlignVCenter);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

} // namespace

SizesWindow::SizesWindow(QWidget* calculationWindow)
    : QWidget(calculationWindow, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint |
                                     Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      calculationWindow_(calculationWindow) {
    setObjectName(QStringLiteral("frmSizes"));
    // The calculation window's caption without the blanks it starts with.
    const QString caption = calculationWindow->windowTitle();
    qsizetype start = 0;
    while (start < caption.size() && caption[start].isSpace())
        ++start;
    setWindowTitle(QStringLiteral("Wszystkie rozmiary – ") + caption.mid(start));

    auto* layout = new QVBoxLayout(this);
    heading_ = new QLabel(this);
    heading_->setObjectName(QStringLiteral("LabelSizes"));
    heading_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(heading_);

    table_ = new QTableWidget(0, kColumns, this);
    table_->setObjectName(QStringLiteral("TableSizes"));
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setWordWrap(false);
    table_->horizontalHeader()->setHighlightSections(false);
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 8);
    // As large as the whole table, so that the window opens without scroll bars.
    table_->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    layout->addWidget(table_);

    auto* copy = new QAction(QStringLiteral("Kopiuj"), table_);
    copy->setObjectName(QStringLiteral("ActionCopySizes"));
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(copy, &QAction::triggered, this, &SizesWindow::Copy);
    table_->addAction(copy);
    table_->setContextMenuPolicy(Qt::ActionsContextMenu);

    calculationWindow->installEventFilter(this);
}

bool SizesWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == calculationWindow_ && event->type() == QEvent::Hide)
        hide();
    return QWidget::eventFilter(watched, event);
}

void SizesWindow::SetSizes(const Cli::Sizes& sizes) {
    sizes_ = sizes;
    heading_->setText(QStringLiteral("Typ: %1\nCiśnienie nastawy: %2 bar\n%3")
                          .arg(sizes.valveType, Convert::FixedText(sizes.setPressure, 1, 1),
                               Cli::SizesRequirement(sizes)));
    table_->clearContents();
    table_->clearSpans();
    // The cells as the command line writes them, in the result fields' format.
    const std::vector<QStringList> cells = Cli::SizesCells(sizes, Shown, QString());
    table_->setHorizontalHeaderLabels(cells.front());
    const std::vector<Selection::SizeRow>& rows = sizes.table.rows;
    table_->setRowCount(static_cast<int>(rows.size()));
    QStringList marks;
    int selected = -1;
    std::vector<std::pair<int, QString>> reasons; // rows without numbers
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
        const Selection::SizeRow& r = rows[size_t(i)];
        const QStringList& texts = cells[size_t(i) + 1];
        const bool numbers = r.value && r.requirement;
        if (!numbers)
            reasons.emplace_back(i, texts.value(kValueColumn));
        for (int c = 0; c < (numbers ? kColumns : kValueColumn); ++c) {
            QTableWidgetItem* cell = Cell(texts.value(c), c == 0 ? Qt::AlignLeft : Qt::AlignRight);
            if (r.selected) {
                QFont bold = cell->font();
                bold.setBold(true);
                cell->setFont(bold);
            }
            table_->setItem(i, c, cell);
        }
        if (const std::optional<double> margin = r.Margin(); numbers && margin && *margin < 0)
            table_->item(i, kColumns - 1)->setForeground(Qt::red);
        marks << (r.selected ? QStringLiteral("►") : QString());
        if (r.selected)
            selected = i;
    }
    table_->setVerticalHeaderLabels(marks);
    // The columns as wide as their numbers; a reason then runs across the
    // number columns, the last of them widened where it needs more room.
    table_->resizeColumnsToContents();
    int reasonWidth = 0;
    for (const auto& [row, reason] : reasons) {
        table_->setItem(row, kValueColumn, Cell(reason, Qt::AlignLeft));
        table_->setSpan(row, kValueColumn, 1, kColumns - kValueColumn);
        reasonWidth = std::max(reasonWidth, table_->fontMetrics().horizontalAdvance(reason) + 12);
    }
    int spanned = 0;
    for (int c = kValueColumn; c < kColumns; ++c)
        spanned += table_->columnWidth(c);
    if (reasonWidth > spanned)
        table_->setColumnWidth(kColumns - 1,
                               table_->columnWidth(kColumns - 1) + reasonWidth - spanned);
    table_->clearSelection();
    if (selected >= 0) {
        table_->selectRow(selected);
        table_->scrollToItem(table_->item(selected, 0));
    }
}

void SizesWindow::ShowAbove() {
    if (!placed_) {
        Place();
        placed_ = true;
    }
    show();
    raise();
    activateWindow();
    table_->setFocus();
}

void SizesWindow::Place() {
    const QSize wanted = sizeHint();
    const QScreen* screen = calculationWindow_->screen();
    if (!screen) {
        resize(wanted);
        return;
    }
    const QRect area = screen->availableGeometry();
    const QSize decoration =
        calculationWindow_->frameGeometry().size() - calculationWindow_->geometry().size();
    const QSize fitting(std::min(wanted.width(), area.width() * 9 / 10),
                        std::min(wanted.height(), area.height() * 9 / 10));
    const QRect placed = PlaceBeside(calculationWindow_->frameGeometry(), fitting + decoration,
                                     fitting / 2 + decoration, area);
    resize(placed.size() - decoration);
    move(placed.topLeft());
}

QString SizesWindow::CopiedText() const {
    QString text;
    for (const QStringList& row : Cli::SizesCells(sizes_, Plain, QStringLiteral("wybrany")))
        text += row.join(QLatin1Char('\t')) + QLatin1Char('\n');
    return text;
}

void SizesWindow::Copy() const {
    QApplication::clipboard()->setText(CopiedText());
}
