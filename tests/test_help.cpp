// The help: every help context number of the windows and menus has its topic, the viewer
// shows it, F1 finds the number of the nearest widget or of the highlighted menu item,
// and whatever is missing falls back to the contents.

#include "GuiTest.h"

#include "app/HelpViewer.h"
#include "app/WindowFrame.h"
#include "data/Dane.h"

#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMap>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTreeWidget>

namespace {

const QString HelpDir = QStringLiteral(KALMO_TEST_PROGRAM_DIR "help/");

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

TEST(HelpFolder, HoldsTheContentsIndexAndTopics) {
    EXPECT_TRUE(TopicPages().contains("index.html"));
    EXPECT_TRUE(TopicPages().contains("indeks.html"));
    EXPECT_GE(TopicPages().size(), 30);
}

class HelpViewer : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        Help::InstallF1Handler(qApp);
    }
    // A help folder of the test's own, as the program directory.
    void UseHelpFolder(const QMap<QString, QString>& files) {
        ASSERT_TRUE(temp.isValid());
        QDir(temp.path()).mkdir("help");
        for (auto it = files.begin(); it != files.end(); ++it)
            WriteHelpFile(it.key(), it.value());
        Dane::ProgramDir = temp.path() + '/';
    }
    void WriteHelpFile(const QString& name, const QString& text) {
        QFile file(temp.path() + "/help/" + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text.toUtf8());
    }
    QTemporaryDir temp;
};

TEST_F(HelpViewer, NumbersWithoutATopicShowTheContents) {
    for (int context : {0, 3, 28, 999, -1}) {
        Help::ShowTopic(14);
        Help::ShowTopic(context);
        EXPECT_EQ(Shown(), "index.html") << context;
    }
    Help::ShowContents();
    EXPECT_EQ(Shown(), "index.html");
}

TEST_F(HelpViewer, IsOneWindowReusedForEveryTopic) {
    Help::ShowTopic(14);
    QWidget* first = Help::Viewer();
    Help::ShowContents();
    EXPECT_EQ(Help::Viewer(), first);
    EXPECT_FALSE(first->isModal());
    // Stays on top of the calculation windows, and fits the screen.
    EXPECT_TRUE(first->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(first->screen()->availableGeometry().contains(first->frameGeometry()));
}

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

TEST_F(HelpViewer, ReadsTheFilesEachTimeAndFallsBackWhenOneIsMissing) {
    UseHelpFolder({{"contexts.txt", "# 16\ta.html\tnote\n14\ta.html\tA\n15\tmissing.html\tB\n"},
                   {"index.html", "<html><body>Spis</body></html>"},
                   {"a.html", "<html><body>pierwsza wersja</body></html>"}});
    Help::ShowTopic(14);
    EXPECT_TRUE(Browser()->toPlainText().contains("pierwsza wersja"));
    WriteHelpFile("a.html", "<html><body>druga wersja – ąęśł</body></html>");
    Help::ShowTopic(14);
    EXPECT_TRUE(Browser()->toPlainText().contains("druga wersja – ąęśł"));
    Help::ShowTopic(15);
    EXPECT_EQ(Shown(), "index.html");
    Help::ShowTopic(16);
    EXPECT_EQ(Shown(), "index.html");
}

TEST_F(HelpViewer, WithoutAnyHelpFilesSaysWhereItLooked) {
    UseHelpFolder({});
    Help::ShowTopic(14);
    EXPECT_TRUE(Browser()->toPlainText().contains(temp.path()));
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

TEST_F(HelpViewer, ContentsTreeAndIndexOpenTheirTopics) {
    Help::ShowContents();
    auto* tree = Find<QTreeWidget>(Help::Viewer(), "HelpContents");
    auto found = tree->findItems("Wydruk i Utwórz PDF", Qt::MatchExactly | Qt::MatchRecursive);
    ASSERT_EQ(found.size(), 1);
    emit tree->itemClicked(found[0], 0);
    EXPECT_EQ(Shown(), "wydruk.html");

    auto* filter = Find<QLineEdit>(Help::Viewer(), "HelpIndexFilter");
    auto* list = Find<QListWidget>(Help::Viewer(), "HelpIndexList");
    filter->setText("cisnienie odplyw"); // without diacritics
    int shown = 0;
    for (int row = 0; row < list->count(); ++row)
        shown += list->item(row)->isHidden() ? 0 : 1;
    EXPECT_EQ(shown, 1);
    emit filter->returnPressed();
    EXPECT_EQ(Shown(), "cisnienie_odplywowe.html");
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
