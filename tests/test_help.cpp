// The help on Qt Help: every help context number of the windows and menus has its
// topic in the help collection, the viewer shows it, F1 finds the number of the
// nearest widget or of the highlighted menu item, the index lists the keywords of
// the index page, the search finds the topics of the words a user types, with and
// without diacritics, and whatever is missing falls back to the contents.

#include "GuiTest.h"

#include "app/HelpViewer.h"
#include "app/WindowFrame.h"
#include "data/Dane.h"

#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QHelpEngine>
#include <QHelpIndexModel>
#include <QHelpIndexWidget>
#include <QHelpSearchEngine>
#include <QHelpSearchQueryWidget>
#include <QLineEdit>
#include <QMap>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSignalSpy>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTextDocumentFragment>

namespace {

// The topics as written; the program directory holds them as a help collection.
const QString HelpDir = QStringLiteral(KALMO_TEST_SOURCE_DIR "/../resources/help/");
const QString CollectionDir = QStringLiteral(KALMO_TEST_PROGRAM_DIR "help/");

// Every help context number that a window, a control or a menu item carries.
struct ContextUse {
    int context;
    const char* usedBy;
};
const ContextUse ContextUses[] = {
    {1, "menu Przepustowość > Powietrze"},
    {2, "menu Przepustowość > Para wodna nasycona"},
    {4, "relieving pressure p1, capacity and steam/air/water/power selection windows"},
    {5, "back pressure p2, same windows"},
    {7, "air capacity window"},
    {9, "water capacity window"},
    {11, "steam selection window"},
    {12, "heat-power (steam and water) selection window"},
    {14, "overpressure b1, capacity and steam/air/water/power selection windows"},
    {17, "network water design temperature, water-water exchanger"},
    {18, "permissible installation pressure, both exchangers"},
    {19, "'Wybór zaworu' of the selection windows"},
    {20, "'Wybór zaworu' of the capacity windows"},
    {21, "'Oblicz' of the capacity windows"},
    {22, "'Oblicz' of the selection windows"},
    {23, "print button"},
    {24, "relieving temperature t1, water and air windows"},
    {25, "air selection window"},
    {26, "water selection window"},
    {27, "thermal expansion window and all its inputs"},
    {30, "'Anuluj'"},
    {31, "required heat power, both heat-power windows"},
    {32, "required capacity, steam/air/water selection"},
    {33, "requirement mode radio group, air selection"},
    {34, "compressor output, air selection"},
    {35, "plate exchanger section area, both exchangers"},
    {36, "number of valves spin edit, both exchangers"},
    {37, "menu Plik > Otwórz obliczenia…, Zapisz obliczenia…, Ostatnio otwierane"},
    {38, "'Wszystkie rozmiary…' of the selection windows"},
};

void PrintTo(const ContextUse& use, std::ostream* os) {
    *os << use.context << " (" << use.usedBy << ")";
}

QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct Topic {
    QString file;
    QString title;
};

// contexts.txt as laid into the program directory: number -> topic.
QMap<int, Topic> ContextMap() {
    QMap<int, Topic> map;
    for (const QString& line : QString::fromUtf8(ReadBytes(HelpDir + "contexts.txt")).split('\n')) {
        const QStringList f = line.split('\t');
        if (!line.startsWith('#') && f.size() == 3)
            map.insert(f[0].toInt(), {f[1], f[2]});
    }
    return map;
}

QStringList TopicPages() {
    return QDir(HelpDir).entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name);
}

QTextBrowser* Browser() {
    return Help::Viewer()->findChild<QTextBrowser*>("HelpBrowser");
}
QString Shown() {
    return Browser()->source().fileName();
}

std::string ParamName(const ::testing::TestParamInfo<QString>& info) {
    return QString(info.param).replace(QRegularExpression("[^A-Za-z0-9]"), "_").toStdString();
}

} // namespace

class HelpContext : public GuiTest, public ::testing::WithParamInterface<ContextUse> {};

TEST_P(HelpContext, HasAReadablePolishTopicFileWithItsTitle) {
    const Topic topic = ContextMap().value(GetParam().context);
    ASSERT_FALSE(topic.file.isEmpty()) << "no topic for " << GetParam().usedBy;
    const QByteArray bytes = ReadBytes(HelpDir + topic.file);
    ASSERT_FALSE(bytes.isEmpty()) << topic.file.toStdString();
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(bytes);
    EXPECT_FALSE(utf8.hasError()) << topic.file.toStdString();
    EXPECT_TRUE(text.contains("<meta charset=\"utf-8\">"));
    EXPECT_TRUE(text.contains("<title>" + topic.title + "</title>"));
}

