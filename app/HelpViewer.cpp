#include "app/HelpViewer.h"

#include "app/WindowFrame.h"
#include "data/Dane.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTextDocumentFragment>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace Help {
namespace {

const char* const HelpContextProperty = "HelpContext";
const QString ContentsPage = QStringLiteral("index.html");
const QString IndexPage = QStringLiteral("indeks.html");
const QString ContextsFile = QStringLiteral("contexts.txt");

// Before the main window has recorded the program directory, the executable's own
// directory is the same place.
QString HelpDir() {
    const QString programDir = Dane::ProgramDir.isEmpty()
                                   ? QCoreApplication::applicationDirPath() + QLatin1Char('/')
                                   : Dane::ProgramDir;
    return programDir + QStringLiteral("help/");
}

QString ReadText(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return QString::fromUtf8(file.readAll());
}

// The topic file of a help context number from contexts.txt, or an empty text.
QString TopicFile(int context) {
    if (context == 0) {
        return {};
    }
    const QStringList lines = ReadText(HelpDir() + ContextsFile).split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        if (line.startsWith(QLatin1Char('#'))) {
            continue;
        }
        const QStringList fields = line.split(QLatin1Char('\t'));
        bool isNumber = false;
        if (fields.size() >= 2 && fields[0].trimmed().toInt(&isNumber) == context && isNumber) {
            return fields[1].trimmed();
        }
    }
    return {};
}

// A file of the help folder, with an optional "#anchor", that exists on disk.
bool TopicExists(const QString& fileAndAnchor) {
    const QString file = fileAndAnchor.section(QLatin1Char('#'), 0, 0);
    return !file.isEmpty() && QFileInfo(HelpDir() + file).isFile();
}

QUrl TopicUrl(const QString& fileAndAnchor) {
    QUrl url = QUrl::fromLocalFile(HelpDir() + fileAndAnchor.section(QLatin1Char('#'), 0, 0));
    const QString anchor = fileAndAnchor.section(QLatin1Char('#'), 1);
    if (!anchor.isEmpty()) {
        url.setFragment(anchor);
    }
    return url;
}

QString PlainText(const QString& html) {
    return QTextDocumentFragment::fromHtml(html).toPlainText().simplified();
}

// Letters without their Polish diacritics and case, so that "cisnienie" finds "Ciśnienie".
QString Folded(const QString& text) {
    QString folded;
    for (QChar c : text.normalized(QString::NormalizationForm_D)) {
        if (c.category() == QChar::Mark_NonSpacing) {
            continue;
        }
        if (c == QChar(0x0142) || c == QChar(0x0141)) { // ł, Ł
            c = QLatin1Char('l');
        }
        folded += c;
    }
    return folded.toCaseFolded();
}

struct Entry {
    bool isGroup;
    QString text;
    QString file; // topic file with an optional anchor; empty for a group
};

