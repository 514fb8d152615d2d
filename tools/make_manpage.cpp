// make_manpage: writes the manual page of kalmo-cli from the help texts the
// program itself prints, for every subcommand it has.
//
//   make_manpage <output file> <program directory> <version>

#include "cli/CommandLine.h"
#include "tools/ManPage.h"

#include <QFile>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: make_manpage <output file> <program directory> <version>\n");
        return 2;
    }
    std::vector<ManPage::Help> commands;
    for (const Cli::Command& command : Cli::Commands())
        commands.push_back(ManPage::Parse(Cli::CommandHelp(command)));
    const QString page =
        ManPage::CliPage(ManPage::Parse(Cli::GeneralHelp()), commands,
                         {QString::fromLocal8Bit(argv[3]), QString::fromLocal8Bit(argv[2])});

    QFile out(QString::fromLocal8Bit(argv[1]));
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(page.toUtf8()) < 0 ||
        !out.flush()) {
        std::fprintf(stderr, "make_manpage: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
