#include "cli/CaseFile.h"

#include "cli/CommandLine.h"
#include "cli/OutputFile.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QJsonValue>
#include <QSaveFile>
#include <QStringList>

#include <cmath>

namespace Cli::CaseFile {

namespace {

const QString kFormat = QStringLiteral("KALMO-obliczenia");

// "Plik "x.kalmo" " as every message of a file begins.
QString About(const QString& name) {
    return QStringLiteral("Plik \"%1\"").arg(Visible(QFileInfo(name).fileName()));
}

QString NotOurs(const QString& name) {
    return About(name) + QStringLiteral(" nie jest plikiem obliczeń KALMO.");
}

// The shortest text of digits and a point that reads back as `value`, as a
// window's numeric field can hold it (never "1e-04").
QString PlainNumber(double value) {
    for (int decimals = 0; decimals < 17; ++decimals) {
        const QString text = QString::number(value, 'f', decimals);
        if (text.toDouble() == value)
            return text;
    }
    return QString::number(value, 'f', 17);
}

// The text a user would type for the JSON value of an option; empty with the
// reason in *why when the value is not of the option's kind.
QString InputText(const Option& o, const QJsonValue& v, QString* why) {
    switch (o.kind) {
    case Option::Kind::Text:
        if (!v.isString())
            *why = QStringLiteral("nie jest tekstem");
        return v.toString();
    case Option::Kind::Flag:
        if (!v.isBool())
            *why = QStringLiteral("nie jest wartością logiczną (true, false)");
        return v.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    case Option::Kind::Whole: {
        const double d = v.toDouble();
        // Only a whole number a control can hold is turned into one.
        if (!v.isDouble() || d != std::trunc(d) || !(std::abs(d) <= 1e6)) {
            *why = QStringLiteral("nie jest liczbą całkowitą");
            return {};
        }
        return QString::number(static_cast<long>(d));
    }
    case Option::Kind::Number:
        break;
    }
    // JSON has no infinite numbers; Qt reads an overflowing one as infinite.
    if (!v.isDouble() || !std::isfinite(v.toDouble())) {
        *why = QStringLiteral("nie jest liczbą");
        return {};
    }
    const double d = v.toDouble();
    if (o.domain && !(d >= o.domain->min && d <= o.domain->max))
        *why = QStringLiteral("ma wartość spoza zakresu od %1 do %2 %3")
                   .arg(QString::number(o.domain->min, 'g', 15),
                        QString::number(o.domain->max, 'g', 15), o.domain->unit);
    return PlainNumber(d);
}

} // namespace

QString Filter() {
    return QStringLiteral("Obliczenia KALMO (*.kalmo)");
}

QByteArray Text(const Command& command, const JsonObject& record, const JsonObject* calculation,
                const QDateTime& saved) {
    JsonObject inputs;
    for (const Option& o : command.options)
        for (const auto& [key, value] : record.Members())
            if (key == o.field)
                std::visit([&, k = key](const auto& v) { inputs.Add(k, v); }, value);
    // One member per line, the inputs and the calculation each on a line of
    // their own: short enough to read, and a line-oriented diff shows what changed.
    QByteArray text = "{\n";
    text += "  \"Format\": " + StringText(kFormat) + ",\n";
    text += "  \"Version\": " + QByteArray::number(kVersion) + ",\n";
    text += "  \"Program\": " + StringText(QStringLiteral(KALMO_VERSION)) + ",\n";
    text += "  \"Saved\": " + StringText(saved.toUTC().toString(Qt::ISODate)) + ",\n";
    text += "  \"Window\": " + StringText(command.formName) + ",\n";
    text += "  \"Inputs\": " + inputs.Text() + ",\n";
    text += "  \"Calculation\": " + (calculation ? calculation->Text() : QByteArray("null")) + "\n";
    text += "}\n";
    return text;
}

std::optional<Saved> Parse(const QByteArray& bytes, const QString& name, QString* error) {
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(bytes, &parseError);
    if (parseError.error != QJsonParseError::NoError || !doc.isObject()) {
        *error = NotOurs(name);
        return std::nullopt;
    }
    const QJsonObject file = doc.object();
    const QJsonValue version = file.value(QLatin1String("Version"));
    if (file.value(QLatin1String("Format")).toString() != kFormat || !version.isDouble() ||
        version.toDouble() < 1 || version.toDouble() != std::trunc(version.toDouble())) {
        *error = NotOurs(name);
        return std::nullopt;
    }
    if (version.toDouble() > kVersion) {
        *error = About(name) + QStringLiteral(" zapisała nowsza wersja programu (format %1); "
                                              "ta wersja czyta format %2.")
                                   .arg(QString::number(version.toDouble(), 'g', 15))
                                   .arg(kVersion);
        return std::nullopt;
    }
    Saved saved;
    const QString window = file.value(QLatin1String("Window")).toString();
    saved.command = FindForm(window);
    if (!saved.command) {
        *error =
            About(name) +
            QStringLiteral(" dotyczy okna \"%1\", którego program nie ma.").arg(Visible(window));
        return std::nullopt;
    }
    const QJsonValue inputs = file.value(QLatin1String("Inputs"));
    if (!inputs.isObject()) {
        *error = About(name) + QStringLiteral(" nie zawiera danych obliczeń (\"Inputs\").");
        return std::nullopt;
    }
    for (const Option& o : saved.command->options) {
        const QJsonValue v = inputs.toObject().value(o.field);
        QString why;
        if (v.isUndefined())
            why = QStringLiteral("brak pola");
        const QString text = why.isEmpty() ? InputText(o, v, &why) : QString();
        if (!why.isEmpty()) {
            *error = About(name) + QStringLiteral(": pole \"%1\" %2.").arg(o.field, why);
            if (why == QLatin1String("brak pola"))
                *error = About(name) + QStringLiteral(": brak pola \"%1\".").arg(o.field);
            return std::nullopt;
        }
        saved.inputs[o.name] = text;
    }
    const QJsonValue calculation = file.value(QLatin1String("Calculation"));
    if (calculation.isObject()) {
        if (!saved.command->rowsOf(calculation.toObject())) {
            *error = About(name) + QStringLiteral(": zapisane wyniki obliczeń są niekompletne.");
            return std::nullopt;
        }
        saved.calculation = calculation.toObject();
    } else if (!calculation.isNull() && !calculation.isUndefined()) {
        *error = About(name) + QStringLiteral(": zapisane wyniki obliczeń są niekompletne.");
        return std::nullopt;
    }
    // What the window's checks and choice dialog would not let in.
    Texts texts;
    if (std::optional<Result> refused = saved.command->enter(saved.inputs, texts)) {
        if (!refused->unlistedValve || !saved.calculation) {
            *error = About(name) + QStringLiteral(": ") + refused->message;
            return std::nullopt;
        }
        saved.refusal = refused;
    }
    return saved;
}

std::optional<Saved> Read(const QString& path, QString* error) {
    QFile file(path);
    const QFileInfo info(path);
    if (info.isDir() || !file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("Nie można otworzyć pliku \"%1\".").arg(Visible(path));
        return std::nullopt;
    }
    // A FIFO or a device has no size: read at most one byte over the limit.
    const QByteArray bytes = file.read(kLargest + 1);
    if (bytes.size() > kLargest) {
        *error =
            About(path) + QStringLiteral(" jest za duży (ponad 1 MiB) na plik obliczeń KALMO.");
        return std::nullopt;
    }
    return Parse(bytes, path, error);
}

QString Write(const QString& path, const QByteArray& text) {
    const auto failed = [&path](const QString& reason) {
        return QStringLiteral("Nie udało się zapisać pliku \"%1\"%2!")
            .arg(Visible(path), reason.isEmpty() ? QString() : QStringLiteral(": ") + reason);
    };
    if (const QString obstacle = WriteObstacle(path); !obstacle.isEmpty())
        return failed(obstacle);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit())
        return failed(WriteFailure(path));
    return {};
}

