#include "app/Koniec.h"

#include "app/WindowFrame.h"

#include "data/Dane.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

TfrmKoniec::TfrmKoniec(QWidget* parent) : QDialog(parent, DialogFrame(true)) {
    setObjectName(QStringLiteral("frmKoniec"));
    setWindowTitle(QStringLiteral("   Koniec pracy programu"));

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setFixedSize(48, 48);
    auto* question = new QLabel(QStringLiteral("Czy zakończyć pracę programu?"), this);
    question->setObjectName(QStringLiteral("Label1"));

    auto* end = new QPushButton(QStringLiteral("Koniec"), this);
    end->setObjectName(QStringLiteral("Button1"));
    end->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Anuluj"), this);
    cancel->setObjectName(QStringLiteral("Button2"));
    connect(end, &QPushButton::clicked, this, &TfrmKoniec::Button1Click);
    connect(cancel, &QPushButton::clicked, this, &TfrmKoniec::Button2Click);

    auto* top = new QHBoxLayout;
    top->addWidget(Image1);
    top->addSpacing(12);
    top->addWidget(question);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(end);
    buttons->addWidget(cancel);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TfrmKoniec::showEvent(QShowEvent* event) {
    Image1->setPixmap(QPixmap(Dane::ProgramDir + QStringLiteral("koniec.png")));
    CenterOnScreen(this);
    QDialog::showEvent(event);
}

void TfrmKoniec::Button1Click() {
    accept();
}

void TfrmKoniec::Button2Click() {
    reject();
}
