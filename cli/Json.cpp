#include "cli/Json.h"

#include <charconv>
#include <cmath>

namespace Cli {

QByteArray NumberText(double value) {
    if (!std::isfinite(value))
        return QByteArrayLiteral("null");
    if (value == 0) // no "-0"
        return QByteArrayLiteral("0");
    char buffer[64];
    const std::to_chars_result r = std::to_chars(buffer, buffer + sizeof buffer, value);
    return QByteArray(buffer, static_cast<int>(r.ptr - buffer));
}

QByteArray StringText(const QString& text) {
    QByteArray out;
    out.reserve(text.size() + 2);
    out += '"';
    for (const char c : text.toUtf8()) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned char>(c));
                out += escaped;
            } else {
                out += c;
            }
        }
    }
    out += '"';
    return out;
}

QByteArray JsonObject::Text() const {
    QByteArray out("{");
    bool first = true;
    for (const auto& [key, value] : members_) {
        if (!first)
            out += ',';
        first = false;
        out += StringText(key);
        out += ':';
        if (const double* d = std::get_if<double>(&value))
            out += NumberText(*d);
        else if (const QString* s = std::get_if<QString>(&value))
            out += StringText(*s);
        else if (const int* i = std::get_if<int>(&value))
            out += QByteArray::number(*i);
        else
            out += std::get<bool>(value) ? "true" : "false";
    }
    out += '}';
    return out;
}

} // namespace Cli
