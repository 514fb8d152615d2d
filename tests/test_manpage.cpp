// The manual page of kalmo-cli from help texts: how a help text is read, how
// its parts become roff, and what the page keeps once.

#include "QStringPrinter.h"
#include "tools/ManPage.h"

#include <gtest/gtest.h>

namespace {

using ManPage::Block;
using ManPage::Item;

struct ItemCase {
    const char* block; // a heading and its lines
    std::vector<Item> items;
};

class HelpItems : public ::testing::TestWithParam<ItemCase> {};

TEST_P(HelpItems, AreReadFromTheIndentedLines) {
    const ManPage::Help help = ManPage::Parse(QString::fromUtf8(GetParam().block));
    ASSERT_EQ(help.blocks.size(), 1u);
    EXPECT_EQ(help.blocks[0].heading, "Dane");
    EXPECT_EQ(help.blocks[0].items, GetParam().items);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, HelpItems,
    ::testing::Values(
        ItemCase{"t\nDane:\n  --set-pressure LICZBA     Ciśnienie [bar]\n",
                 {{"--set-pressure LICZBA", "Ciśnienie [bar]"}}},
        // A tag that fills its column is followed by one blank only.
        ItemCase{"t\nDane:\n  --a X              a\n  --long-name LICZBA b\n",
                 {{"--a X", "a"}, {"--long-name LICZBA", "b"}}},
        ItemCase{"t\nDane:\n  --a X          a\n  --c true|false c d\n",
                 {{"--a X", "a"}, {"--c true|false", "c d"}}},
        ItemCase{"t\nDane:\n  moc       a\n  dobor-mix b\n  Zob. też c\n",
                 {{"moc", "a"}, {"dobor-mix", "b"}, {"", "Zob. też c"}}},
        ItemCase{"t\nDane:\n  --json         jeden obiekt,\n                 a przy odmowie\n",
                 {{"--json", "jeden obiekt, a przy odmowie"}}},
        ItemCase{"t\nDane:\n  (bez opcji)    pola wyników\n", {{"(bez opcji)", "pola wyników"}}},
        ItemCase{"t\nDane:\n  kalmo-cli X [opcje]\n  kalmo-cli X --help\n",
                 {{"", "kalmo-cli X [opcje]"}, {"", "kalmo-cli X --help"}}},
        ItemCase{"t\nDane:\n  --a X     a\n  Liczby z kropką.\n",
                 {{"--a X", "a"}, {"", "Liczby z kropką."}}}));

TEST(HelpText, HeadingAlone) {
    const ManPage::Help help = ManPage::Parse("t\n\nDane:\n");
    ASSERT_EQ(help.blocks.size(), 1u);
    EXPECT_EQ(help.blocks[0], (Block{"Dane", {}}));
}

TEST(HelpText, TitleAndParagraphs) {
    const ManPage::Help help = ManPage::Parse(
        "kalmo-cli flow-air – Przepustowość – powietrze.\n\nKody: 0 – tak;\n2 – nie.\n");
    EXPECT_EQ(help.name, "kalmo-cli flow-air");
    EXPECT_EQ(help.summary, "Przepustowość – powietrze");
    ASSERT_EQ(help.blocks.size(), 1u);
    EXPECT_EQ(help.blocks[0], (Block{QString(), {{QString(), "Kody: 0 – tak; 2 – nie."}}}));
}

struct EscapeCase {
    const char* text;
    const char* roff;
};

class RoffText : public ::testing::TestWithParam<EscapeCase> {};

TEST_P(RoffText, IsEscaped) {
    EXPECT_EQ(ManPage::Escape(QString::fromUtf8(GetParam().text)),
              QString::fromUtf8(GetParam().roff));
}

INSTANTIATE_TEST_SUITE_P(Texts, RoffText,
                         ::testing::Values(EscapeCase{"--json", "\\-\\-json"},
                                           EscapeCase{"a\\b", "a\\eb"},
                                           EscapeCase{".csv", "\\&.csv"},
                                           EscapeCase{"'x'", "\\&'x'"},
                                           EscapeCase{"Ciśnienie – p", "Ciśnienie – p"}));

TEST(Roff, ItemsAsTaggedParagraphsAndLines) {
    const Block block{"Wyniki",
                      {{"--pdf PLIK", "raport"}, {"(bez opcji)", "pola"}, {"", "Uwaga."}}};
    EXPECT_EQ(ManPage::Roff(block, true), ".SS \"Wyniki\"\n"
                                          ".TP 13n\n\\fB\\-\\-pdf\\fR \\fIPLIK\\fR\nraport\n"
                                          ".TP 13n\n\\fB(bez opcji)\\fR\npola\n"
                                          ".PP\nUwaga.\n");
    EXPECT_EQ(ManPage::Roff(Block{"Użycie", {{"", "a"}, {"", "b"}}}, false),
              ".PP\n\\fBUżycie:\\fR\n.br\na\n.br\nb\n");
}

TEST(CliPage, SaysSharedBlocksOnce) {
    const auto program = ManPage::Parse("p – program.\n\nUżycie:\n  p X\n\nKody: 0.\n");
    const auto a =
        ManPage::Parse("p a – A\n\nDane:\n  --x X   x\n\nWyniki:\n  --json  j\n\nKody: 0.\n");
    const auto b =
        ManPage::Parse("p b – B\n\nDane:\n  --y Y   y\n\nWyniki:\n  --json  j\n\nKody: 0.\n");
    const QString page = ManPage::CliPage(program, {a, b}, {"7.0", "/usr/libexec/kalmo/"});
    EXPECT_TRUE(page.contains(".TH \"P\" 1 \"\" \"KALMO 7.0\""));
    EXPECT_TRUE(page.contains(".SH NAZWA\np \\- program\n.SH SKŁADNIA\np X\n.br\n"));
    EXPECT_EQ(page.count("\\-\\-json"), 1);
    EXPECT_EQ(page.count("Kody: 0."), 1);
    EXPECT_TRUE(
        page.contains(".SS \"a\"\nA\n.PP\n\\fBDane:\\fR\n.TP 7n\n\\fB\\-\\-x\\fR \\fIX\\fR\nx\n"));
    EXPECT_TRUE(page.contains(".SS \"b\"\nB\n"));
    EXPECT_TRUE(page.contains("/usr/libexec/kalmo/"));
}

} // namespace
