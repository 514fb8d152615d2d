#include "selection/SelectionWindow.h"

#include "app/HelpViewer.h"
#include "app/Messages.h"
#include "app/NumEdit.h"
#include "data/Convert.h"
#include "report/ReportOutput.h"
#include "valves/Catalogue.h"
#include "valves/Dobor_zaworu.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
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

GroupTitles GroupTitles::Framed() {
    const auto framed = [](const QString& title) {
        return QLatin1Char(' ') + title + QLatin1Char(' ');
    };
    const GroupTitles plain;
    return {framed(plain.data), framed(plain.valveType), framed(plain.results),
            framed(plain.exchanger)};
}

SelectionWindow::SelectionWindow(QWidget* mainWindow, const QString& name, const QString& caption,
                                 bool* activeFlag, int helpContext, ButtonNames buttons)
    : CalcWindow(mainWindow, name, caption, Group::Selection, activeFlag), names_(buttons) {
    Help::SetHelpContext(this, helpContext);
}

void SelectionWindow::EnsureFrame() {
    if (layout_)
        return;
    layout_ = new QVBoxLayout(this);
    dataGroup_ = new QGroupBox(titles_.data, this);
    dataGroup_->setObjectName(QStringLiteral("GroupBox1"));
    dataLayout_ = new QVBoxLayout(dataGroup_);
    dataRows_ = new QGridLayout;
    dataRows_->setColumnStretch(3, 1);
    outerRows_ = dataRows_;
    dataLayout_->addLayout(dataRows_);
    layout_->addWidget(dataGroup_);
}

