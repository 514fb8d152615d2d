#include "app/HelpViewer.h"

#include "app/WindowFrame.h"
#include "data/Dane.h"

#include <QApplication>
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexWidget>
#include <QHelpLink>
#include <QHelpSearchEngine>
#include <QHelpSearchQueryWidget>
#include <QHelpSearchResultWidget>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QShortcut>
#include <QSplitter>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTextBrowser>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdio>

namespace Help {
namespace {

const char* const HelpContextProperty = "HelpContext";
const QString CollectionFile = QStringLiteral("kalmo.qhc");
// The namespace and folder that make_helpproject gives the topics.
const QString TopicRoot = QStringLiteral("qthelp://kalmo.pomoc/pomoc/");
const QString ContentsPage = QStringLiteral("index.html");

// Before the main window has recorded the program directory, the executable's own
// directory is the same place.
QString HelpDir() {
    const QString programDir = Dane::ProgramDir.isEmpty()
                                   ? QCoreApplication::applicationDirPath() + QLatin1Char('/')
                                   : Dane::ProgramDir;
    return programDir + QStringLiteral("help/");
}

QUrl TopicUrl(const QString& file) {
    return QUrl(TopicRoot + file);
}

// The engine writes into its collection (its settings, the record of what the search
// index holds) and beside it (the search index). The installed collection is
// read-only, so the engine gets a copy in the user's cache folder, one per program
// directory, made again when the installed one is newer. Without a cache folder it
// reads the installed one.
QString WritableCollection(const QString& installed) {
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    if (cache.isEmpty())
        return installed;
    const QByteArray place =
        QCryptographicHash::hash(HelpDir().toUtf8(), QCryptographicHash::Md5).toHex().left(12);
    const QString dir = cache + QStringLiteral("/help-") + QString::fromLatin1(place);
    const QString copy = dir + QLatin1Char('/') + CollectionFile;
    const QFileInfo copied(copy);
    if (copied.isFile() && copied.lastModified() >= QFileInfo(installed).lastModified())
        return copy;
    QHelpEngineCore source(installed);
    source.setReadOnly(true);
    if (!source.setupData() || !QDir().mkpath(dir))
        return installed;
    // The copy names the compressed help by its path in the program directory. It is
    // made under a name of this process's own and then put in place in one step, so
    // that another instance opening help at the same time never finds half a file
    // or has its open collection removed under it.
    const QString partial = copy + QStringLiteral(".%1").arg(QCoreApplication::applicationPid());
    QFile::remove(partial);
    if (!source.copyCollectionFile(partial))
        return installed;
    if (std::rename(QFile::encodeName(partial).constData(), QFile::encodeName(copy).constData()) !=
        0) {
        // Where a rename does not replace (or the copy is in use): the one in place serves.
        QFile::remove(partial);
        return QFileInfo(copy).isFile() ? copy : installed;
    }
    return copy;
}

// SQLite's tokenizer of Qt Help's search takes the diacritics off ś, ą, ę, ć, ń, ó,
// ź and ż, in the index and in the query alike, but not off ł, which has no
// decomposition. So every indexed page gets the folded forms of its words with ł
// appended to its indexed text, once: "wlasciwe" then finds "właściwe" as
// "wlasciwy" finds "właściwy". The index is Qt Help's own SQLite file ("info" holds
// each page's text, its triggers keep the full-text tables in step).
void FoldIndexedL(const QString& indexFolder) {
    const QString connection = QStringLiteral("kalmo-help-fold");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(indexFolder + QStringLiteral("/fts"));
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
        if (db.open()) {
            static const QRegularExpression withL(QStringLiteral("\\w*[łŁ]\\w*"),
                                                  QRegularExpression::UseUnicodePropertiesOption);
            QList<std::pair<qint64, QString>> changed;
            QSqlQuery pages(QStringLiteral("SELECT id, data FROM info"), db);
            while (pages.next()) {
                const QString text = pages.value(1).toString();
                QStringList words;
                for (auto it = withL.globalMatch(text); it.hasNext();) {
                    const QString word = Folded(it.next().captured());
                    if (!words.contains(word))
                        words.append(word);
                }
                const QString tail = QStringLiteral("\n") + words.join(QLatin1Char(' '));
                if (!words.isEmpty() && !text.endsWith(tail))
                    changed.append({pages.value(0).toLongLong(), text + tail});
            }
            db.transaction();
            QSqlQuery update(db);
            update.prepare(QStringLiteral("UPDATE info SET data = ? WHERE id = ?"));
            for (const auto& [id, text] : changed) {
                update.addBindValue(text);
                update.addBindValue(id);
                update.exec();
            }
            db.commit();
        }
    }
    QSqlDatabase::removeDatabase(connection);
}

// Reads every page from the help file, each time it is shown.
class TopicBrowser : public QTextBrowser {
public:
    using QTextBrowser::QTextBrowser;
    QHelpEngine* engine = nullptr;

