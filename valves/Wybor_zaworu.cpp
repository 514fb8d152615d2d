#include "valves/Wybor_zaworu.h"

#include "app/CalcWindow.h"
#include "app/HelpViewer.h"
#include "app/WindowFrame.h"
#include "app/WindowList.h"
#include "calc/Obliczenia.h"
#include "data/Convert.h"
#include "data/Dane.h"
#include "valves/Catalogue.h"
#include "valves/ChoiceList.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>
#include <array>

namespace {

// The help topic "Wybór zaworu – przepustowość".
constexpr int kHelpContext = 20;

void SetText(QLineEdit* field, const QString& text) {
    if (field)
        field->setText(text);
}

QString Coefficient(double alpha) {
    return Convert::FixedText(alpha, 4, 2);
}

QGroupBox* NewGroup(QWidget* parent, const QString& name, const QString& title) {
    auto* group = new QGroupBox(title, parent);
    group->setObjectName(name);
    return group;
}

} // namespace

TfrmWybor_zaworu::TfrmWybor_zaworu(QWidget* parent) : LazyDialog(parent, DialogFrame(true)) {
    setObjectName(QStringLiteral("frmWybor_zaworu"));
    setWindowTitle(QStringLiteral("Wybór zaworu bezpieczeństwa"));
    Help::SetHelpContext(this, kHelpContext);
}

