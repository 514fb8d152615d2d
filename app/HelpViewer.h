#pragma once
// The program's help: Polish HTML topics in the "help" folder of the program directory,
// one topic per help context number, shown in one non-modal viewer window.
//
// The folder holds index.html (contents), indeks.html (keyword index), the topic pages
// and contexts.txt, which maps each help context number to its topic:
// "number<TAB>file<TAB>title" per line. Every file is read from disk when it is shown,
// so edited help texts show without restarting the program.
//
// Object names of the viewer's parts: window "HelpViewer", side panel "HelpTabs" with
// the tabs "Spis treści" (tree "HelpContents") and "Indeks" (filter "HelpIndexFilter",
// list "HelpIndexList"), page "HelpBrowser" (a QTextBrowser), buttons "HelpBack",
// "HelpForward" and "HelpHome".

#include <QObject>

class QApplication;
class QWidget;

namespace Help {

// "Pomoc" > "Spis treści i indeks": shows the contents page with the contents and the
// index in the side panel.
void ShowContents();

// The topic of a help context number (F1). 0, a number without a topic or a topic file
// that is missing shows the contents instead, never an empty window.
void ShowTopic(int context);

// Gives a widget, a window or a menu action its help context number (kept in the dynamic
// property "HelpContext"); 0 removes it.
void SetHelpContext(QObject* widgetOrAction, int context);

// The help context number of a widget or action; 0 when it has none.
int HelpContextOf(QObject* widgetOrAction);

// Installs the application-wide F1 handler: F1 on a widget opens the topic of the nearest
// widget, itself first and then its parents up to its window, that has a help context
// number; F1 on an open menu opens the topic of the highlighted item and closes the menu.
// Where nothing carries a number, the contents are shown.
void InstallF1Handler(QApplication* app);

// The one viewer window: nullptr until help is first shown, then always the same window.
QWidget* Viewer();

} // namespace Help
