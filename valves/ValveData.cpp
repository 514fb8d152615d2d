#include "valves/ValveData.h"

#include "data/Dane.h"

#include <QFile>
#include <QSaveFile>
#include <QtEndian>

#include <array>
#include <cmath>
#include <cstring>

namespace ValveData {

namespace {

constexpr int kNumbersAt = 24;
constexpr int kNumberCount = 5;

// Windows-1250, the 8-bit character set of a Polish Windows system, bytes 0x80
// to 0xFF; the five bytes it leaves undefined map to the code point of the same
// value, as Windows itself maps them.
constexpr std::array<char16_t, 128> kUpperHalf = {
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021, 0x0088, 0x2030, 0x0160, 0x2039,
    0x015A, 0x0164, 0x017D, 0x0179, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0098, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A, 0x00A0, 0x02C7, 0x02D8, 0x0141,
    0x00A4, 0x0104, 0x00A6, 0x00A7, 0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7, 0x00B8, 0x0105, 0x015F, 0x00BB,
    0x013D, 0x02DD, 0x013E, 0x017C, 0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E, 0x0110, 0x0143, 0x0147, 0x00D3,
    0x00D4, 0x0150, 0x00D6, 0x00D7, 0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7, 0x010D, 0x00E9, 0x0119, 0x00EB,
    0x011B, 0x00ED, 0x00EE, 0x010F, 0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9};

QChar FromWindows1250(unsigned char byte) {
    return byte < 0x80 ? QChar(byte) : QChar(kUpperHalf[byte - 0x80]);
}

std::optional<unsigned char> ToWindows1250(QChar c) {
    if (c.unicode() < 0x80)
        return static_cast<unsigned char>(c.unicode());
    for (size_t i = 0; i < kUpperHalf.size(); ++i)
        if (kUpperHalf[i] == c.unicode())
            return static_cast<unsigned char>(0x80 + i);
    return std::nullopt;
}

void PutDouble(char* at, double value) {
    quint64 bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    qToLittleEndian(bits, at);
}

double GetDouble(const char* at) {
    const quint64 bits = qFromLittleEndian<quint64>(at);
    double value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

std::array<double, kNumberCount> NumbersOf(const Record& r) {
    return {r.flowDiameter, r.setPressure, r.alphaGas, r.alphaLiquid10, r.alphaLiquid25};
}

} // namespace

std::optional<QByteArray> Encode(const Record& record) {
    if (record.sizeText.size() > MaxSizeTextLength)
        return std::nullopt;
    QByteArray bytes(RecordSize, '\0');
    bytes[0] = static_cast<char>(record.sizeText.size());
    for (int i = 0; i < record.sizeText.size(); ++i) {
        const std::optional<unsigned char> byte = ToWindows1250(record.sizeText[i]);
        if (!byte)
            return std::nullopt;
        bytes[1 + i] = static_cast<char>(*byte);
    }
    const auto numbers = NumbersOf(record);
    for (int i = 0; i < kNumberCount; ++i) {
        if (!std::isfinite(numbers[static_cast<size_t>(i)]))
            return std::nullopt;
        PutDouble(bytes.data() + kNumbersAt + 8 * i, numbers[static_cast<size_t>(i)]);
    }
    return bytes;
}

std::optional<Record> Decode(const QByteArray& bytes) {
    if (bytes.size() != RecordSize)
        return std::nullopt;
    const int length = static_cast<unsigned char>(bytes[0]);
    if (length > MaxSizeTextLength)
        return std::nullopt;
    Record record;
    if (length > 0) {
        record.sizeText.resize(length);
        QChar* text = record.sizeText.data();
        for (int i = 0; i < length; ++i)
            text[i] = FromWindows1250(static_cast<unsigned char>(bytes[1 + i]));
    }
    std::array<double, kNumberCount> numbers{};
    for (int i = 0; i < kNumberCount; ++i) {
        numbers[static_cast<size_t>(i)] = GetDouble(bytes.constData() + kNumbersAt + 8 * i);
        if (!std::isfinite(numbers[static_cast<size_t>(i)]))
            return std::nullopt;
    }
    record.flowDiameter = numbers[0];
    record.setPressure = numbers[1];
    record.alphaGas = numbers[2];
    record.alphaLiquid10 = numbers[3];
    record.alphaLiquid25 = numbers[4];
    return record;
}

std::vector<Record> RecordsOf(const Catalogue::Type& type) {
    std::vector<Record> records;
    for (const Catalogue::Size& size : type.sizes) {
        for (size_t p = 0; p < type.setPressures.size(); ++p) {
            const Catalogue::Alphas& a = size.alphas.at(p);
            records.push_back({size.text, size.flowDiameter, type.setPressures[p], a.gas,
                               a.liquid10, a.liquid25});
        }
    }
    return records;
}

bool WriteFile(const QString& path, const std::vector<Record>& records) {
    QByteArray content;
    for (const Record& record : records) {
        const std::optional<QByteArray> bytes = Encode(record);
        if (!bytes)
            return false;
        content += *bytes;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(content) != content.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

QString FilePath(const QString& typeText) {
    return Dane::ProgramDir + typeText;
}

WalkEnd Walk(const QString& typeText, const Visitor& visit) {
    QFile file(FilePath(typeText));
    if (!file.open(QIODevice::ReadOnly))
        return WalkEnd::FileError;
    QByteArray bytes(RecordSize, '\0');
    for (;;) {
        qint64 got = 0;
        while (got < RecordSize) {
            const qint64 n = file.read(bytes.data() + got, RecordSize - got);
            if (n < 0)
                return WalkEnd::FileError;
            if (n == 0)
                break;
            got += n;
        }
        if (got == 0)
            return WalkEnd::EndOfFile;
        if (got < RecordSize)
            return WalkEnd::FileError; // a partial record at the end
        const std::optional<Record> record = Decode(bytes);
        if (!record)
            return WalkEnd::FileError;
        if (visit && visit(*record))
            return WalkEnd::Stopped;
    }
}

QString FileErrorMessage() {
    return QStringLiteral("Brak pliku z danymi zaworu!");
}

QString NotFoundMessage() {
    return QStringLiteral("Nie znaleziono zaworu posiadającego wymaganą przepustowość!");
}

} // namespace ValveData
