// make_helpproject: the Qt help project of the program's help, from the same
// Polish HTML topics the help always had. qhelpgenerator turns its output into
// the compressed help (kalmo.qch) and the collection (kalmo.qhc).
//
//   make_helpproject <topic folder> <output folder>
//
// From the topic folder it reads index.html (the contents: "h2" group headings
// and the topic links under them), indeks.html (the keyword index: one link per
// keyword) and contexts.txt (help context number, topic file and title per
// line), and writes into the output folder kalmo.qhp, kalmo.qhcp and a copy of
// every page. Each help context number becomes the keyword identifier
// "kalmo.N" of its topic, which F1 asks the help engine for.

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QTextDocumentFragment>
#include <QXmlStreamWriter>

#include <cstdio>

namespace {

QString Read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QString PlainText(const QString& html) {
    return QTextDocumentFragment::fromHtml(html).toPlainText().simplified();
}

struct Link {
    bool isGroup;
    QString text;
    QString ref;
};

// The group headings and list links of a page, in order.
QList<Link> Links(const QString& page) {
    static const QRegularExpression entry(
        QStringLiteral(R"re(<h2[^>]*>(.*?)</h2>|<li>\s*<a\s+href="([^"]+)"[^>]*>(.*?)</a>)re"),
        QRegularExpression::DotMatchesEverythingOption | QRegularExpression::CaseInsensitiveOption);
    QList<Link> links;
    auto it = entry.globalMatch(page);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        if (m.capturedLength(1) > 0)
            links.append({true, PlainText(m.captured(1)), {}});
        else
            links.append({false, PlainText(m.captured(3)), m.captured(2)});
    }
    return links;
}

void WriteContents(QXmlStreamWriter& xml, const QString& contentsPage) {
    const QString title = PlainText(
        contentsPage.section(QStringLiteral("<h1>"), 1).section(QStringLiteral("</h1>"), 0, 0));
    xml.writeStartElement(QStringLiteral("toc"));
    xml.writeStartElement(QStringLiteral("section"));
    xml.writeAttribute(QStringLiteral("title"), title);
    xml.writeAttribute(QStringLiteral("ref"), QStringLiteral("index.html"));
    bool inGroup = false;
    for (const Link& link : Links(contentsPage)) {
        if (link.isGroup) {
            if (inGroup)
                xml.writeEndElement();
            xml.writeStartElement(QStringLiteral("section"));
            xml.writeAttribute(QStringLiteral("title"), link.text);
            xml.writeAttribute(QStringLiteral("ref"), QStringLiteral("index.html"));
            inGroup = true;
        } else {
            xml.writeEmptyElement(QStringLiteral("section"));
            xml.writeAttribute(QStringLiteral("title"), link.text);
            xml.writeAttribute(QStringLiteral("ref"), link.ref);
        }
    }
    if (inGroup)
        xml.writeEndElement();
    xml.writeEndElement(); // the contents page
    xml.writeEndElement(); // toc
}

void WriteKeywords(QXmlStreamWriter& xml, const QString& indexPage, const QString& contexts) {
    xml.writeStartElement(QStringLiteral("keywords"));
    for (const Link& link : Links(indexPage)) {
        if (link.isGroup)
            continue;
        xml.writeEmptyElement(QStringLiteral("keyword"));
        xml.writeAttribute(QStringLiteral("name"), link.text);
        xml.writeAttribute(QStringLiteral("ref"), link.ref);
    }
    for (const QString& line : contexts.split(QLatin1Char('\n'))) {
        const QStringList fields = line.split(QLatin1Char('\t'));
        bool isNumber = false;
        const int context = fields.value(0).trimmed().toInt(&isNumber);
        if (line.startsWith(QLatin1Char('#')) || fields.size() < 2 || !isNumber)
            continue;
        xml.writeEmptyElement(QStringLiteral("keyword"));
        xml.writeAttribute(QStringLiteral("id"), QStringLiteral("kalmo.%1").arg(context));
        xml.writeAttribute(QStringLiteral("ref"), fields[1].trimmed());
    }
    xml.writeEndElement();
}

bool WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_helpproject <topic folder> <output folder>\n");
        return 2;
    }
    // The page texts go through Qt's HTML reader, which needs fonts.
    QGuiApplication app(argc, argv);
    const QDir topics(QString::fromLocal8Bit(argv[1]));
    const QDir out(QString::fromLocal8Bit(argv[2]));
    if (!out.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "make_helpproject: cannot create %s\n", argv[2]);
        return 1;
    }
    const QStringList pages = topics.entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name);

    QByteArray project;
    QXmlStreamWriter xml(&project);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeStartElement(QStringLiteral("QtHelpProject"));
    xml.writeAttribute(QStringLiteral("version"), QStringLiteral("1.0"));
    xml.writeTextElement(QStringLiteral("namespace"), QStringLiteral("kalmo.pomoc"));
    xml.writeTextElement(QStringLiteral("virtualFolder"), QStringLiteral("pomoc"));
    xml.writeStartElement(QStringLiteral("filterSection"));
    WriteContents(xml, Read(topics.filePath(QStringLiteral("index.html"))));
    WriteKeywords(xml, Read(topics.filePath(QStringLiteral("indeks.html"))),
                  Read(topics.filePath(QStringLiteral("contexts.txt"))));
    xml.writeStartElement(QStringLiteral("files"));
    for (const QString& page : pages)
        xml.writeTextElement(QStringLiteral("file"), page);
    xml.writeEndElement(); // files
    xml.writeEndElement(); // filterSection
    xml.writeEndElement(); // QtHelpProject
    xml.writeEndDocument();

    const QByteArray collection = R"(<?xml version="1.0" encoding="UTF-8"?>
<QHelpCollectionProject version="1.0">
    <docFiles>
        <generate>
            <file>
                <input>kalmo.qhp</input>
                <output>kalmo.qch</output>
            </file>
        </generate>
        <register>
            <file>kalmo.qch</file>
        </register>
    </docFiles>
</QHelpCollectionProject>
)";

    bool ok = WriteFile(out.filePath(QStringLiteral("kalmo.qhp")), project) &&
              WriteFile(out.filePath(QStringLiteral("kalmo.qhcp")), collection);
    for (const QString& page : pages) {
        QFile::remove(out.filePath(page));
        ok = ok && QFile::copy(topics.filePath(page), out.filePath(page));
    }
    if (!ok) {
        std::fprintf(stderr, "make_helpproject: cannot write into %s\n", argv[2]);
        return 1;
    }
    return 0;
}
