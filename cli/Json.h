#pragma once
// The JSON the command line writes: one object per case, its members in the
// order of the calculation record, numbers as the shortest text that reads back
// as the same double (never through the process locale).

#include <QByteArray>
#include <QString>

#include <utility>
#include <variant>
#include <vector>

namespace Cli {

// A JSON value already written out (an array of objects).
struct RawJson {
    QByteArray text;
};

class JsonObject {
public:
    using Value = std::variant<double, QString, int, bool, RawJson>;

    void Add(const QString& key, double value) { members_.emplace_back(key, value); }
    void Add(const QString& key, const QString& value) { members_.emplace_back(key, value); }
    void Add(const QString& key, int value) { members_.emplace_back(key, value); }
    void Add(const QString& key, bool value) { members_.emplace_back(key, value); }
    void Add(const QString& key, const RawJson& value) { members_.emplace_back(key, value); }

    void Reserve(size_t members) { members_.reserve(members); }

    const std::vector<std::pair<QString, Value>>& Members() const { return members_; }
    bool IsEmpty() const { return members_.empty(); }

    // The object on one line, without a line end.
    QByteArray Text() const;

private:
    std::vector<std::pair<QString, Value>> members_;
};

// The shortest round-trip text of a double ("10", "0.45", "1234.5678901234567");
// "null" for a value JSON cannot hold (infinite, not a number).
QByteArray NumberText(double value);

// A JSON string literal with its quotes.
QByteArray StringText(const QString& text);

} // namespace Cli
