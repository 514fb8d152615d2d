#include "calc/Outcome.h"

#include "report/Report.h"
#include "valves/ValveData.h"

namespace Calc {

QString Refusal::Message() const {
    switch (kind) {
    case Kind::OverpressureBelow10:
        return OverpressureMessage();
    case Kind::IncompleteData:
        return IncompleteDataMessage();
    case Kind::BackPressureNotBelowSet:
        return BackPressureMessage();
    case Kind::BackPressureBelowVacuum:
        return VacuumMessage();
    case Kind::NotFinite:
        return QStringLiteral("Wynik obliczeń jest poza zakresem liczb. Sprawdź dane!");
    case Kind::DataFileError:
        return ValveData::FileErrorMessage();
    case Kind::NotFound:
        return ValveData::NotFoundMessage();
    case Kind::NoValue:
        return Obliczenia::NoValueMessage(noValue);
    case Kind::NothingToPrint:
        return Report::NoDataMessage();
    case Kind::Stated:
        return text;
    }
    return {};
}

QString IncompleteDataMessage() {
    return QStringLiteral("Brak kompletu danych do wykonania obliczeń!");
}

QString OverpressureMessage() {
    return QStringLiteral("Przyrost ciśnienia b1 musi być większy lub równy 10% !");
}

QString BackPressureMessage() {
    return QStringLiteral("Ciśnienie odpływowe jest równe lub większe niż ciśnienie nastawy "
                          "wybranego zaworu bezpieczeństwa!");
}

QString VacuumMessage() {
    return QStringLiteral("Ciśnienie odpływowe nie może być niższe niż -1 bar (próżnia)!");
}

} // namespace Calc
