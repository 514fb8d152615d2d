#pragma once
// About the program: name, version, vendor, photograph and disclaimer. Shown at
// every start and from "Pomoc" > "O programie".

#include <QDialog>

class QLabel;
class QPlainTextEdit;

class TfrmOprogramie : public QDialog {
    Q_OBJECT
public:
    explicit TfrmOprogramie(QWidget* parent = nullptr);

    void Button1Click(); // "OK"

    // The disclaimer shown in the dialog's text box.
    static QString Disclaimer();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();

    QLabel* Label3;
    QLabel* Image1;
    QPlainTextEdit* Memo1;
};