// The group headings (h2) and topic links (list items) of the contents or index page.
QList<Entry> PageEntries(const QString& page) {
    static const QRegularExpression entry(
        QStringLiteral(R"re(<h2[^>]*>(.*?)</h2>|<li>\s*<a\s+href="([^"]+)"[^>]*>(.*?)</a>)re"),
        QRegularExpression::DotMatchesEverythingOption | QRegularExpression::CaseInsensitiveOption);
    QList<Entry> entries;
    auto it = entry.globalMatch(ReadText(HelpDir() + page));
    while (it.hasNext()) {
        const QRegularExpressionMatch match = it.next();
        if (match.capturedLength(1) > 0) {
            entries.append({true, PlainText(match.captured(1)), {}});
        } else {
            entries.append({false, PlainText(match.captured(3)), match.captured(2)});
        }
    }
    return entries;
}

// Reads every page as UTF-8 from disk, each time it is shown.
class TopicBrowser : public QTextBrowser {
public:
    using QTextBrowser::QTextBrowser;

    QVariant loadResource(int type, const QUrl& name) override {
        if (type == QTextDocument::HtmlResource && name.isLocalFile()) {
            return ReadText(name.toLocalFile());
        }
        return QTextBrowser::loadResource(type, name);
    }
};

class HelpWindow : public QWidget {
public:
    HelpWindow() : QWidget(nullptr, Qt::Window | Qt::WindowStaysOnTopHint) {
        setObjectName(QStringLiteral("HelpViewer"));
        setWindowTitle(QStringLiteral("Pomoc - KALMO"));
        resize(960, 640);

        auto* back = new QPushButton(QStringLiteral("Wstecz"), this);
        back->setObjectName(QStringLiteral("HelpBack"));
        back->setEnabled(false);
        auto* forward = new QPushButton(QStringLiteral("Dalej"), this);
        forward->setObjectName(QStringLiteral("HelpForward"));
        forward->setEnabled(false);
        auto* home = new QPushButton(QStringLiteral("Spis treści"), this);
        home->setObjectName(QStringLiteral("HelpHome"));
        auto* buttons = new QHBoxLayout;
        buttons->addWidget(back);
        buttons->addWidget(forward);
        buttons->addWidget(home);
        buttons->addStretch();

        contents_ = new QTreeWidget;
        contents_->setObjectName(QStringLiteral("HelpContents"));
        contents_->setHeaderHidden(true);

        filter_ = new QLineEdit;
        filter_->setObjectName(QStringLiteral("HelpIndexFilter"));
        filter_->setPlaceholderText(QStringLiteral("Wpisz szukane hasło"));
        index_ = new QListWidget;
        index_->setObjectName(QStringLiteral("HelpIndexList"));
        auto* indexPage = new QWidget;
        auto* indexLayout = new QVBoxLayout(indexPage);
        indexLayout->setContentsMargins(0, 0, 0, 0);
        indexLayout->addWidget(filter_);
        indexLayout->addWidget(index_);

        auto* tabs = new QTabWidget;
        tabs->setObjectName(QStringLiteral("HelpTabs"));
        tabs->addTab(contents_, QStringLiteral("Spis treści"));
        tabs->addTab(indexPage, QStringLiteral("Indeks"));

        browser_ = new TopicBrowser;
        browser_->setObjectName(QStringLiteral("HelpBrowser"));
        browser_->setOpenLinks(false);

        auto* splitter = new QSplitter(Qt::Horizontal);
        splitter->setObjectName(QStringLiteral("HelpSplitter"));
        splitter->addWidget(tabs);
        splitter->addWidget(browser_);
        splitter->setStretchFactor(1, 1);
        splitter->setSizes({320, 640});

        auto* layout = new QVBoxLayout(this);
        layout->addLayout(buttons);
        layout->addWidget(splitter, 1);

        connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
        connect(forward, &QPushButton::clicked, browser_, &QTextBrowser::forward);
        connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
        connect(browser_, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);
        connect(home, &QPushButton::clicked, this, [this] { Show(ContentsPage); });
        connect(browser_, &QTextBrowser::anchorClicked, this, &HelpWindow::FollowLink);
        connect(browser_, &QTextBrowser::sourceChanged, this,
                [this](const QUrl& url) { MarkInContents(url.fileName()); });

        const auto openTreeItem = [this](QTreeWidgetItem* item) {
            const QString file = item->data(0, Qt::UserRole).toString();
            if (!file.isEmpty()) {
                Show(file);
            }
        };
        connect(contents_, &QTreeWidget::itemClicked, this, openTreeItem);
        connect(contents_, &QTreeWidget::itemActivated, this, openTreeItem);

        const auto openIndexItem = [this](QListWidgetItem* item) {
            Show(item->data(Qt::UserRole).toString());
        };
        connect(index_, &QListWidget::itemClicked, this, openIndexItem);
        connect(index_, &QListWidget::itemActivated, this, openIndexItem);
        connect(filter_, &QLineEdit::textChanged, this, &HelpWindow::ApplyFilter);
        connect(filter_, &QLineEdit::returnPressed, this, [this, openIndexItem] {
            if (QListWidgetItem* item = index_->currentItem(); item && !item->isHidden()) {
                openIndexItem(item);
            }
        });
    }

    // Shows a topic file of the help folder; a file that is not there shows the contents.
    void Show(const QString& fileAndAnchor) {
        LoadSidePanel();
        if (TopicExists(fileAndAnchor)) {
            Open(TopicUrl(fileAndAnchor));
        } else if (TopicExists(ContentsPage)) {
            Open(TopicUrl(ContentsPage));
        } else {
            browser_->setHtml(
                QStringLiteral("<h1>Pomoc - KALMO</h1><p>Nie znaleziono plików pomocy "
                               "w katalogu:</p><p><b>%1</b></p>")
                    .arg(HelpDir().toHtmlEscaped()));
        }
        MarkInContents(browser_->source().fileName());
        if (!isVisible())
            PlaceOnScreen();
        if (isMinimized()) {
            showNormal();
        } else {
            show();
        }
        raise();
        activateWindow();
    }

private:
    // At most 960 × 640 and nine tenths of the screen of the window the user
    // works in. Beside that window, down to half that size where the screen
    // has no more room, so that help does not hide what it explains; help
    // asked for in the main window (which fills the screen) stands in the
    // middle.
    void PlaceOnScreen() {
        const QWidget* active = QApplication::activeWindow();
        const QScreen* s = active ? active->screen() : QGuiApplication::primaryScreen();
        if (!s)
            return;
        const QRect area = s->availableGeometry();
        const QSize wanted(std::min(960, area.width() * 9 / 10),
                           std::min(640, area.height() * 9 / 10));
        if (!active || active == this || qobject_cast<const QMainWindow*>(active)) {
            resize(wanted);
            move(area.center() - rect().center());
            return;
        }
        // The frame the window manager adds, taken as that of the window beside.
        const QSize decoration = active->frameGeometry().size() - active->geometry().size();
        const QRect frame = PlaceBeside(active->frameGeometry(), wanted + decoration,
                                        wanted / 2 + decoration, area);
        resize(frame.size() - decoration);
        move(frame.topLeft());
    }

    // The browser keeps the page it already shows; it is read again, so that the text on
    // the screen is always that of the file.
    void Open(const QUrl& url) {
        const bool samePage =
            url.adjusted(QUrl::RemoveFragment) == browser_->source().adjusted(QUrl::RemoveFragment);
        browser_->setSource(url);
        if (samePage) {
            browser_->reload();
            if (url.hasFragment()) {
                browser_->scrollToAnchor(url.fragment());
            }
        }
    }

    void FollowLink(const QUrl& link) {
        const QString scheme = link.scheme();
        if (scheme == QLatin1String("http") || scheme == QLatin1String("https") ||
            scheme == QLatin1String("mailto")) {
            QDesktopServices::openUrl(link);
            return;
        }
        const QUrl base =
            browser_->source().isValid() ? browser_->source() : QUrl::fromLocalFile(HelpDir());
        const QUrl target = base.resolved(link);
        if (target.isLocalFile() && QFileInfo(target.toLocalFile()).isFile()) {
            browser_->setSource(target);
        } else {
            Show(ContentsPage);
        }
    }

    void LoadSidePanel() {
        contents_->clear();
        QTreeWidgetItem* group = nullptr;
        for (const Entry& entry : PageEntries(ContentsPage)) {
            if (entry.isGroup) {
                group = new QTreeWidgetItem(contents_, {entry.text});
                group->setExpanded(true);
            } else {
                auto* item = group ? new QTreeWidgetItem(group, {entry.text})
                                   : new QTreeWidgetItem(contents_, {entry.text});
                item->setData(0, Qt::UserRole, entry.file);
                item->setToolTip(0, entry.text);
            }
        }

        index_->clear();
        for (const Entry& entry : PageEntries(IndexPage)) {
            if (!entry.isGroup) {
                auto* item = new QListWidgetItem(entry.text, index_);
                item->setData(Qt::UserRole, entry.file);
                item->setToolTip(entry.text);
            }
        }
        ApplyFilter(filter_->text());
    }

    void ApplyFilter(const QString& text) {
        const QString wanted = Folded(text.trimmed());
        QListWidgetItem* first = nullptr;
        for (int row = 0; row < index_->count(); ++row) {
            QListWidgetItem* item = index_->item(row);
            const bool shown = Folded(item->text()).contains(wanted);
            item->setHidden(!shown);
            if (shown && !first) {
                first = item;
            }
        }
        index_->setCurrentItem(first);
    }

    void MarkInContents(const QString& file) {
        for (QTreeWidgetItemIterator it(contents_); *it; ++it) {
            if ((*it)->data(0, Qt::UserRole).toString().section(QLatin1Char('#'), 0, 0) == file) {
                contents_->setCurrentItem(*it);
                return;
            }
        }
        contents_->setCurrentItem(nullptr);
    }

    QTreeWidget* contents_;
    QLineEdit* filter_;
    QListWidget* index_;
    QTextBrowser* browser_;
};

QPointer<HelpWindow> TheWindow;

HelpWindow* Window() {
    if (!TheWindow) {
        TheWindow = new HelpWindow;
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, TheWindow.data(),
                         &QObject::deleteLater);
    }
    return TheWindow;
}

// The context of what F1 was pressed on: the highlighted item of an open menu, or the
// nearest widget up to the window that carries a number.
int ContextOf(QWidget* widget) {
    if (auto* menu = qobject_cast<QMenu*>(widget)) {
        return HelpContextOf(menu->activeAction());
    }
    if (auto* menuBar = qobject_cast<QMenuBar*>(widget)) {
        return HelpContextOf(menuBar->activeAction());
    }
    for (QWidget* w = widget; w; w = w->parentWidget()) {
        if (const int context = HelpContextOf(w)) {
            return context;
        }
        if (w->isWindow()) {
            break;
        }
    }
    return 0;
}

void ClosePopups() {
    // Each close leaves the next menu of the chain as the active popup; the bound only
    // guards against a popup that refuses to close.
    for (int i = 0; i < 16 && QApplication::activePopupWidget(); ++i) {
        QApplication::activePopupWidget()->close();
    }
}

class F1Handler : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride) {
            return false;
        }
        auto* key = static_cast<QKeyEvent*>(event);
        // Shift+F1 and the like are left to the widgets ("What's this?").
        if (key->key() != Qt::Key_F1 || (key->modifiers() & ~Qt::KeypadModifier) ||
            !watched->isWidgetType()) {
            return false;
        }
        if (event->type() == QEvent::ShortcutOverride) {
            // F1 is context help everywhere, even where a menu item has it as shortcut.
            event->accept();
            return true;
        }
        if (key->isAutoRepeat()) {
            return true;
        }
        QWidget* target = QApplication::activePopupWidget();
        if (!qobject_cast<QMenu*>(target)) {
            target = static_cast<QWidget*>(watched);
        }
        const int context = ContextOf(target);
        if (qobject_cast<QMenu*>(target)) {
            ClosePopups();
        }
        ShowTopic(context);
        return true;
    }
};

} // namespace

void ShowContents() {
    Window()->Show(ContentsPage);
}

void ShowTopic(int context) {
    Window()->Show(TopicFile(context));
}

void SetHelpContext(QObject* widgetOrAction, int context) {
    if (widgetOrAction) {
        widgetOrAction->setProperty(HelpContextProperty, context);
    }
}

int HelpContextOf(QObject* widgetOrAction) {
    return widgetOrAction ? widgetOrAction->property(HelpContextProperty).toInt() : 0;
}

void InstallF1Handler(QApplication* app) {
    static QPointer<F1Handler> handler;
    if (app && !handler) {
        handler = new F1Handler(app);
        app->installEventFilter(handler);
    }
}

QWidget* Viewer() {
    return TheWindow;
}

} // namespace Help
