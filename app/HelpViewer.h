#pragma once
#include <QObject>
class QApplication;
class QWidget;
namespace Help {
void ShowContents();
void ShowTopic(int context);
void SetHelpContext(QObject* widgetOrAction, int context);
int HelpContextOf(QObject* widgetOrAction);
void InstallF1Handler(QApplication* app);
QWidget* Viewer();
} // namespace Help
