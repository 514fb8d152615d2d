#include "capacity/CapacityWindow.h"

#include "app/HelpViewer.h"
#include "app/Messages.h"
#include "app/NumEdit.h"
#include "data/Convert.h"
#include "report/ReportOutput.h"

#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// Help topics of the buttons every capacity window has.
constexpr int kHelpOblicz = 21;
constexpr int kHelpPrint = 23;
constexpr int kHelpAnuluj = 30;
constexpr int kHelpValveChoice = 20;

// Field widths in characters of the window font: numbers and the widest result
// ("1 234 567.0").
constexpr int kNumberWidth = 8;
constexpr int kResultWidth = 12;

QPushButton* NewButton(QWidget* parent, const QString& name, const QString& text, int help) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    Help::SetHelpContext(button, help);
    return button;
}

} // namespace

CapacityWindow::CapacityWindow(QWidget* mainWindow, const QString& name, const QString& caption,
                               bool* activeFlag, int helpContext)
    : CalcWindow(mainWindow, name, caption, Group::Capacity, activeFlag) {
    Help::SetHelpContext(this, helpContext);
}

void CapacityWindow::Build() {
    dane_ = new QGroupBox(QStringLiteral("Dane"), this);
    dane_->setObjectName(QStringLiteral("GroupBox1"));
    daneGrid_ = new QGridLayout(dane_);
    daneGrid_->setColumnStretch(3, 1);
    results_ = new QGroupBox(QStringLiteral("Wyniki obliczeń"), this);
    results_->setObjectName(QStringLiteral("GroupBox3"));
    resultsGrid_ = new QGridLayout(results_);
    resultsGrid_->setColumnStretch(3, 1);

    Button1 = NewButton(this, QStringLiteral("Button1"), QStringLiteral("Oblicz"), kHelpOblicz);
    Button4 = NewButton(this, QStringLiteral("Button4"), PrintCaption(0), kHelpPrint);
    Button2 = NewButton(this, QStringLiteral("Button2"), QStringLiteral("Anuluj"), kHelpAnuluj);
    connect(Button1, &QPushButton::clicked, this, &CapacityWindow::Button1Click);
    connect(Button4, &QPushButton::clicked, this, &CapacityWindow::Button4Click);
    connect(Button2, &QPushButton::clicked, this, &CapacityWindow::Button2Click);
    SetPrintButton(Button4);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* b : {Button1, Button4, Button2})
        buttons->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(dane_);
    layout->addWidget(results_);
    layout->addLayout(buttons);
    Form();
}

QLabel* CapacityWindow::NewLabel(QWidget* parent, const QString& text) const {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::RichText);
    return label;
}

QLineEdit* CapacityWindow::NewField(QWidget* parent, const QString& name, int characters) const {
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setFixedWidth(field->fontMetrics().horizontalAdvance(QString(characters, '0')) + 12);
    return field;
}

void CapacityWindow::PlaceRow(QGridLayout* grid, QLabel* label, QWidget* field, const QString& unit,
                              int span) {
    const int row = grid->rowCount();
    if (label) {
        label->setBuddy(field);
        grid->addWidget(label, row, 0);
    }
    grid->addWidget(field, row, 1, 1, span, Qt::AlignLeft);
    if (!unit.isEmpty()) {
        QLabel* unitLabel = NewLabel(grid->parentWidget(), unit);
        unitLabel->setObjectName(QStringLiteral("Unit_") + field->objectName());
        grid->addWidget(unitLabel, row, 1 + span);
    }
}

NumEdit* CapacityWindow::AddInput(const QString& name, const QString& label, const QString& unit,
                                  const QString& invalidMessage, int helpContext,
                                  const QString& toolTip, std::optional<Range> range) {
    NumEdit* edit = AddNumericField(name, invalidMessage, std::move(range));
    edit->setParent(dane_);
    edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QString(kNumberWidth, '0')) + 12);
    edit->setAlignment(Qt::AlignRight);
    edit->setToolTip(toolTip);
    Help::SetHelpContext(edit, helpContext);
    PlaceRow(daneGrid_, NewLabel(dane_, label), edit, unit);
    return edit;
}

QLineEdit* CapacityWindow::AddDerived(const QString& name, const QString& label,
                                      const QString& unit, int helpContext,
                                      const QString& toolTip) {
    QLineEdit* field = NewField(dane_, name, kNumberWidth);
    field->setReadOnly(true);
    field->setAlignment(Qt::AlignRight);
    field->setToolTip(toolTip);
    Help::SetHelpContext(field, helpContext);
    PlaceRow(daneGrid_, NewLabel(dane_, label), field, unit);
    return field;
}

