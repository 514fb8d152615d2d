#include "selection/SelectionWindow.h"

#include "app/Convert.h"
#include "app/HelpViewer.h"
#include "app/Messages.h"
#include "report/ReportOutput.h"
#include "valves/Catalogue.h"
#include "valves/Dobor_zaworu.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// Help context numbers of the buttons every selection window has.
constexpr int kHelpCompute = 22;
constexpr int kHelpPrint = 23;
constexpr int kHelpValveType = 19;
constexpr int kHelpCancel = 30;

// Widths of the fields, in characters of the window's font.
constexpr int kNumberChars = 11;
constexpr int kResultChars = 14;

int CharsWide(const QWidget* w, int chars) {
    return w->fontMetrics().horizontalAdvance(QLatin1Char('0')) * chars + 12;
}

} // namespace

SelectionWindow::SelectionWindow(QWidget* mainWindow, const QString& name, const QString& caption,
                                 bool* activeFlag, int helpContext)
    : CalcWindow(mainWindow, name, caption, Group::Selection, activeFlag) {
    Help::SetHelpContext(this, helpContext);
    layout_ = new QVBoxLayout(this);
    dataGroup_ = new QGroupBox(QStringLiteral("Dane"), this);
    dataGroup_->setObjectName(QStringLiteral("GroupBox1"));
    dataLayout_ = new QVBoxLayout(dataGroup_);
    dataRows_ = new QGridLayout;
    dataRows_->setColumnStretch(3, 1);
    dataLayout_->addLayout(dataRows_);
    layout_->addWidget(dataGroup_);
}

