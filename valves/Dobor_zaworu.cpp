#include "valves/Dobor_zaworu.h"

#include "app/HelpViewer.h"
#include "app/WindowFrame.h"
#include "app/WindowList.h"
#include "data/Dane.h"
#include "valves/Catalogue.h"
#include "valves/ChoiceList.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>
#include <array>

namespace {

// The help topic "Wybór zaworu – dobór".
constexpr int kHelpContext = 19;

} // namespace

TfrmDobor::TfrmDobor(QWidget* parent) : LazyDialog(parent, DialogFrame(true)) {
    setObjectName(QStringLiteral("frmDobor"));
    setWindowTitle(QStringLiteral("   Dobór zaworu bezpieczeństwa"));
    Help::SetHelpContext(this, kHelpContext);
}

void TfrmDobor::Build() {
    auto* typeGroup = new QGroupBox(QStringLiteral("Typ zaworu"), this);
    typeGroup->setObjectName(QStringLiteral("GroupBox1"));
    ListBox_typ = ChoiceList::Create(typeGroup, QStringLiteral("ListBox_typ"),
                                     [this] { ListBox_typClick(); });
    std::vector<QString> typeTexts;
    for (const Catalogue::Type& type : Catalogue::Types())
        typeTexts.push_back(type.text);
    ChoiceList::Refill(ListBox_typ, typeTexts);

    auto* pressureGroup = new QGroupBox(QStringLiteral("Ciśnienie"), this);
    pressureGroup->setObjectName(QStringLiteral("GroupBox2"));
    // Choosing a set pressure only marks it; "OK" reads it.
    ListBox_Cisnienie =
        ChoiceList::Create(pressureGroup, QStringLiteral("ListBox_Cisnienie"), [] {});

    // Room for the longest type text and for ten set pressures without scrolling.
    const int row = fontMetrics().height() + 4;
    for (QListWidget* list : {ListBox_typ, ListBox_Cisnienie})
        list->setFixedHeight(10 * row + 2 * list->frameWidth());
    ListBox_typ->setMinimumWidth(fontMetrics().horizontalAdvance(Catalogue::Types().back().text) +
                                 32);
    ListBox_Cisnienie->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("10.0")) + 48);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("Button1"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Anuluj"), this);
    cancel->setObjectName(QStringLiteral("Button2"));
    connect(ok, &QPushButton::clicked, this, &TfrmDobor::Button1Click);
    connect(cancel, &QPushButton::clicked, this, &TfrmDobor::Button2Click);

    auto* lists = new QHBoxLayout;
    lists->addWidget(typeGroup, 1);
    lists->addWidget(pressureGroup);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(lists);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

bool TfrmDobor::AddWindow(bool* activeFlag, const SelectionValveFields& fields) {
    if (const WindowList::Entry* entry = WindowList::OfFlag(activeFlag);
        !entry || entry->group != CalcWindow::Group::Selection)
        return false;
    windows_.push_back({activeFlag, nullptr, fields.type, fields.setPressure});
    return true;
}

bool TfrmDobor::AddLazyWindow(bool* activeFlag, std::function<SelectionValveFields()> fields) {
    if (!AddWindow(activeFlag, SelectionValveFields{}))
        return false;
    windows_.back().provide = std::move(fields);
    return true;
}

void TfrmDobor::showEvent(QShowEvent* event) {
    // Centred on the screen, as every dialog of the program.
    CenterOnScreen(this);
    QDialog::showEvent(event);
}

void TfrmDobor::ListBox_typClick() {
    const int type = ChoiceList::SelectedRow(ListBox_typ);
    ChoiceList::Refill(ListBox_Cisnienie,
                       type < 0 ? std::vector<QString>{}
                                : Catalogue::Types()[static_cast<size_t>(type)].setPressureTexts);
}

void TfrmDobor::Button1Click() {
    Dane::ChosenValveType = ChoiceList::SelectedText(ListBox_typ);
    const QString setPressure = ChoiceList::SelectedText(ListBox_Cisnienie);
    for (bool* flag : WindowList::FillOrder(CalcWindow::Group::Selection)) {
        if (!*flag)
            continue;
        for (Window& w : windows_) {
            if (w.activeFlag != flag)
                continue;
            if (w.provide) {
                const SelectionValveFields f = w.provide();
                w = {w.activeFlag, nullptr, f.type, f.setPressure};
            }
            if (w.type)
                w.type->setText(Dane::ChosenValveType);
            if (w.setPressure)
                w.setPressure->setText(setPressure);
        }
    }
    if (const std::optional<int> card = Catalogue::CardIndexOf(Dane::ChosenValveType))
        Dane::CardIndex = *card;
    accept();
}

void TfrmDobor::Button2Click() {
    reject();
}