Check Recompute(const Saved& saved, bool withReport) {
    Check check;
    check.now = saved.refusal ? *saved.refusal : saved.command->run(saved.inputs, withReport);
    if (!saved.calculation)
        return check;
    if (check.now.status != Computed) {
        check.state = Check::State::Refused;
        check.message = RefusedMessage(check.now.message);
        return check;
    }
    check.message = Differences(*saved.command, *saved.calculation, check.now.rows);
    check.state = check.message.isEmpty() ? Check::State::Holds : Check::State::Differs;
    return check;
}

QString Differences(const Command& command, const QJsonObject& saved,
                    const std::vector<ShownRow>& now) {
    const std::vector<ShownRow> before = command.rowsOf(saved).value_or(std::vector<ShownRow>());
    QStringList changed;
    for (size_t i = 0; i < now.size(); ++i) {
        const QString old = i < before.size() ? before[i].value : QString();
        if (old != now[i].value)
            changed << QStringLiteral("%1 %2 → %3 %4")
                           .arg(now[i].label, old.trimmed(), now[i].value.trimmed(), now[i].unit)
                           .trimmed();
    }
    if (changed.isEmpty())
        return {};
    return QStringLiteral("Wyniki obliczeń różnią się od zapisanych w pliku:\r") +
           changed.join(QLatin1Char('\r'));
}

QString RefusedMessage(const QString& refusal) {
    return QStringLiteral("Obliczeń zapisanych w pliku nie można powtórzyć:\r") + refusal;
}

} // namespace Cli::CaseFile
