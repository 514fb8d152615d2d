#include "app/Oprogramie.h"

#include "app/WindowFrame.h"

#include "data/Dane.h"
#include "data/Vendor.h"

#include <QFont>
#include <QFrame>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLabel* AddLabel(QWidget* parent, QVBoxLayout* layout, const QString& name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignHCenter);
    layout->addWidget(label);
    return label;
}

} // namespace

TfrmOprogramie::TfrmOprogramie(QWidget* parent) : QDialog(parent, DialogFrame(false)) {
    setObjectName(QStringLiteral("frmOprogramie"));
    setWindowTitle(QStringLiteral("O programie"));

    auto* layout = new QVBoxLayout(this);
    QFont titleFont = font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.2);
    AddLabel(this, layout, QStringLiteral("Label1"),
             QStringLiteral("Program do obliczania przepustowości "))
        ->setFont(titleFont);
    AddLabel(this, layout, QStringLiteral("Label2"),
             QStringLiteral("i doboru zaworów bezpieczeństwa"))
        ->setFont(titleFont);
    Label3 = AddLabel(this, layout, QStringLiteral("Label3"), QString());

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setFixedSize(320, 240);
    Image1->setScaledContents(true);
    Image1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    layout->addWidget(Image1, 0, Qt::AlignHCenter);

    QFont vendorFont = font();
    vendorFont.setBold(true);
    AddLabel(this, layout, QStringLiteral("Label4"), Vendor::Name())->setFont(vendorFont);
    AddLabel(this, layout, QStringLiteral("Label5"),
             Vendor::Street() + QStringLiteral(", ") + Vendor::City());
    AddLabel(this, layout, QStringLiteral("Label6"), Vendor::Phone());
    AddLabel(this, layout, QStringLiteral("Label7"), Vendor::Fax());
    AddLabel(this, layout, QStringLiteral("Label8"), Vendor::Email());
    AddLabel(this, layout, QStringLiteral("Label9"), Vendor::Web());

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("Button1"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &TfrmOprogramie::Button1Click);
    layout->addWidget(ok, 0, Qt::AlignHCenter);

    Memo1 = new QPlainTextEdit(Disclaimer(), this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setFixedSize(460, 120);
    layout->addWidget(Memo1, 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QString TfrmOprogramie::Disclaimer() {
    return QStringLiteral(
        "Program jest przeznaczony dla osób zawodowo zajmujących się hydrauliką i instalacjami "
        "grzewczymi. Program jedynie sugeruje najbardziej odpowiednie produkty i nie może "
        "zastąpić konsultacji ze specjalistą. Wariant wskazany przez program nie powinien być "
        "traktowany jako jedyny możliwy; w razie wątpliwości należy skonsultować się z "
        "dystrybutorem.\n"
        "\n"
        "Program został wykonany z należytą starannością i przetestowany przez wielu "
        "użytkowników, mimo to może zawierać błędy. Producent nie ponosi odpowiedzialności za "
        "niewłaściwe użycie programu ani za jego skutki i nie jest zobowiązany do udzielania "
        "wsparcia technicznego.\n"
        "\n"
        "Program wyznacza przepustowość zaworów bezpieczeństwa. Prawidłowy dobór zaworu "
        "obejmuje jednak także inne zagadnienia, takie jak szybkość narastania ciśnienia, "
        "materiał korpusu czy zakres temperatur pracy, dlatego program nie zwalnia projektanta "
        "z szerszej analizy. Użycie programu oznacza przyjęcie do wiadomości powyższych "
        "informacji.");
}

void TfrmOprogramie::showEvent(QShowEvent* event) {
    FormShow();
    CenterOnScreen(this);
    QDialog::showEvent(event);
}

void TfrmOprogramie::FormShow() {
    Label3->setText(QStringLiteral("KALMO wersja ") + Dane::ProgramVersion);
    // The photograph is a JPEG beside the program, decoded each time it is shown.
    QImageReader reader(Dane::ProgramDir + QStringLiteral("photo.jpg"), "jpeg");
    Image1->setPixmap(QPixmap::fromImage(reader.read()));
}

void TfrmOprogramie::Button1Click() {
    accept();
}
