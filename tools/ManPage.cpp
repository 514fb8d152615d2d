#include "tools/ManPage.h"

#include <QRegularExpression>

#include <algorithm>

namespace ManPage {

namespace {

const QString kDash = QStringLiteral(" – ");

qsizetype Indent(const QString& line) {
    qsizetype n = 0;
    while (n < line.size() && line[n] == QLatin1Char(' '))
        ++n;
    return n;
}

// "  --name ARG     text": the tag before a gap of two or more blanks.
const QRegularExpression& Gap() {
    static const QRegularExpression gap(QStringLiteral("^ +(\\S.*?\\S|\\S)  +(\\S.*)$"));
    return gap;
}

// The column where the items' texts begin: the help pads its tags to it.
qsizetype TextColumn(const QStringList& lines) {
    for (const QString& line : lines) {
        const QRegularExpressionMatch m = Gap().match(line);
        if (m.hasMatch())
            return m.capturedStart(2);
    }
    return 0;
}

// One indented line. A tag as wide as its column or wider is followed by one
// blank only: then the tag is an option with its argument, or one word that
// reaches the column.
Item ParseItem(const QString& line, qsizetype column) {
    const QRegularExpressionMatch m = Gap().match(line);
    if (m.hasMatch())
        return {m.captured(1), m.captured(2)};
    const QString text = line.trimmed();
    const QStringList words = text.split(QLatin1Char(' '));
    qsizetype tagWords = 0;
    if (words.size() >= 3 && text.startsWith(QLatin1Char('-')))
        tagWords = 2;
    else if (column > 0 && words.size() >= 2 && Indent(line) + words[0].size() + 1 >= column)
        tagWords = 1;
    if (tagWords == 0)
        return {QString(), text};
    return {words.mid(0, tagWords).join(QLatin1Char(' ')),
            words.mid(tagWords).join(QLatin1Char(' '))};
}

// A block from its lines.
Block ParseBlock(QStringList lines) {
    Block block;
    if (!lines.first().startsWith(QLatin1Char(' ')) && lines.first().endsWith(QLatin1Char(':')))
        block.heading = lines.takeFirst().chopped(1);
    if (lines.isEmpty())
        return block;
    if (block.heading.isEmpty() && !lines.first().startsWith(QLatin1Char(' '))) {
        // A paragraph: its lines are one text.
        for (QString& line : lines)
            line = line.trimmed();
        block.items.push_back({QString(), lines.join(QLatin1Char(' '))});
        return block;
    }
    const qsizetype column = TextColumn(lines);
    for (const QString& line : lines) {
        const qsizetype indent = Indent(line);
        if (!block.items.empty() && !block.items.back().tag.isEmpty() && indent > 2 &&
            indent >= column) {
            block.items.back().text += QLatin1Char(' ') + line.trimmed();
            continue;
        }
        block.items.push_back(ParseItem(line, column));
    }
    return block;
}

QString Bold(const QString& text) {
    return QStringLiteral("\\fB%1\\fR").arg(Escape(text));
}

// An option's name in bold and its argument in italics; anything else in bold.
QString Tag(const QString& tag) {
    const int space = tag.indexOf(QLatin1Char(' '));
    if (!tag.startsWith(QLatin1Char('-')) || space < 0)
        return Bold(tag);
    return Bold(tag.left(space)) + QStringLiteral(" \\fI%1\\fR").arg(Escape(tag.mid(space + 1)));
}

QString Quoted(const QString& text) {
    return QLatin1Char('"') + Escape(text) + QLatin1Char('"');
}

bool Contains(const std::vector<Block>& blocks, const Block& block) {
    return std::find(blocks.begin(), blocks.end(), block) != blocks.end();
}

} // namespace

Help Parse(const QString& help) {
    Help result;
    QStringList lines = help.split(QLatin1Char('\n'));
    const QString title = lines.isEmpty() ? QString() : lines.takeFirst();
    const int dash = title.indexOf(kDash);
    result.name = dash < 0 ? title.trimmed() : title.left(dash).trimmed();
    if (dash >= 0) {
        result.summary = title.mid(dash + kDash.size()).trimmed();
        if (result.summary.endsWith(QLatin1Char('.')))
            result.summary.chop(1);
    }

    QStringList block;
    lines.append(QString());
    for (const QString& line : lines) {
        if (!line.trimmed().isEmpty()) {
            block.append(line);
        } else if (!block.isEmpty()) {
            result.blocks.push_back(ParseBlock(block));
            block.clear();
        }
    }
    return result;
}

QString Escape(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        if (c == QLatin1Char('\\'))
            out += QStringLiteral("\\e");
        else if (c == QLatin1Char('-'))
            out += QStringLiteral("\\-");
        else
            out += c;
    }
    if (out.startsWith(QLatin1Char('.')) || out.startsWith(QLatin1Char('\'')))
        out.prepend(QStringLiteral("\\&"));
    return out;
}

