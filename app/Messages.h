#pragma once
// The one way every window shows a warning box or runs a modal dialog. Tests
// install handlers here to capture the boxes and to answer the dialogs, so no
// test waits on a modal event loop.

#include <QString>

#include <functional>

class QDialog;
class QWidget;

namespace Messages {

// The usual caption of a warning box.
QString Caution(); // "Uwaga!"

// A modal warning box with the exclamation icon and an OK button.
void Warning(QWidget* parent, const QString& text, const QString& caption = Caution());

// Runs a dialog modally and returns its result (QDialog::Accepted / Rejected).
// A dialog a window opens (`opener`) belongs to that window: it is made a
// child window of it, so that window managers keep it above it, and it blocks
// only that window and the main window, so that the help window stays usable.
int ExecModal(QDialog* dialog, QWidget* opener = nullptr);

using WarningHandler =
    std::function<void(QWidget* parent, const QString& text, const QString& caption)>;
using ModalHandler = std::function<int(QDialog* dialog)>;

// Replace the default behaviour; an empty function restores it.
void SetWarningHandler(WarningHandler handler);
void SetModalHandler(ModalHandler handler);

} // namespace Messages
