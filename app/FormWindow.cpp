#include "app/FormWindow.h"

#include "app/HelpViewer.h"
#include "app/Messages.h"
#include "app/NumEdit.h"
#include "report/ReportOutput.h"
#include "valves/Catalogue.h"

#include <QButtonGroup>
#include <QDialog>
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

// What the windows of a kind differ in beyond their groups' places.
struct KindLook {
    int helpCompute;    // "Oblicz"
    int helpChoose;     // "Wybór zaworu"
    int numberChars;    // an input or valve number, in characters of the window's font
    int resultChars;    // a result
    bool rowsAlignLeft; // a field stands at the left of its cell
    // A field's width: that of its characters as one text, or as many times
    // one character (the two differ by the rounding of a digit's advance).
    bool widthOfText;
};
constexpr KindLook kCapacity{21, 20, 8, 12, true, true};
constexpr KindLook kSelection{22, 19, 11, 14, false, false};
constexpr int kHelpPrint = 23;
constexpr int kHelpCancel = 30;
constexpr int kHelpAllSizes = 38;

const KindLook& LookOf(CalcWindow::Group group) {
    return group == CalcWindow::Group::Capacity ? kCapacity : kSelection;
}

QPushButton* NewButton(QWidget* parent, const char* name, const QString& text, int help) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    Help::SetHelpContext(button, help);
    return button;
}

} // namespace

GroupTitles GroupTitles::Framed() {
    const auto framed = [](const QString& title) {
        return QLatin1Char(' ') + title + QLatin1Char(' ');
    };
    const GroupTitles plain;
    return {framed(plain.data), framed(plain.valve), framed(plain.results),
            framed(plain.exchanger)};
}

GroupTitles GroupTitles::OfCapacity() {
    GroupTitles titles;
    titles.valve = QStringLiteral("Wybrany zawór bezpieczeństwa");
    return titles;
}

FormWindow::FormWindow(QWidget* mainWindow, const QString& name, const QString& caption,
                       Group group, bool* activeFlag, int helpContext, ButtonNames buttons)
    : CalcWindow(mainWindow, name, caption, group, activeFlag), names_(buttons),
      titles_(group == Group::Capacity ? GroupTitles::OfCapacity() : GroupTitles()) {
    Help::SetHelpContext(this, helpContext);
}

void FormWindow::EnsureFrame() {
    if (layout_)
        return;
    layout_ = new QVBoxLayout(this);
    dataGroup_ = new QGroupBox(titles_.data, this);
    dataGroup_->setObjectName(QStringLiteral("GroupBox1"));
    if (IsCapacity()) {
        // One grid: the valve group takes a row of it.
        dataRows_ = new QGridLayout(dataGroup_);
    } else {
        dataLayout_ = new QVBoxLayout(dataGroup_);
        dataRows_ = new QGridLayout;
        dataLayout_->addLayout(dataRows_);
    }
    dataRows_->setColumnStretch(3, 1);
    outerRows_ = dataRows_;
    layout_->addWidget(dataGroup_);
}

int FormWindow::CharsWide(const QWidget* field, int chars) const {
    const QFontMetrics metrics = field->fontMetrics();
    return (LookOf(Kind()).widthOfText ? metrics.horizontalAdvance(QString(chars, QLatin1Char('0')))
                                       : metrics.horizontalAdvance(QLatin1Char('0')) * chars) +
           12;
}

QLabel* FormWindow::Label(const QString& text, const QString& name, QWidget* parent) const {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    // α with its subscript, m³
    if (text.contains(QLatin1Char('<')))
        label->setTextFormat(Qt::RichText);
    return label;
}

void FormWindow::PlaceRow(QGridLayout* grid, const Row& r, int span) {
    const int row = grid->rowCount();
    QWidget* group = grid->parentWidget();
    const QString name = r.field->objectName();
    r.field->setParent(group);
    r.field->setToolTip(r.hint);
    if (!r.label.isEmpty()) {
        QLabel* caption = Label(r.label, QStringLiteral("Label") + name, group);
        caption->setBuddy(r.field);
        grid->addWidget(caption, row, 0);
    }
    if (LookOf(Kind()).rowsAlignLeft)
        grid->addWidget(r.field, row, 1, 1, span, Qt::AlignLeft);
    else
        grid->addWidget(r.field, row, 1, 1, span);
    if (!r.unit.isEmpty())
        grid->addWidget(Label(r.unit, QStringLiteral("Unit") + name, group), row, 1 + span);
}

