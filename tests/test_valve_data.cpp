// The valve data files: the record layout, the eight files the build writes
// from the catalogue, and the walk the selection windows make over a file.

#include "QStringPrinter.h"
#include "data/Dane.h"
#include "valves/Catalogue.h"
#include "valves/ValveData.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sys/stat.h>

#include <cmath>
#include <limits>

namespace ValveData {
void PrintTo(const Record& r, std::ostream* os) {
    *os << r.sizeText.toStdString() << " d=" << r.flowDiameter << " p=" << r.setPressure << " "
        << r.alphaGas << "/" << r.alphaLiquid10 << "/" << r.alphaLiquid25;
}
} // namespace ValveData

namespace {

using ValveData::Record;
using ValveData::WalkEnd;

QByteArray Hex(const char* hex) {
    return QByteArray::fromHex(QByteArray(hex).replace(' ', ""));
}

// ---- the record -------------------------------------------------------------

TEST(ValveRecord, ByteExactLayout) {
    const Record record{QStringLiteral("1 1/4\""), 27.0, 10.0, 0.48, 0.25, 0.0};
    const QByteArray expected = Hex("06 31 20 31 2f 34 22 00 00 00 00 00 00 00 00 00" // "1 1/4""
                                    "00 00 00 00 00 00 00 00"                         // to 24
                                    "00 00 00 00 00 00 3b 40"                         // d 27
                                    "00 00 00 00 00 00 24 40"                         // p 10
                                    "b8 1e 85 eb 51 b8 de 3f"                         // 0.48
                                    "00 00 00 00 00 00 d0 3f"                         // 0.25
                                    "00 00 00 00 00 00 00 00");                       // none
    ASSERT_EQ(expected.size(), ValveData::RecordSize);
    const std::optional<QByteArray> bytes = ValveData::Encode(record);
    ASSERT_TRUE(bytes);
    EXPECT_EQ(bytes->toHex(' '), expected.toHex(' '));
    EXPECT_EQ(ValveData::Decode(expected), record);
}

TEST(ValveRecord, SizeTextInWindows1250) {
    const Record record{QStringLiteral("ąęłńóśźżĄĘŁŃÓŚŹŻ°\""), 1, 1, 0, 0, 0};
    const std::optional<QByteArray> bytes = ValveData::Encode(record);
    ASSERT_TRUE(bytes);
    EXPECT_EQ(bytes->left(19).toHex(' '),
              Hex("12 b9 ea b3 f1 f3 9c 9f bf a5 ca a3 d1 d3 8c 8f af b0 22").toHex(' '));
    EXPECT_EQ(ValveData::Decode(*bytes), record);
}

TEST(ValveRecord, LongestSizeTextAndIgnoredTail) {
    Record record{QString(23, QLatin1Char('x')), 14, 6, 0.29, 0.23, 0};
    std::optional<QByteArray> bytes = ValveData::Encode(record);
    ASSERT_TRUE(bytes);
    EXPECT_EQ(ValveData::Decode(*bytes), record);

    // Bytes beyond the length are not part of the text.
    record.sizeText = QStringLiteral("3/4\"");
    bytes = ValveData::Encode(record);
    ASSERT_TRUE(bytes);
    bytes->replace(5, 19, QByteArray(19, 'Z'));
    EXPECT_EQ(ValveData::Decode(*bytes), record);
}

TEST(ValveRecord, EncodeRefusesWhatTheFileCannotHold) {
    const Record good{QStringLiteral("1/2\""), 12, 1.5, 0.38, 0.25, 0.37};
    ASSERT_TRUE(ValveData::Encode(good));

    Record r = good;
    r.sizeText = QString(24, QLatin1Char('x'));
    EXPECT_FALSE(ValveData::Encode(r)) << "longer than 23 characters";
    r.sizeText = QStringLiteral("½\""); // not in Windows-1250
    EXPECT_FALSE(ValveData::Encode(r));
    r = good;
    r.alphaLiquid25 = std::numeric_limits<double>::quiet_NaN();
    EXPECT_FALSE(ValveData::Encode(r));
    r = good;
    r.flowDiameter = std::numeric_limits<double>::infinity();
    EXPECT_FALSE(ValveData::Encode(r));
}

TEST(ValveRecord, DecodeRefusesAnythingButSixtyFourBytes) {
    const QByteArray bytes = *ValveData::Encode({QStringLiteral("1\""), 20, 2, 0.54, 0.3, 0.36});
    EXPECT_FALSE(ValveData::Decode(bytes.left(63)));
    EXPECT_FALSE(ValveData::Decode(bytes + '\0'));
    EXPECT_FALSE(ValveData::Decode(QByteArray()));
}

struct Corruption {
    int offset;
    QByteArray bytes;
    const char* what;
};

class CorruptRecord : public ::testing::TestWithParam<Corruption> {};

TEST_P(CorruptRecord, IsNoRecord) {
    QByteArray bytes = *ValveData::Encode({QStringLiteral("2\""), 42, 6, 0.55, 0.3, 0});
    bytes.replace(GetParam().offset, GetParam().bytes.size(), GetParam().bytes);
    EXPECT_FALSE(ValveData::Decode(bytes)) << GetParam().what;
}

const QByteArray kNaN = Hex("00 00 00 00 00 00 f8 7f");
const QByteArray kInf = Hex("00 00 00 00 00 00 f0 7f");
const QByteArray kMinusInf = Hex("00 00 00 00 00 00 f0 ff");

INSTANTIATE_TEST_SUITE_P(Bytes, CorruptRecord,
                         ::testing::Values(Corruption{0, Hex("18"), "length byte 24"},
                                           Corruption{0, Hex("ff"), "length byte 255"},
                                           Corruption{24, kNaN, "d NaN"},
                                           Corruption{32, kNaN, "p NaN"},
                                           Corruption{40, kInf, "alpha gas +inf"},
                                           Corruption{48, kMinusInf, "alpha liquid 10 -inf"},
                                           Corruption{56, kNaN, "alpha liquid 25 NaN"}));

// ---- the files the build writes ---------------------------------------------

QString ProgramDir() {
    return QStringLiteral(KALMO_TEST_PROGRAM_DIR);
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot read " << path.toStdString();
        return {};
    }
    return file.readAll();
}

