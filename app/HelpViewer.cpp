#include "app/HelpViewer.h"
#include <QVariant>
namespace Help {
void ShowContents() {}
void ShowTopic(int) {}
void SetHelpContext(QObject* o, int context) {
    o->setProperty("HelpContext", context);
}
int HelpContextOf(QObject* o) {
    return o ? o->property("HelpContext").toInt() : 0;
}
void InstallF1Handler(QApplication*) {}
QWidget* Viewer() {
    return nullptr;
}
} // namespace Help