TEST_P(HelpContext, ShowTopicShowsItInTheViewer) {
    Help::ShowTopic(GetParam().context);
    ASSERT_NE(Help::Viewer(), nullptr);
    EXPECT_TRUE(Help::Viewer()->isVisible());
    EXPECT_EQ(Help::Viewer()->windowTitle(), "Pomoc - KALMO");
    EXPECT_EQ(Shown(), ContextMap().value(GetParam().context).file);
    EXPECT_EQ(Browser()->documentTitle(), ContextMap().value(GetParam().context).title);
}

INSTANTIATE_TEST_SUITE_P(Windows, HelpContext, ::testing::ValuesIn(ContextUses),
                         [](const auto& info) { return std::to_string(info.param.context); });

class HelpPage : public ::testing::TestWithParam<QString> {};

TEST_P(HelpPage, IsListedInTheContents) {
    if (GetParam() == "index.html")
        return;
    EXPECT_TRUE(QString::fromUtf8(ReadBytes(HelpDir + "index.html"))
                    .contains("<a href=\"" + GetParam() + "\">"));
}

TEST_P(HelpPage, LinksOnlyToExistingPages) {
    static const QRegularExpression href("href=\"([^\"#:]+)");
    auto it = href.globalMatch(QString::fromUtf8(ReadBytes(HelpDir + GetParam())));
    while (it.hasNext()) {
        const QString target = it.next().captured(1);
        EXPECT_TRUE(QFile::exists(HelpDir + target)) << "broken link to " << target.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Pages, HelpPage, ::testing::ValuesIn(TopicPages()), ParamName);

TEST(HelpFolder, HoldsTheContentsIndexAndTopicsAndTheProgramTheirCollection) {
    EXPECT_TRUE(TopicPages().contains("index.html"));
    EXPECT_TRUE(TopicPages().contains("indeks.html"));
    EXPECT_GE(TopicPages().size(), 30);
    for (const char* file : {"kalmo.qhc", "kalmo.qch"})
        EXPECT_TRUE(QFileInfo(CollectionDir + file).isFile()) << file;
}

class HelpViewer : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        Help::InstallF1Handler(qApp);
    }
    // A help folder of the test's own, as the program directory, with these files
    // of the build's collection.
    void UseHelpFolder(const QStringList& files) {
        ASSERT_TRUE(temp.isValid());
        QDir(temp.path()).mkdir("help");
        for (const QString& file : files)
            ASSERT_TRUE(QFile::copy(CollectionDir + file, temp.path() + "/help/" + file));
        Dane::ProgramDir = temp.path() + '/';
    }
    // Help shown and its search index ready.
    static QHelpEngine* ReadyEngine() {
        Help::ShowContents();
        auto* query = Help::Viewer()->findChild<QHelpSearchQueryWidget*>("HelpSearchQuery");
        EXPECT_TRUE(query && QTest::qWaitFor([query] { return query->isEnabled(); }, 30000));
        return Help::Engine();
    }
    QTemporaryDir temp;
};