class GeneratedFile : public ::testing::TestWithParam<size_t> {
protected:
    void SetUp() override {
        Dane::ResetDefaults();
        Dane::ProgramDir = ProgramDir();
    }
    const Catalogue::Type& type() const { return Catalogue::Types()[GetParam()]; }
};

TEST_P(GeneratedFile, OneRecordPerSizeAndSetPressureAsInTheCatalogue) {
    const Catalogue::Type& t = type();
    std::vector<Record> records;
    EXPECT_EQ(ValveData::Walk(t.text,
                              [&](const Record& r) {
                                  records.push_back(r);
                                  return false;
                              }),
              WalkEnd::EndOfFile);
    ASSERT_EQ(records.size(), t.sizes.size() * t.setPressures.size());
    size_t i = 0;
    for (const Catalogue::Size& size : t.sizes) { // ascending
        for (size_t p = 0; p < t.setPressures.size(); ++p, ++i) {
            const Catalogue::Alphas& a = size.alphas[p];
            EXPECT_EQ(records[i], (Record{size.text, size.flowDiameter, t.setPressures[p], a.gas,
                                          a.liquid10, a.liquid25}))
                << t.text.toStdString() << " record " << i;
        }
    }
}

TEST_P(GeneratedFile, BytesAreTheEncodedRecords) {
    QByteArray expected;
    for (const Record& r : ValveData::RecordsOf(type()))
        expected += *ValveData::Encode(r);
    const QByteArray bytes = ReadAll(ProgramDir() + type().text);
    EXPECT_EQ(bytes.size() % ValveData::RecordSize, 0);
    EXPECT_TRUE(bytes == expected) << type().text.toStdString();
}

INSTANTIATE_TEST_SUITE_P(EveryType, GeneratedFile, ::testing::Range<size_t>(0, 8));

TEST(GeneratedFiles, FirstRecordOfSV10ByteByByte) {
    const QByteArray bytes = ReadAll(ProgramDir() + QStringLiteral("SV10"));
    ASSERT_EQ(bytes.size(), 6 * 10 * 64);
    EXPECT_EQ(bytes.left(64).toHex(' '), Hex("04 31 2f 32 22 00 00 00 00 00 00 00 00 00 00 00"
                                             "00 00 00 00 00 00 00 00"
                                             "00 00 00 00 00 00 28 40"  // d 12
                                             "00 00 00 00 00 00 f8 3f"  // p 1.5
                                             "52 b8 1e 85 eb 51 d8 3f"  // 0.38
                                             "00 00 00 00 00 00 d0 3f"  // 0.25
                                             "ae 47 e1 7a 14 ae d7 3f") // 0.37
                                             .toHex(' '));
}

TEST(GeneratedFiles, NamesWithBlanksAndAPolishLetterAreUtf8OnDisk) {
    // The raw bytes of the name, as the file system holds it.
    const std::string name =
        std::string(KALMO_TEST_PROGRAM_DIR) + "SV20.N w centrum bezpiecze\xc5\x84stwa SC70";
    struct stat st {};
    ASSERT_EQ(::stat(name.c_str(), &st), 0);
    EXPECT_EQ(st.st_size, 3 * 64);
    EXPECT_TRUE(QFile::exists(ProgramDir() + QStringLiteral("SV20.N w Tandor 40DN15")));
}

// ---- the walk ---------------------------------------------------------------