void FormWindow::MakeDisplayOnly(QLineEdit* field) {
    field->setReadOnly(true);
    field->setFocusPolicy(Qt::ClickFocus);
}

NumEdit* FormWindow::NewDerived(const QString& name) {
    auto* edit = new NumEdit(name, this);
    edit->setReadOnly(true);
    return edit;
}

QLineEdit* FormWindow::NewField(const QString& name) {
    auto* field = new QLineEdit(this);
    field->setObjectName(name);
    return field;
}

QLineEdit* FormWindow::MissingField() const {
    const QString name = QStringLiteral("MissingField");
    auto* field = findChild<QLineEdit*>(name);
    if (!field) {
        field = new QLineEdit(const_cast<FormWindow*>(this));
        field->setObjectName(name);
        field->hide();
    }
    return field;
}

void FormWindow::AddDataRow(const Row& r) {
    EnsureFrame();
    r.field->setFixedWidth(CharsWide(r.field, LookOf(Kind()).numberChars));
    r.field->setAlignment(Qt::AlignRight);
    Help::SetHelpContext(r.field, r.help);
    PlaceRow(dataRows_, r);
}

void FormWindow::AddDataWidget(QWidget* widget) {
    EnsureFrame();
    widget->setParent(dataGroup_);
    dataRows_->addWidget(widget, dataRows_->rowCount(), 0, 1, 4);
}

void FormWindow::BeginDataGroup(const QString& title, const QString& name) {
    EnsureFrame();
    auto* group = new QGroupBox(title, dataGroup_);
    group->setObjectName(name);
    dataRows_ = new QGridLayout(group);
    dataRows_->setColumnStretch(3, 1);
    innerRows_.push_back(dataRows_);
    dataLayout_->addWidget(group);
}

