#include "cli/Json.h"

#include <charconv>
#include <cmath>

namespace Cli {

namespace {

void AppendNumber(QByteArray& out, double value) {
    if (!std::isfinite(value)) {
        out += "null";
        return;
    }
    if (value == 0) { // no "-0"
        out += '0';
        return;
    }
    char buffer[64];
    const std::to_chars_result r = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, static_cast<qsizetype>(r.ptr - buffer));
}

void AppendString(QByteArray& out, const QString& text) {
    out += '"';
    // Plain text (printable ASCII without a quote or backslash) is copied as it is.
    const qsizetype at = out.size();
    out.resize(at + text.size());
    char* to = out.data() + at;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x20 || u >= 0x7F || u == '"' || u == '\\') {
            out.truncate(at);
            break;
        }
        *to++ = static_cast<char>(u);
    }
    if (out.size() > at || text.isEmpty()) {
        out += '"';
        return;
    }
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
}

} // namespace

QByteArray NumberText(double value) {
    QByteArray out;
    AppendNumber(out, value);
    return out;
}

QByteArray StringText(const QString& text) {
    QByteArray out;
    out.reserve(text.size() + 2);
    AppendString(out, text);
    return out;
}

QByteArray JsonObject::Text() const {
    QByteArray out;
    out.reserve(static_cast<qsizetype>(members_.size()) * 32 + 2);
    out += '{';
    bool first = true;
    for (const auto& [key, value] : members_) {
        if (!first)
            out += ',';
        first = false;
        AppendString(out, key);
        out += ':';
        if (const double* d = std::get_if<double>(&value))
            AppendNumber(out, *d);
        else if (const QString* s = std::get_if<QString>(&value))
            AppendString(out, *s);
        else if (const int* i = std::get_if<int>(&value))
            out += QByteArray::number(*i);
        else if (const RawJson* raw = std::get_if<RawJson>(&value))
            out += raw->text;
        else
            out += std::get<bool>(value) ? "true" : "false";
    }
    out += '}';
    return out;
}

} // namespace Cli