void TfrmWybor_zaworu::Build() {
    QGroupBox* typeGroup =
        NewGroup(this, QStringLiteral("GroupBox1"), QStringLiteral("Typ zaworu"));
    ListBox_typ = ChoiceList::Create(typeGroup, QStringLiteral("ListBox_typ"),
                                     [this] { ListBox_typClick(); });
    std::vector<QString> typeTexts;
    for (const Catalogue::Type& type : Catalogue::Types())
        typeTexts.push_back(type.text);
    ChoiceList::Refill(ListBox_typ, typeTexts);

    QGroupBox* sizeGroup = NewGroup(this, QStringLiteral("GroupBox2"), QStringLiteral("Wielkość"));
    ListBox_Size = ChoiceList::Create(sizeGroup, QStringLiteral("ListBox_Size"),
                                      [this] { ListBox_SizeClick(); });
    QGroupBox* pressureGroup =
        NewGroup(this, QStringLiteral("GroupBox3"), QStringLiteral("Ciśnienie"));
    ListBox_Cisnienie = ChoiceList::Create(pressureGroup, QStringLiteral("ListBox_Cisnienie"),
                                           [this] { ListBox_CisnienieClick(); });

    // Room for the longest type text and for ten set pressures without scrolling.
    const int row = fontMetrics().height() + 4;
    for (QListWidget* list : {ListBox_typ, ListBox_Size, ListBox_Cisnienie})
        list->setFixedHeight(10 * row + 2 * list->frameWidth());
    ListBox_typ->setMinimumWidth(fontMetrics().horizontalAdvance(Catalogue::Types().back().text) +
                                 32);
    ListBox_Size->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("1 1/4\"")) + 48);
    ListBox_Cisnienie->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("10.0")) + 48);

    QGroupBox* dataGroup =
        NewGroup(this, QStringLiteral("GroupBox4"),
                 QStringLiteral("Dane techniczne wybranego zaworu bezpieczeństwa"));
    auto* grid = new QGridLayout(dataGroup);
    auto addRow = [dataGroup, grid](int r, const QString& name, const QString& label,
                                    const QString& unit) {
        auto* caption = new QLabel(label, dataGroup);
        caption->setObjectName(QStringLiteral("Label%1").arg(2 * r + 1));
        caption->setTextFormat(Qt::RichText);
        auto* edit = new QLineEdit(dataGroup);
        edit->setObjectName(name);
        edit->setReadOnly(true);
        edit->setFocusPolicy(Qt::NoFocus);
        edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("0000.00")) + 12);
        edit->setAlignment(Qt::AlignRight);
        grid->addWidget(caption, r, 0, Qt::AlignRight);
        grid->addWidget(edit, r, 1);
        if (!unit.isEmpty()) {
            auto* unitLabel = new QLabel(unit, dataGroup);
            unitLabel->setObjectName(QStringLiteral("Label%1").arg(2 * r + 2));
            grid->addWidget(unitLabel, r, 2);
        }
        return edit;
    };
    Edit1 = addRow(0, QStringLiteral("Edit1"), QStringLiteral("d :"), QStringLiteral("[mm]"));
    Edit2 = addRow(1, QStringLiteral("Edit2"), QStringLiteral("A :"), QStringLiteral("[mm²]"));
    Edit3 = addRow(2, QStringLiteral("Edit3"), QStringLiteral("α :"), QString());
    Edit4 =
        addRow(3, QStringLiteral("Edit4"), QStringLiteral("α<sub>c</sub> (b1 = 10%) :"), QString());
    Edit5 =
        addRow(4, QStringLiteral("Edit5"), QStringLiteral("α<sub>c</sub> (b1 = 25%) :"), QString());
    grid->setColumnStretch(3, 1);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("Button1"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Anuluj"), this);
    cancel->setObjectName(QStringLiteral("Button2"));
    connect(ok, &QPushButton::clicked, this, &TfrmWybor_zaworu::Button1Click);
    connect(cancel, &QPushButton::clicked, this, &TfrmWybor_zaworu::Button2Click);

    auto* lists = new QHBoxLayout;
    lists->addWidget(typeGroup, 1);
    lists->addWidget(sizeGroup);
    lists->addWidget(pressureGroup);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(lists);
    layout->addWidget(dataGroup);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

bool TfrmWybor_zaworu::AddWindow(bool* activeFlag, const CapacityValveFields& f) {
    if (const WindowList::Entry* entry = WindowList::OfFlag(activeFlag);
        !entry || entry->group != CalcWindow::Group::Capacity)
        return false;
    windows_.push_back({activeFlag, nullptr, f.type, f.size, f.flowDiameter, f.setPressure,
                        f.alphaGas, f.alphaLiquid10, f.alphaLiquid25, f.overpressure,
                        f.relievingPressure});
    return true;
}

bool TfrmWybor_zaworu::AddLazyWindow(bool* activeFlag,
                                     std::function<CapacityValveFields()> fields) {
    if (!AddWindow(activeFlag, CapacityValveFields{}))
        return false;
    windows_.back().provide = std::move(fields);
    return true;
}

void TfrmWybor_zaworu::showEvent(QShowEvent* event) {
    // Centred on the screen, as every dialog of the program.
    CenterOnScreen(this);
    QDialog::showEvent(event);
}

void TfrmWybor_zaworu::ClearCoefficients() {
    Dane::ChosenAlphaGas = 0;
    Dane::ChosenAlphaLiquid10 = 0;
    Dane::ChosenAlphaLiquid25 = 0;
}

void TfrmWybor_zaworu::ListBox_typClick() {
    ChoiceList::Refill(ListBox_Cisnienie, {});
    for (QLineEdit* field : {Edit1, Edit2, Edit3, Edit4, Edit5})
        field->clear();
    ClearCoefficients();
    std::vector<QString> sizes;
    const int type = ChoiceList::SelectedRow(ListBox_typ);
    if (type >= 0)
        for (const Catalogue::Size& size : Catalogue::Types()[static_cast<size_t>(type)].sizes)
            sizes.push_back(size.text);
    ChoiceList::Refill(ListBox_Size, sizes);
}

void TfrmWybor_zaworu::ListBox_SizeClick() {
    for (QLineEdit* field : {Edit3, Edit4, Edit5})
        field->clear();
    ClearCoefficients();
    const int type = ChoiceList::SelectedRow(ListBox_typ);
    const int size = ChoiceList::SelectedRow(ListBox_Size);
    if (type < 0 || size < 0) {
        // Only a size of the selected type can be chosen; a deselected size
        // leaves nothing to show.
        ChoiceList::Refill(ListBox_Cisnienie, {});
        Edit1->clear();
        Edit2->clear();
        return;
    }
    const Catalogue::Type& t = Catalogue::Types()[static_cast<size_t>(type)];
    ChoiceList::Refill(ListBox_Cisnienie, t.setPressureTexts);
    Edit1->setText(t.sizes[static_cast<size_t>(size)].flowDiameterText);
    const double d = Convert::ToDouble(Edit1->text());
    Edit2->setText(Convert::FixedText(Obliczenia::FlowArea(d), 2, 1));
}

void TfrmWybor_zaworu::ListBox_CisnienieClick() {
    const int type = ChoiceList::SelectedRow(ListBox_typ);
    const int size = ChoiceList::SelectedRow(ListBox_Size);
    const int pressure = ChoiceList::SelectedRow(ListBox_Cisnienie);
    if (type < 0 || size < 0 || pressure < 0) {
        ClearCoefficients();
        for (QLineEdit* field : {Edit3, Edit4, Edit5})
            field->clear();
        return;
    }
    const Catalogue::Alphas& a = Catalogue::Types()[static_cast<size_t>(type)]
                                     .sizes[static_cast<size_t>(size)]
                                     .alphas[static_cast<size_t>(pressure)];
    Dane::ChosenAlphaGas = a.gas;
    Dane::ChosenAlphaLiquid10 = a.liquid10;
    Dane::ChosenAlphaLiquid25 = a.liquid25;
    Edit3->setText(Coefficient(a.gas));
    Edit4->setText(Coefficient(a.liquid10));
    Edit5->setText(a.liquid25 == 0 ? QString() : Coefficient(a.liquid25));
}

void TfrmWybor_zaworu::Fill(Window& w, const QString& setPressure) const {
    if (w.provide) {
        const CapacityValveFields f = w.provide();
        w = {w.activeFlag,       nullptr,    f.type,          f.size,          f.flowDiameter,
             f.setPressure,      f.alphaGas, f.alphaLiquid10, f.alphaLiquid25, f.overpressure,
             f.relievingPressure};
    }
    SetText(w.type, Dane::ChosenValveType);
    SetText(w.size, Dane::ChosenValveSize);
    SetText(w.flowDiameter, Edit1->text());
    SetText(w.setPressure, setPressure);
    SetText(w.alphaGas, Coefficient(Dane::ChosenAlphaGas));
    SetText(w.alphaLiquid10, Coefficient(Dane::ChosenAlphaLiquid10));
    SetText(w.alphaLiquid25, Coefficient(Dane::ChosenAlphaLiquid25));
    if (!w.relievingPressure)
        return;
    // p1 from what the window now shows, as its own overpressure handler does.
    const QString p = w.setPressure ? w.setPressure->text() : setPressure;
    const QString b1 = w.overpressure ? w.overpressure->text() : QString();
    w.relievingPressure->setText(
        Convert::FixedText(CalcWindow::ScratchRelievingPressure(p, b1), 2, 2));
}

void TfrmWybor_zaworu::Button1Click() {
    Dane::ChosenValveType = ChoiceList::SelectedText(ListBox_typ);
    Dane::ChosenValveSize = ChoiceList::SelectedText(ListBox_Size);
    const QString setPressure = ChoiceList::SelectedText(ListBox_Cisnienie);
    for (bool* flag : WindowList::FillOrder(CalcWindow::Group::Capacity)) {
        if (!*flag)
            continue;
        for (Window& w : windows_)
            if (w.activeFlag == flag)
                Fill(w, setPressure);
    }
    if (const std::optional<int> card = Catalogue::CardIndexOf(Dane::ChosenValveType))
        Dane::CardIndex = *card;
    accept();
}

void TfrmWybor_zaworu::Button2Click() {
    reject();
}