class Walk : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        Dane::ResetDefaults();
        Dane::ProgramDir = dir.path() + QLatin1Char('/');
    }

    void Write(const QString& type, const QByteArray& bytes) {
        QFile file(dir.filePath(type));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }

    // Walks the whole file, collecting the records.
    WalkEnd WalkAll(const QString& type) {
        visited.clear();
        return ValveData::Walk(type, [this](const Record& r) {
            visited.push_back(r);
            return false;
        });
    }

    static QByteArray Bytes(const std::vector<Record>& records) {
        QByteArray bytes;
        for (const Record& r : records)
            bytes += *ValveData::Encode(r);
        return bytes;
    }

    QTemporaryDir dir;
    std::vector<Record> visited;
    const std::vector<Record> three = {{QStringLiteral("1/2\""), 12, 6, 0.38, 0.25, 0},
                                       {QStringLiteral("3/4\""), 14, 6, 0.55, 0.2, 0},
                                       {QStringLiteral("1\""), 20, 6, 0.54, 0.3, 0}};
};

TEST_F(Walk, EveryRecordInFileOrder) {
    Write(QStringLiteral("SV20"), Bytes(three));
    EXPECT_EQ(WalkAll(QStringLiteral("SV20")), WalkEnd::EndOfFile);
    EXPECT_EQ(visited, three);
}

TEST_F(Walk, EmptyFileReadsNoRecord) {
    Write(QStringLiteral("SV20"), QByteArray());
    EXPECT_EQ(WalkAll(QStringLiteral("SV20")), WalkEnd::EndOfFile);
    EXPECT_TRUE(visited.empty());
}

TEST_F(Walk, MissingFileIsAFileError) {
    EXPECT_EQ(WalkAll(QStringLiteral("SV20")), WalkEnd::FileError);
    EXPECT_TRUE(visited.empty());
    // No type at all names the directory itself, which is no data file.
    EXPECT_EQ(WalkAll(QString()), WalkEnd::FileError);
}

TEST_F(Walk, TrailingPartialRecordIsAFileError) {
    Write(QStringLiteral("SV20"), Bytes(three).left(2 * 64 + 10));
    EXPECT_EQ(WalkAll(QStringLiteral("SV20")), WalkEnd::FileError);
    EXPECT_EQ(visited.size(), 2u);

    Write(QStringLiteral("SV30"), Bytes(three).left(63));
    EXPECT_EQ(WalkAll(QStringLiteral("SV30")), WalkEnd::FileError);
    EXPECT_TRUE(visited.empty());
}

TEST_F(Walk, BadLengthByteIsAFileError) {
    QByteArray bytes = Bytes(three);
    bytes[64] = 24;
    Write(QStringLiteral("SV20"), bytes);
    EXPECT_EQ(WalkAll(QStringLiteral("SV20")), WalkEnd::FileError);
    EXPECT_EQ(visited.size(), 1u);
}

TEST_F(Walk, NotANumberIsAFileError) {
    QByteArray bytes = Bytes(three);
    bytes.replace(64 + 32, 8, kNaN); // the set pressure of the second record
    Write(QStringLiteral("SV20"), bytes);
    EXPECT_EQ(WalkAll(QStringLiteral("SV20")), WalkEnd::FileError);
    EXPECT_EQ(visited.size(), 1u);
}

TEST_F(Walk, VisitorStopsAtTheRecordItWants) {
    QByteArray bytes = Bytes(three);
    bytes[128] = char(0xff); // never reached
    Write(QStringLiteral("SV20"), bytes);
    int seen = 0;
    Record found;
    EXPECT_EQ(ValveData::Walk(QStringLiteral("SV20"),
                              [&](const Record& r) {
                                  ++seen;
                                  found = r;
                                  return r.flowDiameter >= 14;
                              }),
              WalkEnd::Stopped);
    EXPECT_EQ(seen, 2);
    EXPECT_EQ(found, three[1]);
}

TEST_F(Walk, WrittenFileWithBlanksAndPolishLetterInItsName) {
    const QString type = QStringLiteral("SV20.N w centrum bezpieczeństwa SC70");
    ASSERT_TRUE(ValveData::WriteFile(ValveData::FilePath(type), three));
    EXPECT_EQ(ValveData::FilePath(type), dir.path() + QLatin1Char('/') + type);
    EXPECT_EQ(WalkAll(type), WalkEnd::EndOfFile);
    EXPECT_EQ(visited, three);
}

TEST_F(Walk, WriteFileRefusesARecordItCannotHoldAndKeepsTheOldFile) {
    const QString path = ValveData::FilePath(QStringLiteral("SV20"));
    ASSERT_TRUE(ValveData::WriteFile(path, three));
    std::vector<Record> bad = three;
    bad[2].alphaGas = std::nan("");
    EXPECT_FALSE(ValveData::WriteFile(path, bad));
    EXPECT_EQ(WalkAll(QStringLiteral("SV20")), WalkEnd::EndOfFile);
    EXPECT_EQ(visited, three);
    EXPECT_FALSE(ValveData::WriteFile(dir.filePath(QStringLiteral("no/such/dir/SV20")), three));
}

TEST(ValveDataMessages, Texts) {
    EXPECT_EQ(ValveData::FileErrorMessage(), "Brak pliku z danymi zaworu!");
    EXPECT_EQ(ValveData::NotFoundMessage(),
              QStringLiteral("Nie znaleziono zaworu posiadającego wymaganą przepustowość!"));
}

} // namespace
