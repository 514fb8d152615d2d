#pragma once
// The producer of the program and of the valves in its catalogue, as the about
// dialog and the report header name it.

#include <QString>

namespace Vendor {

inline QString Name() {
    return QStringLiteral("PRAXIMA Armatura Przemysłowa Sp. z o.o.");
}
inline QString Street() {
    return QStringLiteral("ul. Zaworowa 12");
}
inline QString City() {
    return QStringLiteral("44-100 Gliwice");
}
inline QString Phone() {
    return QStringLiteral("tel. +48 32 555 01 00");
}
inline QString Fax() {
    return QStringLiteral("faks +48 32 555 01 01");
}
inline QString Email() {
    return QStringLiteral("e-mail: biuro@praxima-armatura.example");
}
inline QString Web() {
    return QStringLiteral("www.praxima-armatura.example");
}

} // namespace Vendor