// Help stands beside the window it explains: in the largest free strip beside
// it, down to half its size; where none holds that, in the corner of the
// screen that covers least of the window.
TEST(HelpPlacement, BesideTheWindowWhereTheScreenHasRoom) {
    const QSize help(960, 640);
    const QSize half(480, 320);
    struct Case {
        const char* what;
        QRect screen;
        QRect window;
        QRect expected;
    };
    const Case cases[] = {
        {"right", QRect(0, 0, 1280, 1000), QRect(0, 100, 300, 400), QRect(300, 100, 960, 640)},
        {"left", QRect(0, 0, 1280, 1000), QRect(980, 100, 300, 400), QRect(20, 100, 960, 640)},
        {"below", QRect(0, 0, 1280, 1000), QRect(100, 0, 800, 300), QRect(100, 300, 960, 640)},
        {"above", QRect(0, 0, 1280, 1000), QRect(100, 700, 800, 300), QRect(100, 60, 960, 640)},
        {"right, moved up onto the screen", QRect(0, 0, 1280, 1000), QRect(0, 600, 300, 400),
         QRect(300, 360, 960, 640)},
        // A window centred on a full-HD screen leaves 720 pixels on either side.
        {"right, narrower", QRect(0, 0, 1920, 1080), QRect(720, 330, 480, 420),
         QRect(1200, 330, 720, 640)},
        // No strip is 480 wide or 320 high; beside it every place covers 760 ×
        // 600 or 880 × 440 pixels of the window, the top-left corner 760 × 440.
        {"nowhere: the corner", QRect(0, 0, 1280, 1000), QRect(200, 200, 880, 600),
         QRect(0, 0, 960, 640)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PlaceBeside(c.window, help, half, c.screen), c.expected) << c.what;
}

TEST_F(HelpViewer, FirstShowingStandsBesideTheActiveWindowThenStays) {
    QWidget window(nullptr, DialogFrame(true));
    window.setFixedSize(60, 50);
    window.move(0, 0);
    ShowAndActivate(&window);
    QTest::keyClick(&window, Qt::Key_F1);
    QWidget* viewer = Help::Viewer();
    ASSERT_NE(viewer, nullptr);
    EXPECT_FALSE(viewer->frameGeometry().intersects(window.frameGeometry()));
    EXPECT_TRUE(viewer->screen()->availableGeometry().contains(viewer->frameGeometry()));

    viewer->move(viewer->pos() + QPoint(0, 10));
    const QPoint moved = viewer->pos();
    ShowAndActivate(&window);
    QTest::keyClick(&window, Qt::Key_F1);
    EXPECT_EQ(viewer->pos(), moved) << "an open help window stays where it stands";
}

TEST_F(HelpViewer, WithoutTheHelpFilesSaysWhereItLooked) {
    for (const QStringList& present : {QStringList(), QStringList{"kalmo.qhc"}}) {
        UseHelpFolder(present);
        Help::ShowTopic(14);
        EXPECT_TRUE(Browser()->toPlainText().contains("Nie znaleziono plików pomocy w katalogu:"))
            << present.join(' ').toStdString();
        EXPECT_TRUE(Browser()->toPlainText().contains(temp.path()));
    }
}

TEST_F(HelpViewer, FollowsLinksAndGoesBackAndForward) {
    Help::ShowTopic(14);
    emit Browser()->anchorClicked(QUrl("cisnienie_zrzutowe.html"));
    EXPECT_EQ(Shown(), "cisnienie_zrzutowe.html");
    Find<QPushButton>(Help::Viewer(), "HelpBack")->click();
    EXPECT_EQ(Shown(), "przyrost_cisnienia.html");
    auto* forward = Find<QPushButton>(Help::Viewer(), "HelpForward");
    ASSERT_TRUE(forward->isEnabled());
    forward->click();
    EXPECT_EQ(Shown(), "cisnienie_zrzutowe.html");
    emit Browser()->anchorClicked(QUrl("nie_ma_takiego.html"));
    EXPECT_EQ(Shown(), "index.html");
}

// The keywords of the index page, as the index lists them: each once, in order.
QStringList IndexPageKeywords() {
    static const QRegularExpression item(R"re(<li>\s*<a\s+href="[^"]+"[^>]*>(.*?)</a>)re");
    QStringList keywords;
    for (auto it = item.globalMatch(QString::fromUtf8(ReadBytes(HelpDir + "indeks.html")));
         it.hasNext();)
        keywords << QTextDocumentFragment::fromHtml(it.next().captured(1)).toPlainText();
    keywords.removeDuplicates();
    return keywords;
}

TEST_F(HelpViewer, IndexListsTheKeywordsOfTheIndexPageAndFiltersWithoutDiacritics) {
    Help::ShowContents();
    auto* list = Find<QHelpIndexWidget>(Help::Viewer(), "HelpIndexList");
    ASSERT_TRUE(QTest::qWaitFor([list] { return list->model()->rowCount() > 0; }, 10000));
    const auto listed = [list] {
        QStringList shown;
        for (int row = 0; row < list->model()->rowCount(); ++row)
            if (!list->isRowHidden(row))
                shown << list->model()->index(row, 0).data().toString();
        return shown;
    };
    QStringList expected = IndexPageKeywords();
    QStringList shown = listed();
    expected.sort(Qt::CaseInsensitive);
    shown.sort(Qt::CaseInsensitive);
    EXPECT_EQ(shown, expected);

    auto* filter = Find<QLineEdit>(Help::Viewer(), "HelpIndexFilter");
    filter->setText(Help::Folded("ciśnienie odpływowe"));
    EXPECT_EQ(listed(), QStringList{"ciśnienie odpływowe"});
    emit filter->returnPressed();
    EXPECT_EQ(Shown(), "cisnienie_odplywowe.html");
}

// A word a user would type, and the topic it is meant to find among the first hits.
struct Search {
    const char* words;
    const char* topic;
};
const Search Searches[] = {
    {"nadciśnienie", "przyrost_cisnienia.html"}, {"przyrost", "przyrost_cisnienia.html"},
    {"wymiennik", "wymiennik_woda.html"},        {"ekspansja", "ekspansja.html"},
    {"rozszerzalność", "ekspansja.html"},        {"PDF", "wydruk.html"},
    {"karta katalogowa", "wydruk.html"},         {"para", "przep_para.html"},
    {"ciepło właściwe", "ekspansja.html"},       {"zapisz obliczenia", "zapis_obliczen.html"},
    {"otwórz", "zapis_obliczen.html"},           {"ostatnio otwierane", "zapis_obliczen.html"},
};

TEST_F(HelpViewer, SearchFindsTheTopicsWithAndWithoutDiacritics) {
    QHelpEngine* engine = ReadyEngine();
    ASSERT_NE(engine, nullptr);
    auto* query = Find<QHelpSearchQueryWidget>(Help::Viewer(), "HelpSearchQuery");
    for (const Search& search : Searches) {
        const QString words = QString::fromUtf8(search.words);
        for (const QString& typed : {words, Help::Folded(words)}) {
            QSignalSpy finished(engine->searchEngine(), &QHelpSearchEngine::searchingFinished);
            query->setSearchInput(typed);
            emit query->search();
            ASSERT_TRUE(finished.wait(10000)) << typed.toStdString();
            QStringList hits;
            for (const QHelpSearchResult& hit : engine->searchEngine()->searchResults(0, 3))
                hits << hit.url().fileName();
            EXPECT_TRUE(hits.contains(search.topic))
                << typed.toStdString() << ": " << hits.join(' ').toStdString();
        }
    }
}

TEST_F(HelpViewer, F1OpensTheTopicOfTheNearestWidgetWithANumber) {
    QWidget window;
    Help::SetHelpContext(&window, 26);
    auto* group = new QGroupBox("Dane", &window);
    auto* overpressure = new QLineEdit(group);
    Help::SetHelpContext(overpressure, 14);
    auto* plain = new QLineEdit(group);
    overpressure->setText("10.0");
    ShowAndActivate(&window);

    QTest::keyClick(overpressure, Qt::Key_F1);
    EXPECT_EQ(Shown(), "przyrost_cisnienia.html");
    EXPECT_EQ(overpressure->text(), "10.0");
    QTest::keyClick(plain, Qt::Key_F1);
    EXPECT_EQ(Shown(), "dobor_woda.html");

    Help::SetHelpContext(&window, 0);
    QTest::keyClick(plain, Qt::Key_F1);
    EXPECT_EQ(Shown(), "index.html");
}

TEST_F(HelpViewer, F1StopsAtTheWindowOfTheWidget) {
    QWidget owner;
    Help::SetHelpContext(&owner, 9);
    QWidget window(&owner, Qt::Window);
    auto* edit = new QLineEdit(&window);
    ShowAndActivate(&window);
    Help::ShowTopic(14);
    QTest::keyClick(edit, Qt::Key_F1);
    EXPECT_EQ(Shown(), "index.html");
}

TEST_F(HelpViewer, F1InAnOpenMenuOpensTheHighlightedItemAndClosesTheMenu) {
    QWidget window;
    ShowAndActivate(&window);
    QMenu menu(&window);
    QAction* air = menu.addAction("Powietrze");
    QAction* steam = menu.addAction("Para wodna nasycona");
    QAction* water = menu.addAction("Woda");
    Help::SetHelpContext(air, 1);
    Help::SetHelpContext(steam, 2);

    for (auto [action, page] :
         {std::pair{steam, "przep_para.html"}, std::pair{air, "przep_powietrze.html"},
          std::pair{water, "index.html"}}) {
        menu.popup(window.mapToGlobal(QPoint(0, 0)));
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&menu));
        menu.setActiveAction(action);
        QTest::keyClick(&menu, Qt::Key_F1);
        EXPECT_EQ(Shown(), page) << action->text().toStdString();
        EXPECT_FALSE(menu.isVisible());
    }
}