SelectionValveFields SelectionWindow::ValveTypeFields() {
    EnsureBuilt();
    return {typeField_, setPressureField_};
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

NumEdit* SelectionWindow::NewDerived(const QString& name) {
    auto* edit = new NumEdit(name, this);
    edit->setReadOnly(true);
    return edit;
}

QLineEdit* SelectionWindow::NewField(const QString& name) {
    auto* field = new QLineEdit(this);
    field->setObjectName(name);
    return field;
}

QLineEdit* SelectionWindow::MissingField() const {
    const QString name = QStringLiteral("MissingField");
    auto* field = findChild<QLineEdit*>(name);
    if (!field) {
        field = new QLineEdit(const_cast<SelectionWindow*>(this));
        field->setObjectName(name);
        field->hide();
    }
    return field;
}

void SelectionWindow::AddDataRow(const Row& r, int helpContext) {
    EnsureFrame();
    const int row = dataRows_->rowCount();
    const QString name = r.field->objectName();
    QLabel* caption = Label(r.label, QStringLiteral("Label") + name, dataGroup_);
    caption->setBuddy(r.field);
    r.field->setParent(dataGroup_);
    r.field->setFixedWidth(CharsWide(r.field, kNumberChars));
    r.field->setAlignment(Qt::AlignRight); // numbers line up as in the capacity windows
    Help::SetHelpContext(r.field, helpContext);
    dataRows_->addWidget(caption, row, 0);
    dataRows_->addWidget(r.field, row, 1);
    if (!r.unit.isEmpty())
        dataRows_->addWidget(Label(r.unit, QStringLiteral("Unit") + name, dataGroup_), row, 2);
}

void SelectionWindow::AddDataWidget(QWidget* widget) {
    EnsureFrame();
    widget->setParent(dataGroup_);
    dataRows_->addWidget(widget, dataRows_->rowCount(), 0, 1, 4);
}

void SelectionWindow::BeginDataGroup(const QString& title, const QString& name) {
    EnsureFrame();
    auto* group = new QGroupBox(title, dataGroup_);
    group->setObjectName(name);
    dataRows_ = new QGridLayout(group);
    dataRows_->setColumnStretch(3, 1);
    innerRows_.push_back(dataRows_);
    dataLayout_->addWidget(group);
}

QButtonGroup* SelectionWindow::AddRadioGroup(const QString& title, const QStringList& items,
                                             int helpContext) {
    auto* box = new QGroupBox(title, this);
    box->setObjectName(QStringLiteral("RadioGroup1"));
    Help::SetHelpContext(box, helpContext);
    auto* buttons = new QButtonGroup(box);
    auto* column = new QVBoxLayout(box);
    for (const QString& text : items) {
        const int id = static_cast<int>(buttons->buttons().size());
        auto* item = new QRadioButton(text, box);
        item->setObjectName(QStringLiteral("RadioGroup1Item%1").arg(id));
        Help::SetHelpContext(item, helpContext);
        buttons->addButton(item, id);
        column->addWidget(item);
    }
    buttons->button(0)->setChecked(true);
    AddDataWidget(box);
    return buttons;
}

QSpinBox* SelectionWindow::AddSpin(QGridLayout* rows, const QString& label, const QString& unit,
                                   int min, int max, int helpContext) {
    QWidget* group = rows->parentWidget();
    auto* spin = new QSpinBox(group);
    spin->setObjectName(QStringLiteral("SpinEdit1"));
    spin->setRange(min, max);
    spin->setFixedWidth(CharsWide(spin, 6));
    Help::SetHelpContext(spin, helpContext);
    const int row = rows->rowCount();
    QLabel* caption = Label(label, QStringLiteral("LabelSpinEdit1"), group);
    caption->setBuddy(spin);
    rows->addWidget(caption, row, 0);
    rows->addWidget(spin, row, 1);
    if (!unit.isEmpty())
        rows->addWidget(Label(unit, QStringLiteral("UnitSpinEdit1"), group), row, 2);
    return spin;
}

QSpinBox* SelectionWindow::AddValveTypeSpin(const QString& label, int min, int max,
                                            int helpContext) {
    return AddSpin(typeRows_, label, QString(), min, max, helpContext);
}

QSpinBox* SelectionWindow::AddDataSpin(const QString& label, const QString& unit, int min, int max,
                                       int helpContext) {
    EnsureFrame();
    return AddSpin(dataRows_, label, unit, min, max, helpContext);
}

void SelectionWindow::EnableRow(QWidget* field, bool enabled) {
    field->setEnabled(enabled);
    for (const QString& prefix : {QStringLiteral("Label"), QStringLiteral("Unit")})
        if (QWidget* w = findChild<QWidget*>(prefix + field->objectName()))
            w->setEnabled(enabled);
}

void SelectionWindow::AddValveTypeGroup(QLineEdit* type, QLineEdit* setPressure,
                                        bool setPressureEditable) {
    EnsureFrame();
    auto* group = new QGroupBox(titles_.valveType, dataGroup_);
    group->setObjectName(QStringLiteral("GroupBox2"));
    auto* grid = new QGridLayout(group);
    typeRows_ = grid;

    typeField_ = type;
    setPressureField_ = setPressure;
    type->setParent(group);
    MakeDisplayOnly(type);
    // Room for the longest type text.
    type->setMinimumWidth(type->fontMetrics().horizontalAdvance(Catalogue::Types().back().text) +
                          16);
    setPressure->setParent(group);
    setPressure->setFixedWidth(CharsWide(setPressure, kNumberChars));
    setPressure->setAlignment(Qt::AlignRight);
    if (!setPressureEditable)
        MakeDisplayOnly(setPressure);

    Button3 = new QPushButton(QStringLiteral("Wybór zaworu"), group);
    Button3->setObjectName(QString::fromLatin1(names_.choose));
    Help::SetHelpContext(Button3, kHelpValveType);
    connect(Button3, &QPushButton::clicked, this, &SelectionWindow::Button3Click);

    const QString typeName = type->objectName();
    const QString pName = setPressure->objectName();
    grid->addWidget(Label(QStringLiteral("Typ:"), QStringLiteral("Label") + typeName, group), 0, 0);
    grid->addWidget(type, 0, 1, 1, 3);
    grid->addWidget(
        Label(QStringLiteral("Ciśnienie nastawy :"), QStringLiteral("Label") + pName, group), 1, 0);
    grid->addWidget(setPressure, 1, 1);
    grid->addWidget(Label(QStringLiteral("[bar]"), QStringLiteral("Unit") + pName, group), 1, 2);
    grid->addWidget(Button3, 1, 3, Qt::AlignRight);
    grid->setColumnStretch(2, 1);
    dataLayout_->addWidget(group);
}

void SelectionWindow::AddResultsGroup(const std::vector<Row>& rows) {
    EnsureFrame();
    auto* group = new QGroupBox(titles_.results, this);
    group->setObjectName(QStringLiteral("GroupBox3"));
    auto* grid = new QGridLayout(group);
    resultRows_ = grid;
    int row = 0;
    resultFields_.clear();
    for (const Row& r : rows) {
        const QString name = r.field->objectName();
        r.field->setParent(group);
        MakeDisplayOnly(r.field);
        r.field->setFixedWidth(CharsWide(r.field, kResultChars));
        // Numbers line up at the right; the size is a text.
        if (static_cast<size_t>(row) < numericResults_.size() && numericResults_[row])
            r.field->setAlignment(Qt::AlignRight);
        grid->addWidget(Label(r.label, QStringLiteral("Label") + name, group), row, 0);
        grid->addWidget(r.field, row, 1);
        if (!r.unit.isEmpty())
            grid->addWidget(Label(r.unit, QStringLiteral("Unit") + name, group), row, 2);
        resultFields_.push_back(r.field);
        ++row;
    }
    grid->setColumnStretch(3, 1);
    SetResultFields(resultFields_);
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
    } buttons[] = {{&Button1, names_.compute, QStringLiteral("Oblicz"), kHelpCompute},
                   {&Button4, names_.print, PrintCaption(0), kHelpPrint},
                   {&Button2, names_.cancel, QStringLiteral("Anuluj"), kHelpCancel}};
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

void SelectionWindow::ChainTabOrder(std::vector<QWidget*> chain, bool thenValveButton) {
    if (thenValveButton)
        chain.push_back(Button3);
    for (QWidget* b : {Button1, Button4, Button2})
        chain.push_back(b);
    for (size_t i = 1; i < chain.size(); ++i)
        setTabOrder(chain[i - 1], chain[i]);
    SetFirstField(chain.front());
}

void SelectionWindow::AlignLabelColumns() {
    // The groups inside "Dane": the valve type's and the window's own.
    std::vector<QGridLayout*> inner = innerRows_;
    inner.push_back(typeRows_);
    std::vector<QGridLayout*> all = inner;
    all.push_back(outerRows_);
    all.push_back(resultRows_);
    int width = 0;
    for (QGridLayout* grid : all)
        for (int row = 0; grid && row < grid->rowCount(); ++row)
            if (QLayoutItem* item = grid->itemAtPosition(row, 0);
                item && qobject_cast<QLabel*>(item->widget()))
                width = std::max(width, item->widget()->sizeHint().width());
    outerRows_->setColumnMinimumWidth(0, width);
    if (resultRows_)
        resultRows_->setColumnMinimumWidth(0, width);
    // Their labels are narrower by their margins.
    for (QGridLayout* grid : inner)
        if (grid)
            grid->setColumnMinimumWidth(0, std::max(0, width - grid->contentsMargins().left() - 2));
}

void SelectionWindow::Button2Click() {
    close();
}

void SelectionWindow::Button3Click() {
    if (valveTypeDialog_)
        Messages::ExecModal(valveTypeDialog_, this);
}

void SelectionWindow::ClearValveResults() {
    for (size_t i = 1; i < resultFields_.size(); ++i)
        resultFields_[i]->clear();
}

void SelectionWindow::ZeroResults() {
    for (size_t i = 0; i < resultFields_.size(); ++i)
        resultFields_[i]->setText(numericResults_[i] ? QStringLiteral("0.0") : QString());
}

void SelectionWindow::Warn(const Calc::Refusal& refusal) {
    Messages::Warning(this, refusal.Message(),
                      refusal.caption.isEmpty() ? Messages::Caution() : refusal.caption);
}

void SelectionWindow::Print(const Calc::Outcome<Report::Content>& report) {
    if (!report) {
        Warn(report.refusal());
        return;
    }
    Report::Output(this, *report);
}