QButtonGroup* FormWindow::AddRadioGroup(const QString& title, const QStringList& items,
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

QSpinBox* FormWindow::AddSpin(QGridLayout* rows, const QString& label, const QString& unit, int min,
                              int max, int helpContext) {
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

QSpinBox* FormWindow::AddValveTypeSpin(const QString& label, int min, int max, int helpContext) {
    return AddSpin(valveRows_, label, QString(), min, max, helpContext);
}

QSpinBox* FormWindow::AddDataSpin(const QString& label, const QString& unit, int min, int max,
                                  int helpContext) {
    EnsureFrame();
    return AddSpin(dataRows_, label, unit, min, max, helpContext);
}

void FormWindow::EnableRow(QWidget* field, bool enabled) {
    field->setEnabled(enabled);
    for (const QString& prefix : {QStringLiteral("Label"), QStringLiteral("Unit")})
        if (QWidget* w = findChild<QWidget*>(prefix + field->objectName()))
            w->setEnabled(enabled);
}

void FormWindow::AddValveRow(const Row& r, int characters) {
    EnsureFrame();
    if (!valveGroup_) {
        valveGroup_ = new QGroupBox(titles_.valve, dataGroup_);
        valveGroup_->setObjectName(QStringLiteral("GroupBox2"));
        valveRows_ = new QGridLayout(valveGroup_);
        // What the type text needs beyond the number fields goes to the last
        // of its columns, so the units stand beside their fields.
        valveRows_->setColumnStretch(3, 1);
        dataRows_->addWidget(valveGroup_, dataRows_->rowCount(), 0, 1, 4);
        Button3 = NewButton(valveGroup_, names_.choose, QStringLiteral("Wybór zaworu"),
                            LookOf(Kind()).helpChoose);
        connect(Button3, &QPushButton::clicked, this, &FormWindow::Button3Click);
    }
    r.field->setReadOnly(true);
    if (characters) {
        r.field->setFixedWidth(CharsWide(r.field, characters));
        PlaceRow(valveRows_, r, 3);
    } else {
        r.field->setFixedWidth(CharsWide(r.field, LookOf(Kind()).numberChars));
        r.field->setAlignment(Qt::AlignRight);
        PlaceRow(valveRows_, r);
    }
}

void FormWindow::AddValveTypeGroup(QLineEdit* type, QLineEdit* setPressure,
                                   bool setPressureEditable) {
    EnsureFrame();
    valveGroup_ = new QGroupBox(titles_.valve, dataGroup_);
    valveGroup_->setObjectName(QStringLiteral("GroupBox2"));
    auto* grid = new QGridLayout(valveGroup_);
    valveRows_ = grid;

    typeField_ = type;
    setPressureField_ = setPressure;
    type->setParent(valveGroup_);
    MakeDisplayOnly(type);
    // Room for the longest type text.
    type->setMinimumWidth(type->fontMetrics().horizontalAdvance(Catalogue::Types().back().text) +
                          16);
    setPressure->setParent(valveGroup_);
    setPressure->setFixedWidth(CharsWide(setPressure, kSelection.numberChars));
    setPressure->setAlignment(Qt::AlignRight);
    if (!setPressureEditable)
        MakeDisplayOnly(setPressure);

    Button3 = NewButton(valveGroup_, names_.choose, QStringLiteral("Wybór zaworu"),
                        LookOf(Kind()).helpChoose);
    connect(Button3, &QPushButton::clicked, this, &FormWindow::Button3Click);

    const QString typeName = type->objectName();
    const QString pName = setPressure->objectName();
    grid->addWidget(Label(QStringLiteral("Typ:"), QStringLiteral("Label") + typeName, valveGroup_),
                    0, 0);
    grid->addWidget(type, 0, 1, 1, 3);
    grid->addWidget(
        Label(QStringLiteral("Ciśnienie nastawy :"), QStringLiteral("Label") + pName, valveGroup_),
        1, 0);
    grid->addWidget(setPressure, 1, 1);
    grid->addWidget(Label(QStringLiteral("[bar]"), QStringLiteral("Unit") + pName, valveGroup_), 1,
                    2);
    grid->addWidget(Button3, 1, 3, Qt::AlignRight);
    grid->setColumnStretch(2, 1);
    dataLayout_->addWidget(valveGroup_);
}

void FormWindow::AddResultsGroup(const std::vector<Row>& rows, const std::vector<bool>& numeric) {
    EnsureFrame();
    auto* group = new QGroupBox(titles_.results, this);
    group->setObjectName(QStringLiteral("GroupBox3"));
    resultRows_ = new QGridLayout(group);
    numericResults_ = numeric;
    resultFields_.clear();
    for (size_t i = 0; i < rows.size(); ++i) {
        QLineEdit* field = rows[i].field;
        field->setReadOnly(true);
        if (!IsCapacity())
            MakeDisplayOnly(field);
        field->setFixedWidth(CharsWide(field, LookOf(Kind()).resultChars));
        // Numbers line up at the right; the size is a text.
        if (numeric[i])
            field->setAlignment(Qt::AlignRight);
        PlaceRow(resultRows_, rows[i]);
        resultFields_.push_back(field);
    }
    resultRows_->setColumnStretch(3, 1);
    if (!IsCapacity() && !rows.empty()) {
        ButtonAllSizes = NewButton(group, "ButtonAllSizes", QStringLiteral("Wszystkie rozmiary…"),
                                   kHelpAllSizes);
        ButtonAllSizes->setEnabled(false);
        connect(ButtonAllSizes, &QPushButton::clicked, this, &FormWindow::AllSizesClick);
        // Beside the size, over the unit column it leaves free; the last row's
        // end otherwise.
        const auto size = std::find(numeric.begin(), numeric.end(), false);
        const QLineEdit* beside =
            size != numeric.end() ? rows[size_t(size - numeric.begin())].field : rows.back().field;
        int row = 0;
        int column = 0;
        int rowSpan = 0;
        int columnSpan = 0;
        resultRows_->getItemPosition(resultRows_->indexOf(beside), &row, &column, &rowSpan,
                                     &columnSpan);
        if (size != numeric.end() && !resultRows_->itemAtPosition(row, 2))
            resultRows_->addWidget(ButtonAllSizes, row, 2, 1, 2, Qt::AlignRight);
        else
            resultRows_->addWidget(ButtonAllSizes, row, 3, Qt::AlignRight);
    }
    layout_->addWidget(group);
}

void FormWindow::AddButtons() {
    auto* row = new QHBoxLayout;
    row->addStretch();
    const struct {
        QPushButton** button;
        const char* name;
        QString text;
        int help;
    } buttons[] = {{&Button1, names_.compute, QStringLiteral("Oblicz"), LookOf(Kind()).helpCompute},
                   {&Button4, names_.print, PrintCaption(0), kHelpPrint},
                   {&Button2, names_.cancel, QStringLiteral("Anuluj"), kHelpCancel}};
    for (const auto& b : buttons) {
        *b.button = NewButton(this, b.name, b.text, b.help);
        row->addWidget(*b.button);
    }
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    connect(Button4, &QPushButton::clicked, this, &FormWindow::Button4Click);
    connect(Button2, &QPushButton::clicked, this, &FormWindow::Button2Click);
    SetPrintButton(Button4);
    layout_->addLayout(row);
    if (IsCapacity()) {
        // "Wybór zaworu" stands at the top right of its group, beside the fields.
        valveRows_->addWidget(Button3, 0, 5, valveRows_->rowCount(), 1,
                              Qt::AlignRight | Qt::AlignTop);
    } else {
        AlignLabelColumns();
    }
}

void FormWindow::ChainTabOrder(std::vector<QWidget*> chain, bool thenValveButton) {
    if (thenValveButton)
        chain.push_back(Button3);
    if (ButtonAllSizes)
        chain.push_back(ButtonAllSizes);
    for (QWidget* b : {Button1, Button4, Button2})
        chain.push_back(b);
    for (size_t i = 1; i < chain.size(); ++i)
        setTabOrder(chain[i - 1], chain[i]);
    SetFirstField(chain.front());
}

void FormWindow::AlignLabelColumns() {
    // The groups inside "Dane": the valve type's and the window's own.
    std::vector<QGridLayout*> inner = innerRows_;
    inner.push_back(valveRows_);
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

void FormWindow::Button2Click() {
    close();
}

void FormWindow::Button3Click() {
    if (choiceDialog_)
        Messages::ExecModal(choiceDialog_, this);
}

void FormWindow::AllSizesClick() {
    if (!sizes_)
        return;
    if (!sizesWindow_) {
        sizesWindow_ = new SizesWindow(this);
        sizesWindow_->SetSizes(*sizes_);
    }
    sizesWindow_->ShowAbove();
}

void FormWindow::SetSizes(std::optional<Cli::Sizes> sizes) {
    if (sizes && !sizes->table.walked)
        sizes.reset();
    sizes_ = std::move(sizes);
    if (ButtonAllSizes)
        ButtonAllSizes->setEnabled(sizes_.has_value());
    if (!sizesWindow_)
        return;
    if (sizes_)
        sizesWindow_->SetSizes(*sizes_);
    else
        sizesWindow_->hide(); // no walk to show
}

void FormWindow::Button4Click() {
    Print(LastReport());
}

void FormWindow::ClearValveResults() {
    for (size_t i = 1; i < resultFields_.size(); ++i)
        resultFields_[i]->clear();
}

void FormWindow::ZeroResults() {
    for (size_t i = 0; i < resultFields_.size(); ++i)
        resultFields_[i]->setText(numericResults_[i] ? QStringLiteral("0.0") : QString());
}

void FormWindow::Warn(const Calc::Refusal& refusal) {
    Messages::Warning(this, refusal.Message(),
                      refusal.caption.isEmpty() ? Messages::Caution() : refusal.caption);
}

void FormWindow::Print(const Calc::Outcome<Report::Content>& report) {
    if (!report) {
        Warn(report.refusal());
        return;
    }
    Report::Output(this, *report);
}
