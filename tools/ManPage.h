#pragma once
// The manual page of kalmo-cli, made from its own --help texts so that the two
// never tell different stories. A help text is a title line ("name – what it
// does") and blocks parted by blank lines: a heading ending in ':' over indented
// items ("  --option ARG   what it is", the text going on in deeper indented
// lines; an option too long for its column has one blank after its argument;
// a line of other words stays a line of its own), or a paragraph of unindented
// lines.

#include <QString>
#include <QStringList>

#include <vector>

namespace ManPage {

struct Item {
    QString tag;  // "--set-pressure LICZBA"; empty for a line kept as it is
    QString text; // what the tag means, or the line
    bool operator==(const Item& o) const { return tag == o.tag && text == o.text; }
};

struct Block {
    QString heading; // without the ':'; empty for a paragraph
    std::vector<Item> items;
    bool operator==(const Block& o) const { return heading == o.heading && items == o.items; }
};

struct Help {
    QString name;    // before the first " – " of the title line
    QString summary; // after it, without a closing full stop
    std::vector<Block> blocks;
};

Help Parse(const QString& help);

// Text for roff: backslashes and minus signs escaped, a leading control
// character neutralised.
QString Escape(const QString& text);

// One block in roff; a heading becomes a subsection (.SS) when `subsection`,
// else a bold line.
QString Roff(const Block& block, bool subsection);

struct Page {
    QString version;    // "7.0"
    QString programDir; // where the installed program keeps its files
};

// The whole page, section 1: NAME and SYNOPSIS from the program's help (its
// first block is the usage), the rest of it as DESCRIPTION, then each
// subcommand. Blocks that every subcommand's help repeats are told once, before
// the subcommands; blocks the program's help already tells are left out.
QString CliPage(const Help& program, const std::vector<Help>& commands, const Page& page);

} // namespace ManPage