    QVariant loadResource(int type, const QUrl& name) override {
        if (engine && name.scheme() == QLatin1String("qthelp")) {
            const QByteArray bytes = engine->fileData(name);
            if (type == QTextDocument::HtmlResource || type == QTextDocument::StyleSheetResource)
                return QString::fromUtf8(bytes);
            return bytes;
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

        tabs_ = new QTabWidget;
        tabs_->setObjectName(QStringLiteral("HelpTabs"));

        browser_ = new TopicBrowser;
        browser_->setObjectName(QStringLiteral("HelpBrowser"));
        browser_->setOpenLinks(false);

        auto* splitter = new QSplitter(Qt::Horizontal);
        splitter->setObjectName(QStringLiteral("HelpSplitter"));
        splitter->addWidget(tabs_);
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
        connect(home, &QPushButton::clicked, this, [this] { Show(TopicUrl(ContentsPage)); });
        connect(browser_, &QTextBrowser::anchorClicked, this, &HelpWindow::FollowLink);
        connect(browser_, &QTextBrowser::sourceChanged, this, &HelpWindow::MarkInContents);

        // Ctrl+F: the search tab, ready for typing.
        auto* find = new QShortcut(QKeySequence::Find, this);
        connect(find, &QShortcut::activated, this, [this] {
            if (auto* query = findChild<QHelpSearchQueryWidget*>()) {
                tabs_->setCurrentWidget(query->parentWidget());
                query->setFocus(Qt::ShortcutFocusReason);
            }
        });
    }

    // Shows a topic of the help file; a topic that is not there shows the contents.
    void Show(const QUrl& topic) {
        if (!OpenCollection()) {
            browser_->clearHistory();
            browser_->setHtml(
                QStringLiteral("<h1>Pomoc - KALMO</h1><p>Nie znaleziono plików pomocy "
                               "w katalogu:</p><p><b>%1</b></p>")
                    .arg(HelpDir().toHtmlEscaped()));
        } else {
            Open(HasTopic(topic) ? topic : TopicUrl(ContentsPage));
        }
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

    QHelpEngine* Engine() const { return engine_; }

    // The topic of a help context number: the keyword identifier "kalmo.N".
    QUrl TopicOf(int context) {
        const QList<QHelpLink> topics =
            context != 0 && OpenCollection()
                ? engine_->documentsForIdentifier(QStringLiteral("kalmo.%1").arg(context))
                : QList<QHelpLink>();
        return topics.isEmpty() ? TopicUrl(ContentsPage) : topics.first().url;
    }

private:
    // The help engine of the program directory's collection, created when help is
    // first shown (and again for another program directory). False when the
    // collection or its compressed help is missing.
    bool OpenCollection() {
        const QString installed = HelpDir() + CollectionFile;
        if (engine_ && installed_ == installed)
            return true;
        CloseCollection();
        installed_ = installed;
        if (!QFileInfo(installed).isFile())
            return false;
        const QString collection = WritableCollection(installed);
        auto* engine = new QHelpEngine(collection, this);
        engine->setReadOnly(collection == installed);
        engine->setUsesFilterEngine(true);
        if (!engine->setupData() || engine->registeredDocumentations().isEmpty() ||
            !QFileInfo(engine->documentationFileName(engine->registeredDocumentations().first()))
                 .isFile()) {
            delete engine;
            return false;
        }
        engine_ = engine;
        browser_->engine = engine;
        BuildSidePanel();
        return true;
    }

    bool HasTopic(const QUrl& topic) const {
        return !engine_->fileData(topic.adjusted(QUrl::RemoveFragment)).isEmpty();
    }

    void CloseCollection() {
        browser_->engine = nullptr;
        while (tabs_->count() > 0)
            delete tabs_->widget(0);
        contents_ = nullptr;
        index_ = nullptr;
        delete engine_;
        engine_ = nullptr;
    }

    void BuildSidePanel() {
        contents_ = engine_->contentWidget();
        contents_->setObjectName(QStringLiteral("HelpContents"));
        contents_->setHeaderHidden(true);
        connect(contents_, &QHelpContentWidget::linkActivated, this, &HelpWindow::Open);
        connect(contents_, &QTreeView::clicked, this, [this](const QModelIndex& index) {
            if (const QHelpContentItem* item = engine_->contentModel()->contentItemAt(index))
                Open(item->url());
        });
        connect(engine_->contentModel(), &QHelpContentModel::contentsCreated, this,
                [this] { MarkInContents(browser_->source()); });
        tabs_->addTab(contents_, QStringLiteral("Spis treści"));

        auto* filter = new QLineEdit;
        filter->setObjectName(QStringLiteral("HelpIndexFilter"));
        filter->setPlaceholderText(QStringLiteral("Wpisz szukane hasło"));
        index_ = engine_->indexWidget();
        index_->setObjectName(QStringLiteral("HelpIndexList"));
        auto* indexPage = new QWidget;
        auto* indexLayout = new QVBoxLayout(indexPage);
        indexLayout->setContentsMargins(0, 0, 0, 0);
        indexLayout->addWidget(filter);
        indexLayout->addWidget(index_);
        const auto openDocuments = [this](const QList<QHelpLink>& documents) {
            if (!documents.isEmpty())
                Open(documents.first().url);
        };
        connect(index_, &QHelpIndexWidget::documentActivated, this,
                [openDocuments](const QHelpLink& document) { openDocuments({document}); });
        connect(index_, &QHelpIndexWidget::documentsActivated, this, openDocuments);
        connect(index_, &QListView::clicked, index_, &QHelpIndexWidget::activateCurrentItem);
        connect(filter, &QLineEdit::textChanged, this, &HelpWindow::FilterIndex);
        connect(filter, &QLineEdit::returnPressed, index_, &QHelpIndexWidget::activateCurrentItem);
        connect(engine_->indexModel(), &QHelpIndexModel::indexCreated, filter,
                [this, filter] { FilterIndex(filter->text()); });
        tabs_->addTab(indexPage, QStringLiteral("Indeks"));

        QHelpSearchEngine* search = engine_->searchEngine();
        QHelpSearchQueryWidget* query = search->queryWidget();
        query->setObjectName(QStringLiteral("HelpSearchQuery"));
        QHelpSearchResultWidget* hits = search->resultWidget();
        hits->setObjectName(QStringLiteral("HelpSearchResults"));
        auto* searchPage = new QWidget;
        auto* searchLayout = new QVBoxLayout(searchPage);
        searchLayout->setContentsMargins(0, 0, 0, 0);
        searchLayout->addWidget(query);
        searchLayout->addWidget(hits, 1);
        // Searching waits for the index, which is built, or brought up to date, in
        // the background when the engine starts.
        query->setEnabled(false);
        connect(search, &QHelpSearchEngine::indexingStarted, query,
                [query] { query->setEnabled(false); });
        connect(search, &QHelpSearchEngine::indexingFinished, query, [this, query] {
            const QFileInfo collection(engine_->collectionFile());
            FoldIndexedL(collection.absolutePath() + QStringLiteral("/.") +
                         collection.completeBaseName());
            query->setEnabled(true);
        });
        connect(query, &QHelpSearchQueryWidget::search, search,
                [search, query] { search->search(query->searchInput()); });
        connect(hits, &QHelpSearchResultWidget::requestShowLink, this, &HelpWindow::Open);
        tabs_->addTab(searchPage, QStringLiteral("Szukaj"));
        // A chosen tab is ready for typing, as after Ctrl+F.
        connect(tabs_, &QTabWidget::currentChanged, query, [this, searchPage, query] {
            if (tabs_->currentWidget() == searchPage)
                query->setFocus(Qt::TabFocusReason);
        });
    }

    // Today's index matched words typed without their diacritics; Qt's filter does
    // not fold them, so the list is filtered here. The keyword identifiers of the
    // help context numbers have no name and are never listed.
    void FilterIndex(const QString& text) {
        const QString wanted = Folded(text.trimmed());
        const QAbstractItemModel* model = index_->model();
        QModelIndex first;
        for (int row = 0; row < model->rowCount(); ++row) {
            const QModelIndex item = model->index(row, 0);
            const QString name = item.data().toString();
            const bool shown = !name.isEmpty() && Folded(name).contains(wanted);
            index_->setRowHidden(row, !shown);
            if (shown && !first.isValid())
                first = item;
        }
        index_->setCurrentIndex(first);
    }

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
    // the screen is always that of the help file.
    void Open(const QUrl& url) {
        const bool samePage =
            url.adjusted(QUrl::RemoveFragment) == browser_->source().adjusted(QUrl::RemoveFragment);
        browser_->setSource(url);
        if (samePage) {
            browser_->reload();
            if (url.hasFragment())
                browser_->scrollToAnchor(url.fragment());
        }
    }

    void FollowLink(const QUrl& link) {
        const QString scheme = link.scheme();
        if (scheme == QLatin1String("http") || scheme == QLatin1String("https") ||
            scheme == QLatin1String("mailto")) {
            QDesktopServices::openUrl(link);
            return;
        }
        const QUrl target = browser_->source().resolved(link);
        Show(engine_ && HasTopic(target) ? target : TopicUrl(ContentsPage));
    }

    void MarkInContents(const QUrl& url) {
        if (contents_)
            contents_->setCurrentIndex(contents_->indexOf(url.adjusted(QUrl::RemoveFragment)));
    }

    QTabWidget* tabs_;
    TopicBrowser* browser_;
    QHelpEngine* engine_ = nullptr;
    QHelpContentWidget* contents_ = nullptr;
    QHelpIndexWidget* index_ = nullptr;
    QString installed_;
};

QPointer<HelpWindow> TheWindow;

HelpWindow* Window() {
    if (!TheWindow) {
        TheWindow = new HelpWindow;
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, TheWindow.data(), &Release);
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
    Window()->Show(TopicUrl(ContentsPage));
}

void ShowTopic(int context) {
    HelpWindow* window = Window();
    window->Show(window->TopicOf(context));
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

void Release() {
    // Deleting the engine waits for its indexing thread, which must not outlive
    // the application.
    delete TheWindow.data();
}

QWidget* Viewer() {
    return TheWindow;
}

QHelpEngine* Engine() {
    return TheWindow ? TheWindow->Engine() : nullptr;
}

QString Folded(const QString& text) {
    QString folded;
    for (QChar c : text.normalized(QString::NormalizationForm_D)) {
        if (c.category() == QChar::Mark_NonSpacing)
            continue;
        if (c == QChar(0x0142) || c == QChar(0x0141)) // ł, Ł
            c = QLatin1Char('l');
        folded += c;
    }
    return folded.toCaseFolded();
}

} // namespace Help
