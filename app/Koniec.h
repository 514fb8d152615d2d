#pragma once
// Confirms the end of the program: accepted by "Koniec", rejected by "Anuluj".

#include <QDialog>

class QLabel;

class TfrmKoniec : public QDialog {
    Q_OBJECT
public:
    explicit TfrmKoniec(QWidget* parent = nullptr);

    void Button1Click(); // "Koniec"
    void Button2Click(); // "Anuluj"

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLabel* Image1;
};
