#pragma once
// Options: the print mode used by every report.

#include <QDialog>

class QButtonGroup;
class QGroupBox;

class TfrmOpcje : public QDialog {
    Q_OBJECT
public:
    explicit TfrmOpcje(QWidget* parent = nullptr);

    void Button1Click(); // "OK"
    void Button2Click(); // "Anuluj"

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormActivate();

    QGroupBox* RadioGroup1;
    QButtonGroup* items_;
};
