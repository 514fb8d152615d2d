#include "cli/ValveChoice.h"

#include "calc/Obliczenia.h"
#include "data/Convert.h"

#include <QStringList>

namespace Cli {

namespace {

const QString kType = QStringLiteral("valve-type");
const QString kSize = QStringLiteral("valve-size");
const QString kSetPressure = QStringLiteral("set-pressure");

// A field of the window written by the dialog; one the window lacks is skipped.
void Set(Texts& fields, const char* key, const QString& text) {
    const auto it = fields.find(QLatin1String(key));
    if (it != fields.end())
        it->second = text;
}

// The coefficient fields of the dialog and of the windows: width 4, two decimals.
QString Coefficient(double alpha) {
    return Convert::FixedText(alpha, 4, 2);
}

// An option's text without the blanks around it, as a list item is found.
QString Given(const Case& inputs, const QString& option) {
    const auto it = inputs.find(option);
    return it == inputs.end() ? QString() : it->second.trimmed();
}

QString Text(const Texts& fields, const char* key) {
    const auto it = fields.find(QLatin1String(key));
    return it == fields.end() ? QString() : it->second;
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
                     .arg(Visible(type), known.join(QStringLiteral(", ")));
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
                         .arg(type, Visible(size), known.join(QStringLiteral(", ")));
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
                         .arg(type, Visible(setPressure),
                              QStringList(choice.type->setPressureTexts.begin(),
                                          choice.type->setPressureTexts.end())
                                  .join(QStringLiteral(", ")));
            return std::nullopt;
        }
    }
    return choice;
}

const std::vector<Option>& ValveOptions(ValveDialog dialog) {
    const Option type{kType,
                      QStringLiteral("ValveType"),
                      QStringLiteral("typ zaworu z katalogu (SV10, SV20, SV30, SV20.N, …)"),
                      QString(),
                      QString(),
                      QString(),
                      std::nullopt,
                      Option::Kind::Text};
    const Option size{kSize,
                      QStringLiteral("ValveSize"),
                      QStringLiteral("wielkość zaworu (1/2\", 3/4\", 1\", …; znak cala można "
                                     "pominąć)"),
                      QString(),
                      QString(),
                      QString(),
                      std::nullopt,
                      Option::Kind::Text};
    auto pressure = [](const char* description) {
        return Option{kSetPressure,
                      QStringLiteral("SetPressure"),
                      QString::fromUtf8(description),
                      QStringLiteral("[bar]"),
                      QString(),
                      QString(),
                      std::nullopt,
                      Option::Kind::Number};
    };
    static const std::vector<Option> valve = {type, size,
                                              pressure("ciśnienie nastawy p z listy typu zaworu")};
    static const std::vector<Option> listed = {type, valve.back()};
    static const std::vector<Option> typed = {
        type, pressure("ciśnienie nastawy p (z listy typu lub wpisane)")};
    return dialog == ValveDialog::Valve ? valve : dialog == ValveDialog::Type ? listed : typed;
}

QString ChooseValve(ValveDialog dialog, const Case& inputs, Texts& fields) {
    const QString type = Given(inputs, kType);
    const QString size = dialog == ValveDialog::Valve ? Given(inputs, kSize) : QString();
    const QString p = FieldText(Given(inputs, kSetPressure));
    if (type.isEmpty() && size.isEmpty() && p.isEmpty())
        return {};
    QString error;
    // A set pressure the list does not hold stays as typed where the window takes it.
    const bool typed =
        dialog == ValveDialog::TypeOrTyped && !FindValve(type, size, p, &error).has_value();
    const std::optional<ValveChoice> choice = FindValve(type, size, typed ? QString() : p, &error);
    if (!choice)
        return error;
    if (dialog == ValveDialog::Valve) {
        FillValve(fields, *choice);
    } else {
        Set(fields, "ValveType", choice->type ? choice->type->text : QString());
        Set(fields, "SetPressure",
            choice->setPressure >= 0
                ? choice->type->setPressureTexts[static_cast<size_t>(choice->setPressure)]
                : p);
    }
    FollowRelievingPressure(fields);
    return {};
}

void FillValve(Texts& fields, const ValveChoice& choice) {
    // The dialog's lists: a size refills the set pressures and the d field, a
    // set pressure sets the coefficients; what is not selected leaves them empty or 0.
    const Catalogue::Size* size = choice.type && choice.size >= 0
                                      ? &choice.type->sizes[static_cast<size_t>(choice.size)]
                                      : nullptr;
    const bool pressure = size && choice.setPressure >= 0;
    const Catalogue::Alphas alphas = pressure
                                         ? size->alphas[static_cast<size_t>(choice.setPressure)]
                                         : Catalogue::Alphas{0, 0, 0};
    Set(fields, "ValveType", choice.type ? choice.type->text : QString());
    Set(fields, "ValveSize", size ? size->text : QString());
    Set(fields, "FlowDiameter", size ? size->flowDiameterText : QString());
    Set(fields, "SetPressure",
        pressure ? choice.type->setPressureTexts[static_cast<size_t>(choice.setPressure)]
                 : QString());
    Set(fields, "AlphaGas", Coefficient(alphas.gas));
    Set(fields, "AlphaLiquid10", Coefficient(alphas.liquid10));
    Set(fields, "AlphaLiquid25", Coefficient(alphas.liquid25));
}

QString RelievingPressureText(const QString& setPressure, const QString& overpressure) {
    // The window's p1 display: both texts converted, codes not looked at.
    return Convert::FixedText(Obliczenia::RelievingPressure(Convert::ToDouble(setPressure),
                                                            Convert::ToDouble(overpressure)),
                              2, 2);
}

void FollowRelievingPressure(Texts& fields) {
    Set(fields, "RelievingPressure",
        RelievingPressureText(Text(fields, "SetPressure"), Text(fields, "Overpressure")));
}

} // namespace Cli
