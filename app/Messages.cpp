#include "app/Messages.h"

#include <QDialog>
#include <QMessageBox>

namespace Messages {

namespace {
WarningHandler& warningHandler() {
    static WarningHandler handler;
    return handler;
}
ModalHandler& modalHandler() {
    static ModalHandler handler;
    return handler;
}
} // namespace

QString Caution() {
    return QStringLiteral("Uwaga!");
}

void Warning(QWidget* parent, const QString& text, const QString& caption) {
    if (warningHandler()) {
        warningHandler()(parent, text, caption);
        return;
    }
    // Messages break their lines with a carriage return.
    QString shown = text;
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QMessageBox box(QMessageBox::Warning, caption, shown, QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("WarningBox"));
    // A message may repeat what a file held (a valve type): shown, never read as markup.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

int ExecModal(QDialog* dialog, QWidget* opener) {
    if (opener) {
        QWidget* owner = opener->window();
        if (dialog->parentWidget() != owner)
            dialog->setParent(owner, dialog->windowFlags());
        dialog->setWindowModality(Qt::WindowModal);
    }
    if (modalHandler())
        return modalHandler()(dialog);
    return dialog->exec();
}

void SetWarningHandler(WarningHandler handler) {
    warningHandler() = std::move(handler);
}
void SetModalHandler(ModalHandler handler) {
    modalHandler() = std::move(handler);
}

} // namespace Messages
