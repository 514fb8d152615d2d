#pragma once
// The program's help: the Polish HTML topics as a Qt help collection in the "help"
// folder of the program directory (kalmo.qhc with the compressed help kalmo.qch, made
// at build time), shown in one non-modal viewer window with the contents, the keyword
// index and full-text search of Qt Help.
//
// Every help context number is the keyword identifier "kalmo.N" of its topic. The
// help engine is created when help is first shown; the collection is read-only where
// the program is installed, so the engine works on a copy in the user's cache folder,
// where Qt Help also keeps its search index. A topic is read from the help file each
// time it is shown.
//
// Object names of the viewer's parts: window "HelpViewer", side panel "HelpTabs" with
// the tabs "Spis treści" ("HelpContents"), "Indeks" (filter "HelpIndexFilter", list
// "HelpIndexList") and "Szukaj" (query "HelpSearchQuery", hits "HelpSearchResults"),
// page "HelpBrowser" (a QTextBrowser), buttons "HelpBack", "HelpForward" and
// "HelpHome". Ctrl+F opens the search tab.

#include <QObject>

class QApplication;
class QHelpEngine;
class QWidget;

namespace Help {

// "Pomoc" > "Spis treści i indeks": shows the contents page with the contents, the
// index and the search in the side panel.
void ShowContents();

// The topic of a help context number (F1). 0, a number without a topic or a topic
// missing from the help file shows the contents instead, never an empty window.
void ShowTopic(int context);

// Gives a widget, a window or a menu action its help context number (kept in the
// dynamic property "HelpContext"); 0 removes it.
void SetHelpContext(QObject* widgetOrAction, int context);

// The help context number of a widget or action; 0 when it has none.
int HelpContextOf(QObject* widgetOrAction);

// Installs the application-wide F1 handler: F1 on a widget opens the topic of the
// nearest widget, itself first and then its parents up to its window, that has a help
// context number; F1 on an open menu opens the topic of the highlighted item and
// closes the menu. Where nothing carries a number, the contents are shown.
void InstallF1Handler(QApplication* app);

// The one viewer window: nullptr until help is first shown, then always the same window.
QWidget* Viewer();

// Ends help: the viewer and its engine are deleted, and a search index still
// being built stops first. The program does it as it quits; a process that
// ends otherwise (the tests) calls it before its application goes.
void Release();

// The viewer's help engine; nullptr before help was first shown or when the help files
// are missing.
QHelpEngine* Engine();

// A text without its Polish diacritics and case ("Ciśnienie", "cisnienie" and
// "CIŚNIENIE" fold alike), as the index filter and the search compare words.
QString Folded(const QString& text);

} // namespace Help