QString Roff(const Block& block, bool subsection) {
    QString out;
    if (block.heading.isEmpty())
        out += QStringLiteral(".PP\n");
    else if (subsection)
        out += QStringLiteral(".SS %1\n").arg(Quoted(block.heading));
    else
        out += QStringLiteral(".PP\n%1\n").arg(Bold(block.heading + QLatin1Char(':')));
    // The tags' column as wide as the longest tag, as the help lays it out, up
    // to a width past which a tag takes a line of its own.
    qsizetype width = 0;
    for (const Item& item : block.items)
        width = std::max(width, item.tag.size() + 2);
    width = std::min<qsizetype>(width, 24);
    bool tagged = false;
    for (const Item& item : block.items) {
        if (!item.tag.isEmpty()) {
            out += QStringLiteral(".TP %1n\n%2\n%3\n")
                       .arg(width)
                       .arg(Tag(item.tag), Escape(item.text));
        } else {
            // Lines keep their own line; after a list they start a paragraph.
            if (tagged)
                out += QStringLiteral(".PP\n");
            else if (!block.heading.isEmpty())
                out += QStringLiteral(".br\n");
            out += Escape(item.text) + QLatin1Char('\n');
        }
        tagged = !item.tag.isEmpty();
    }
    return out;
}

QString CliPage(const Help& program, const std::vector<Help>& commands, const Page& page) {
    QString out = QStringLiteral("'\\\" -*- coding: UTF-8 -*-\n"
                                 ".\\\" Made by make_manpage from the --help texts of %1.\n"
                                 ".TH %2 1 \"\" \"KALMO %3\" \"Polecenia użytkownika\"\n"
                                 ".nh\n")
                      .arg(program.name, Quoted(program.name.toUpper()), page.version);
    out +=
        QStringLiteral(".SH NAZWA\n%1 \\- %2\n").arg(Escape(program.name), Escape(program.summary));

    // The usage lines are the synopsis.
    auto block = program.blocks.begin();
    if (block != program.blocks.end() && !block->heading.isEmpty()) {
        out += QStringLiteral(".SH SKŁADNIA\n");
        for (const Item& item : block->items)
            out += QStringLiteral("%1\n.br\n").arg(Escape(item.text));
        ++block;
    }
    out += QStringLiteral(".SH OPIS\n");
    for (; block != program.blocks.end(); ++block)
        out += Roff(*block, true);

    // What every subcommand says alike.
    std::vector<Block> shared;
    if (!commands.empty())
        for (const Block& b : commands.front().blocks)
            if (!Contains(program.blocks, b) &&
                std::all_of(commands.begin(), commands.end(),
                            [&](const Help& c) { return Contains(c.blocks, b); }))
                shared.push_back(b);
    if (!shared.empty()) {
        out += QStringLiteral(".SH \"WSPÓLNE OPCJE PODKOMEND\"\n");
        for (const Block& b : shared)
            out += Roff(b, true);
    }
    out += QStringLiteral(".SH PODKOMENDY\n");
    for (const Help& command : commands) {
        const QString name = command.name.section(QLatin1Char(' '), -1);
        out += QStringLiteral(".SS %1\n%2\n").arg(Quoted(name), Escape(command.summary));
        for (const Block& b : command.blocks)
            if (!Contains(program.blocks, b) && !Contains(shared, b))
                out += Roff(b, false);
    }

    out += QStringLiteral(".SH PLIKI\n.TP\n.I %1\n"
                          "katalog programu: tablica pary wodnej para.dat, pliki danych "
                          "zaworów, rysunki raportów i komponent PDF; %2 czyta je stąd, "
                          "jak program z oknami.\n")
               .arg(Escape(page.programDir), Escape(program.name));
    out += QStringLiteral(".SH \"ZOBACZ TAKŻE\"\n.BR kalmo (1)\n");
    return out;
}

} // namespace ManPage
