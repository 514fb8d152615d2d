#pragma once
// The single-line numeric field of the calculation windows. Whatever way text
// enters it (typing, paste from the keyboard or the context menu, drag and drop,
// input methods) only the digits 0-9 and the point get in, and a comma becomes a
// point. Of the other keys only Backspace, End, Home, Left, Right, F1 and Delete
// reach the field.

#include <QLineEdit>
#include <QValidator>

// Rewrites any text the field is about to take: a comma becomes a point, and
// every character other than a digit or a point is dropped. Leading blanks are
// kept, because the windows fill their fields with right-aligned fixed-point
// texts such as " 0.0".
class NumericTextFilter : public QValidator {
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;
};

class NumEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit NumEdit(const QString& name, QWidget* parent = nullptr);

signals:
    // The focus moved to another control of the same window (not a window
    // switch or a popup): the moment to validate the text.
    void exited();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};
