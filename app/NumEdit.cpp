#include "app/NumEdit.h"

#include <QFocusEvent>
#include <QKeyEvent>

namespace {

bool IsNumberCharacter(QChar c) {
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('.');
}

bool IsNavigationKey(int key) {
    switch (key) {
    case Qt::Key_Backspace:
    case Qt::Key_End:
    case Qt::Key_Home:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Delete:
        return true;
    default:
        return false;
    }
}

} // namespace

QValidator::State NumericTextFilter::validate(QString& input, int& pos) const {
    QString out;
    out.reserve(input.size());
    int newPos = pos;
    bool leading = true;
    for (int i = 0; i < input.size(); ++i) {
        QChar c = input[i];
        if (c == QLatin1Char(','))
            c = QLatin1Char('.');
        const bool keep = IsNumberCharacter(c) || (leading && c == QLatin1Char(' '));
        if (c != QLatin1Char(' '))
            leading = false;
        if (keep)
            out.append(c);
        else if (i < pos)
            --newPos;
    }
    input = out;
    pos = newPos;
    return Acceptable;
}

NumEdit::NumEdit(const QString& name, QWidget* parent) : QLineEdit(parent) {
    setObjectName(name);
    setValidator(new NumericTextFilter(this));
}

void NumEdit::keyPressEvent(QKeyEvent* event) {
    if (IsNavigationKey(event->key())) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    if (event->key() == Qt::Key_F1) {
        event->ignore(); // help is handled by the window
        return;
    }
    const QString text = event->text();
    if (text.size() == 1 && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        const QChar c = text[0] == QLatin1Char(',') ? QLatin1Char('.') : text[0];
        // insert() does not look at the read-only flag; a display field takes nothing.
        if (IsNumberCharacter(c) && !isReadOnly())
            insert(QString(c));
    }
    // Every other key and character is swallowed here.
    event->accept();
}

void NumEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason)
        emit exited();
}