QLabel* SelectionWindow::Label(const QString& text, const QString& name, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

void SelectionWindow::MakeDisplayOnly(QLineEdit* field) {
    field->setReadOnly(true);
    field->setFocusPolicy(Qt::ClickFocus);
}

SelectionWindow::RowLabels SelectionWindow::AddDataRow(const QString& label, QLineEdit* field,
                                                       const QString& unit) {
    const int row = dataRows_->rowCount();
    const QString name = field->objectName();
    QLabel* caption = Label(label, QStringLiteral("Label") + name, dataGroup_);
    caption->setBuddy(field);
    field->setParent(dataGroup_);
    field->setFixedWidth(CharsWide(field, kNumberChars));
    field->setAlignment(Qt::AlignRight); // numbers line up as in the capacity windows
    dataRows_->addWidget(caption, row, 0);
    dataRows_->addWidget(field, row, 1);
    QLabel* unitLabel = nullptr;
    if (!unit.isEmpty()) {
        unitLabel = Label(unit, QStringLiteral("Unit") + name, dataGroup_);
        dataRows_->addWidget(unitLabel, row, 2);
    }
    return {caption, unitLabel};
}

void SelectionWindow::AddDataWidget(QWidget* widget) {
    widget->setParent(dataGroup_);
    dataRows_->addWidget(widget, dataRows_->rowCount(), 0, 1, 4);
}

void SelectionWindow::AddValveTypeGroup(bool setPressureEditable) {
    auto* group = new QGroupBox(QStringLiteral("Wybrany typ zaworu bezpieczeństwa"), dataGroup_);
    group->setObjectName(QStringLiteral("GroupBox2"));
    auto* grid = new QGridLayout(group);
    typeRows_ = grid;

    Edit11 = new QLineEdit(group);
    Edit11->setObjectName(QStringLiteral("Edit11"));
    MakeDisplayOnly(Edit11);
    // Room for the longest type text.
    Edit11->setMinimumWidth(
        Edit11->fontMetrics().horizontalAdvance(Catalogue::Types().back().text) + 16);

    Edit6 = new QLineEdit(group);
    Edit6->setObjectName(QStringLiteral("Edit6"));
    Edit6->setFixedWidth(CharsWide(Edit6, kNumberChars));
    Edit6->setAlignment(Qt::AlignRight);
    if (!setPressureEditable)
        MakeDisplayOnly(Edit6);

    Button3 = new QPushButton(QStringLiteral("Wybór zaworu"), group);
    Button3->setObjectName(QStringLiteral("Button3"));
    Help::SetHelpContext(Button3, kHelpValveType);
    connect(Button3, &QPushButton::clicked, this, &SelectionWindow::Button3Click);

    grid->addWidget(Label(QStringLiteral("Typ:"), QStringLiteral("LabelEdit11"), group), 0, 0);
    grid->addWidget(Edit11, 0, 1, 1, 3);
    grid->addWidget(
        Label(QStringLiteral("Ciśnienie nastawy :"), QStringLiteral("LabelEdit6"), group), 1, 0);
    grid->addWidget(Edit6, 1, 1);
    grid->addWidget(Label(QStringLiteral("[bar]"), QStringLiteral("UnitEdit6"), group), 1, 2);
    grid->addWidget(Button3, 1, 3, Qt::AlignRight);
    grid->setColumnStretch(2, 1);
    dataLayout_->addWidget(group);
}

void SelectionWindow::AddResultsGroup(const QString& resultLabel, const QString& resultUnit) {
    auto* group = new QGroupBox(QStringLiteral("Wyniki obliczeń"), this);
    group->setObjectName(QStringLiteral("GroupBox3"));
    auto* grid = new QGridLayout(group);
    resultRows_ = grid;
    struct Row {
        QLineEdit** field;
        const char* name;
        QString label;
        QString unit;
    };
    const Row rows[] = {{&Edit2, "Edit2", QStringLiteral("Wielkość :"), QString()},
                        {&Edit7, "Edit7", QStringLiteral("Średnica :"), QStringLiteral("[mm]")},
                        {&Edit10, "Edit10", resultLabel, resultUnit}};
    int row = 0;
    for (const Row& r : rows) {
        auto* field = new QLineEdit(group);
        const QString name = QString::fromLatin1(r.name);
        field->setObjectName(name);
        MakeDisplayOnly(field);
        field->setFixedWidth(CharsWide(field, kResultChars));
        if (r.field != &Edit2) // the size is a text, the others numbers
            field->setAlignment(Qt::AlignRight);
        grid->addWidget(Label(r.label, QStringLiteral("Label") + name, group), row, 0);
        grid->addWidget(field, row, 1);
        if (!r.unit.isEmpty())
            grid->addWidget(Label(r.unit, QStringLiteral("Unit") + name, group), row, 2);
        *r.field = field;
        ++row;
    }
    grid->setColumnStretch(3, 1);
    SetResultFields({Edit2, Edit7, Edit10});
    layout_->addWidget(group);
}

void SelectionWindow::AddButtons() {
    auto* row = new QHBoxLayout;
    row->addStretch();
    const struct {
        QPushButton** button;
        const char* name;
        QString text;
        int help;
    } buttons[] = {{&Button1, "Button1", QStringLiteral("Oblicz"), kHelpCompute},
                   {&Button4, "Button4", PrintCaption(0), kHelpPrint},
                   {&Button2, "Button2", QStringLiteral("Anuluj"), kHelpCancel}};
    for (const auto& b : buttons) {
        auto* button = new QPushButton(b.text, this);
        button->setObjectName(QString::fromLatin1(b.name));
        Help::SetHelpContext(button, b.help);
        row->addWidget(button);
        *b.button = button;
    }
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    connect(Button4, &QPushButton::clicked, this, [this] { Button4Click(); });
    connect(Button2, &QPushButton::clicked, this, &SelectionWindow::Button2Click);
    SetPrintButton(Button4);
    layout_->addLayout(row);
    AlignLabelColumns();
}

void SelectionWindow::AlignLabelColumns() {
    int width = 0;
    for (QGridLayout* grid : {dataRows_, typeRows_, resultRows_}) {
        for (int row = 0; grid && row < grid->rowCount(); ++row)
            if (QLayoutItem* item = grid->itemAtPosition(row, 0); item && item->widget())
                width = std::max(width, item->widget()->sizeHint().width());
    }
    // The type group stands inside "Dane": its labels are narrower by its margins.
    const QMargins inner = typeRows_ ? typeRows_->contentsMargins() : QMargins();
    dataRows_->setColumnMinimumWidth(0, width);
    if (typeRows_)
        typeRows_->setColumnMinimumWidth(0, std::max(0, width - inner.left() - 2));
    if (resultRows_)
        resultRows_->setColumnMinimumWidth(0, width);
}

void SelectionWindow::Button2Click() {
    close();
}

void SelectionWindow::Button3Click() {
    if (valveTypeDialog_)
        Messages::ExecModal(valveTypeDialog_);
}

void SelectionWindow::ShowFound(const QString& size, double flowDiameter, double result) {
    Edit2->setText(size);
    Edit7->setText(Convert::ResultText(flowDiameter));
    Edit10->setText(Convert::ResultText(result));
}

void SelectionWindow::ShowRecordResults(const QString& size, double flowDiameter, double result) {
    Edit2->setText(size);
    Edit7->setText(Convert::FixedText(flowDiameter, 4, 1));
    Edit10->setText(Convert::FixedText(result, 4, 1));
}

void SelectionWindow::ZeroResults() {
    Edit2->clear();
    Edit7->setText(QStringLiteral("0.0"));
    Edit10->setText(QStringLiteral("0.0"));
}

void SelectionWindow::RecomputeRelievingPressure(const QLineEdit* overpressureField,
                                                 QLineEdit* relievingField, double& setPressure,
                                                 double& overpressure, double& relievingPressure) {
    TakeValue(Edit6->text(), setPressure);
    TakeValue(overpressureField->text(), overpressure);
    relievingPressure = setPressure * (overpressure / 100 + 1);
    relievingField->setText(Convert::FixedText(relievingPressure, 2, 2));
}

void SelectionWindow::Warn(const Selection::Refusal& refusal) {
    Messages::Warning(this, refusal.Message());
}

void SelectionWindow::Print(const Selection::Outcome<Report::Content>& report) {
    if (!report) {
        Warn(report.refusal());
        return;
    }
    Report::Output(this, *report);
}
