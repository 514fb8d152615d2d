#include "cli/ValveChoice.h"

#include "app/Convert.h"

#include <QStringList>

namespace Cli {

namespace {

// The coefficient fields of the dialog and of the windows: width 4, two decimals.
QString Coefficient(double alpha) {
    return Convert::FixedText(alpha, 4, 2);
}

} // namespace

std::optional<ValveChoice> FindValve(const QString& type, const QString& size,
                                     const QString& setPressure, QString* error) {
    ValveChoice choice;
    if (type.isEmpty()) {
        if (!size.isEmpty() || !setPressure.isEmpty()) {
            *error = QStringLiteral("Wielkość i ciśnienie nastawy wybiera się do typu zaworu "
                                    "(--valve-type).");
            return std::nullopt;
        }
        return choice;
    }
    choice.type = Catalogue::FindType(type);
    if (!choice.type) {
        QStringList known;
        for (const Catalogue::Type& t : Catalogue::Types())
            known << t.text;
        *error = QStringLiteral("Nieznany typ zaworu \"%1\". Typy: %2.")
                     .arg(type, known.join(QStringLiteral(", ")));
        return std::nullopt;
    }
    if (!size.isEmpty()) {
        const QString withInch = size.endsWith(QLatin1Char('"')) ? size : size + QLatin1Char('"');
        for (size_t i = 0; i < choice.type->sizes.size(); ++i)
            if (choice.type->sizes[i].text == withInch)
                choice.size = static_cast<int>(i);
        if (choice.size < 0) {
            QStringList known;
            for (const Catalogue::Size& s : choice.type->sizes)
                known << s.text;
            *error = QStringLiteral("Zawór %1 nie ma wielkości %2. Wielkości: %3.")
                         .arg(type, size, known.join(QStringLiteral(", ")));
            return std::nullopt;
        }
    }
    if (!setPressure.isEmpty()) {
        double p = 0;
        const bool number = Convert::Val(setPressure, p) == 0;
        for (size_t i = 0; i < choice.type->setPressures.size(); ++i)
            if (choice.type->setPressureTexts[i] == setPressure ||
                (number && choice.type->setPressures[i] == p))
                choice.setPressure = static_cast<int>(i);
        if (choice.setPressure < 0) {
            *error = QStringLiteral("Zawór %1 nie ma ciśnienia nastawy %2 bar. Ciśnienia: %3.")
                         .arg(type, setPressure,
                              QStringList(choice.type->setPressureTexts.begin(),
                                          choice.type->setPressureTexts.end())
                                  .join(QStringLiteral(", ")));
            return std::nullopt;
        }
    }
    return choice;
}

QString RelievingPressureText(const QString& setPressure, const QString& overpressure) {
    // The window's p1 display: both texts converted, codes not looked at.
    const double p = Convert::ToDouble(setPressure);
    const double b1 = Convert::ToDouble(overpressure);
    return Convert::FixedText((b1 / 100 + 1) * p, 2, 2);
}

void FillValve(CapacityTexts& fields, const ValveChoice& choice, bool liquid) {
    // The dialog's lists: a size refills the set pressures and the d field, a
    // set pressure sets the coefficients; what is not selected leaves them empty or 0.
    QString d;
    Catalogue::Alphas alphas{0, 0, 0};
    QString setPressure;
    if (choice.type && choice.size >= 0) {
        const Catalogue::Size& size = choice.type->sizes[static_cast<size_t>(choice.size)];
        d = size.flowDiameterText;
        if (choice.setPressure >= 0) {
            alphas = size.alphas[static_cast<size_t>(choice.setPressure)];
            setPressure = choice.type->setPressureTexts[static_cast<size_t>(choice.setPressure)];
        }
    }
    fields.valveType = choice.type ? choice.type->text : QString();
    fields.valveSize = choice.type && choice.size >= 0
                           ? choice.type->sizes[static_cast<size_t>(choice.size)].text
                           : QString();
    fields.flowDiameter = d;
    fields.setPressure = setPressure;
    if (liquid) {
        fields.alphaLiquid10 = Coefficient(alphas.liquid10);
        fields.alphaLiquid25 = Coefficient(alphas.liquid25);
    } else {
        fields.alphaGas = Coefficient(alphas.gas);
    }
    fields.relievingPressure = RelievingPressureText(fields.setPressure, fields.overpressure);
}

void TypeOverpressure(CapacityTexts& fields, const QString& text) {
    fields.overpressure = text;
    fields.relievingPressure = RelievingPressureText(fields.setPressure, fields.overpressure);
}

} // namespace Cli
