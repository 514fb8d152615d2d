#include "app/Opcje.h"

#include "app/WindowFrame.h"

#include "data/Dane.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TfrmOpcje::TfrmOpcje(QWidget* parent) : QDialog(parent, DialogFrame(true)) {
    setObjectName(QStringLiteral("frmOpcje"));
    setWindowTitle(QStringLiteral("   Opcje programu"));

    RadioGroup1 = new QGroupBox(QStringLiteral(" Wydruk wyników obliczeń "), this);
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    items_ = new QButtonGroup(this);
    auto* groupLayout = new QVBoxLayout(RadioGroup1);
    const QString texts[] = {
        QStringLiteral("Drukuj tylko wyniki obliczeń (drukarka)"),
        QStringLiteral("Drukuj wyniki obliczeń i kartę katalogową wybranego zaworu "
                       "bezpieczeństwa (drukarka)"),
        QStringLiteral("Utwórz plik PDF z wynikami obliczeń")};
    for (int i = 0; i < 3; ++i) {
        auto* item = new QRadioButton(texts[i], RadioGroup1);
        item->setObjectName(QStringLiteral("RadioGroup1Item%1").arg(i));
        items_->addButton(item, i);
        groupLayout->addWidget(item);
    }

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("Button1"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Anuluj"), this);
    cancel->setObjectName(QStringLiteral("Button2"));
    connect(ok, &QPushButton::clicked, this, &TfrmOpcje::Button1Click);
    connect(cancel, &QPushButton::clicked, this, &TfrmOpcje::Button2Click);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(RadioGroup1);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TfrmOpcje::showEvent(QShowEvent* event) {
    FormActivate();
    CenterOnScreen(this);
    QDialog::showEvent(event);
}

void TfrmOpcje::FormActivate() {
    if (QAbstractButton* item = items_->button(Dane::PrintMode))
        item->setChecked(true);
}

void TfrmOpcje::Button1Click() {
    const int position = items_->checkedId();
    if (position >= 0 && position <= 2)
        Dane::PrintMode = position;
    accept();
}

void TfrmOpcje::Button2Click() {
    reject();
}
