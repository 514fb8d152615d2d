// help_search: the program's help searched as the viewer searches it, for the
// package test (an installed, read-only program directory).
//
//   help_search <program directory> <words>
//
// Prints the file of every hit, one a line; exit status 0 with hits, 1 without.

#include "app/HelpViewer.h"
#include "data/Dane.h"

#include <QApplication>
#include <QHelpEngine>
#include <QHelpSearchEngine>
#include <QHelpSearchQueryWidget>
#include <QSignalSpy>
#include <QTest>

#include <cstdio>

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("KALMO"));
    if (argc != 3) {
        std::fprintf(stderr, "usage: help_search <program directory> <words>\n");
        return 2;
    }
    Dane::ProgramDir = QString::fromLocal8Bit(argv[1]) + QLatin1Char('/');
    // The engine goes before the application, whatever way this ends: an
    // indexer still at work when the process ends takes it down.
    struct Released {
        ~Released() { Help::Release(); }
    } released;
    Help::ShowContents();
    auto* query = Help::Viewer()->findChild<QHelpSearchQueryWidget*>();
    if (!Help::Engine() || !query ||
        !QTest::qWaitFor([query] { return query->isEnabled(); }, 60000)) {
        std::fprintf(stderr, "help_search: the help cannot be searched\n");
        return 1;
    }
    QHelpSearchEngine* search = Help::Engine()->searchEngine();
    QSignalSpy finished(search, &QHelpSearchEngine::searchingFinished);
    query->setSearchInput(QString::fromLocal8Bit(argv[2]));
    emit query->search();
    if (!finished.wait(30000))
        return 1;
    const auto hits = search->searchResults(0, search->searchResultCount());
    for (const QHelpSearchResult& hit : hits)
        std::printf("%s\n", qPrintable(hit.url().fileName()));
    return hits.isEmpty() ? 1 : 0;
}