void CapacityWindow::AddValveGroup() {
    valveGroup_ = new QGroupBox(QStringLiteral("Wybrany zawór bezpieczeństwa"), dane_);
    valveGroup_->setObjectName(QStringLiteral("GroupBox2"));
    valveGrid_ = new QGridLayout(valveGroup_);
    // What the type text needs beyond the number fields goes to the last of its
    // columns, so the units stand beside their fields.
    valveGrid_->setColumnStretch(3, 1);
    daneGrid_->addWidget(valveGroup_, daneGrid_->rowCount(), 0, 1, 4);

    Button3 = NewButton(valveGroup_, QStringLiteral("Button3"), QStringLiteral("Wybór zaworu"),
                        kHelpValveChoice);
    connect(Button3, &QPushButton::clicked, this, &CapacityWindow::Button3Click);
}

QLineEdit* CapacityWindow::AddValveField(const QString& name, const QString& label,
                                         const QString& unit, const QString& toolTip) {
    QLineEdit* field = NewField(valveGroup_, name, kNumberWidth);
    field->setReadOnly(true);
    field->setAlignment(Qt::AlignRight);
    field->setToolTip(toolTip);
    PlaceRow(valveGrid_, NewLabel(valveGroup_, label), field, unit);
    return field;
}

QLineEdit* CapacityWindow::AddValveText(const QString& name, const QString& label, int characters,
                                        const QString& toolTip) {
    QLineEdit* field = NewField(valveGroup_, name, characters);
    field->setReadOnly(true);
    field->setToolTip(toolTip);
    // Reaches over the unit column.
    PlaceRow(valveGrid_, NewLabel(valveGroup_, label), field, QString(), 3);
    return field;
}

QLineEdit* CapacityWindow::AddResult(const QString& name, const QString& label,
                                     const QString& unit) {
    QLineEdit* field = NewField(results_, name, kResultWidth);
    field->setReadOnly(true);
    field->setAlignment(Qt::AlignRight);
    PlaceRow(resultsGrid_, label.isEmpty() ? nullptr : NewLabel(results_, label), field, unit);
    return field;
}

void CapacityWindow::FinishForm(const std::vector<QWidget*>& fields) {
    // "Wybór zaworu" stands at the top right of its group, beside the fields.
    if (valveGroup_)
        valveGrid_->addWidget(Button3, 0, 5, valveGrid_->rowCount(), 1,
                              Qt::AlignRight | Qt::AlignTop);
    std::vector<QWidget*> chain = fields;
    for (QWidget* b : {Button1, Button4, Button2})
        chain.push_back(b);
    for (size_t i = 1; i < chain.size(); ++i)
        setTabOrder(chain[i - 1], chain[i]);
    SetFirstField(chain.front());
}

CapacityValveFields CapacityWindow::ValveFields() {
    EnsureBuilt();
    CapacityValveFields f;
    f.type = Edit11;
    f.size = Edit12;
    f.flowDiameter = Edit5;
    f.setPressure = Edit1;
    if (alphaLiquid25_) {
        f.alphaLiquid10 = Edit6;
        f.alphaLiquid25 = alphaLiquid25_;
    } else {
        f.alphaGas = Edit6;
    }
    f.overpressure = Edit3;
    f.relievingPressure = Edit4;
    return f;
}

void CapacityWindow::ShowRelievingPressure(double p1) {
    Edit4->setText(Convert::FixedText(p1, 2, 2));
}

void CapacityWindow::Button1Click() {
    // A text that is no number would enter the record as 0: refused first.
    if (!AllFieldsAreNumbers()) {
        ForgetCalculation();
        return;
    }
    ReadFields();
    const Capacity::Outcome outcome = Calculate();
    if (!outcome.Succeeded()) {
        Messages::Warning(this, outcome.Message());
        return;
    }
    ShowResults();
}

void CapacityWindow::Button2Click() {
    close();
}

void CapacityWindow::Button3Click() {
    if (valveDialog_)
        Messages::ExecModal(valveDialog_, this);
}

void CapacityWindow::Button4Click() {
    const Calc::Outcome<Report::Content> report = LastReport();
    if (!report) {
        Messages::Warning(this, report.Message());
        return;
    }
    Report::Output(this, *report);
}
