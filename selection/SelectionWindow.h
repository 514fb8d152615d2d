#pragma once
// The frame of the selection windows ("Dobór"): the group "Dane" with the
// window's own input rows and, inside it, the group "Wybrany typ zaworu
// bezpieczeństwa" with the valve type (Edit11), the set pressure (Edit6) and
// "Wybór zaworu" (Button3), which runs the valve type dialog; the group
// "Wyniki obliczeń" with the size (Edit2), the flow diameter (Edit7) and the
// window's result (Edit10); and the buttons "Oblicz" (Button1), "Wydruk"
// (Button4) and "Anuluj" (Button2).
//
// A window derived from it builds its form in this order: its input rows
// (AddDataRow), AddValveTypeGroup, AddResultsGroup, AddButtons; then it sets
// its tab order, help context numbers and change handlers. Its Button1Click
// reads the fields into its record and calls the core's "Oblicz"; its
// Button4Click builds the report of its last selection and calls Print.

#include "app/CalcWindow.h"
#include "report/Report.h"
#include "selection/Selection.h"
#include "valves/Dobor_zaworu.h"

#include <QPointer>

class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

class SelectionWindow : public CalcWindow {
    Q_OBJECT
public:
    // The valve type dialog that "Wybór zaworu" runs.
    void SetValveTypeDialog(TfrmDobor* dialog) { valveTypeDialog_ = dialog; }
    TfrmDobor* ValveTypeDialog() const { return valveTypeDialog_; }
    // The fields the dialog fills on "OK" (the type into Edit11, the set
    // pressure into Edit6), to be registered with TfrmDobor::AddWindow under
    // the window's selection flag.
    SelectionValveFields ValveTypeFields() const { return {Edit11, Edit6}; }

    virtual void Button1Click() = 0; // "Oblicz"
    virtual void Button4Click() = 0; // "Wydruk" / "Utwórz PDF"
    void Button2Click();             // "Anuluj": hides the window
    void Button3Click();             // "Wybór zaworu": the valve type dialog, modal

protected:
    // `activeFlag` is the window's selection flag; `helpContext` the window's
    // help context number (0 = none).
    SelectionWindow(QWidget* mainWindow, const QString& name, const QString& caption,
                    bool* activeFlag, int helpContext);

    // A row of the group "Dane": label, field and unit ("[kg/h]", or none).
    // The labels are named "Label" and "Unit" followed by the field's name.
    struct RowLabels {
        QLabel* label;
        QLabel* unit; // nullptr without a unit
    };
    RowLabels AddDataRow(const QString& label, QLineEdit* field, const QString& unit = {});
    // A control across the whole width of "Dane" (a radio group, say).
    void AddDataWidget(QWidget* widget);
    // The group "Wybrany typ zaworu bezpieczeństwa" below the rows of "Dane".
    // The set pressure is either filled only by the dialog (read-only, no tab
    // stop) or may also be typed.
    void AddValveTypeGroup(bool setPressureEditable);
    // The group "Wyniki obliczeń": "Wielkość :", "Średnica :" [mm], and the
    // window's result with its label and unit.
    void AddResultsGroup(const QString& resultLabel, const QString& resultUnit);
    // "Oblicz", "Wydruk" and "Anuluj" with their help context numbers 22, 23, 30.
    void AddButtons();

    // A read-only field without a tab stop.
    static void MakeDisplayOnly(QLineEdit* field);

    // The results of "Oblicz" in the result format (size, d [mm], result).
    void ShowFound(const QString& size, double flowDiameter, double result);
    // The results of the record when the window is shown: fixed-point, 1 decimal.
    void ShowRecordResults(const QString& size, double flowDiameter, double result);
    // What a new set pressure or valve type shows: no size, "0.0" for d and result.
    void ZeroResults();

    // p1 = p × (b1/100 + 1) [bar gauge] from the texts of Edit6 and the
    // overpressure field, into the record's p, b1 and p1, and shown in Edit8
    // with two decimals.
    void RecomputeRelievingPressure(const QLineEdit* overpressureField, QLineEdit* relievingField,
                                    double& setPressure, double& overpressure,
                                    double& relievingPressure);

    // The refusal's warning box.
    void Warn(const Selection::Refusal& refusal);
    // The report in the current print mode, or the refusal's warning box.
    void Print(const Selection::Outcome<Report::Content>& report);

    QLineEdit* Edit11 = nullptr; // valve type
    QLineEdit* Edit6 = nullptr;  // set pressure p [bar gauge]
    QLineEdit* Edit2 = nullptr;  // size of the selected valve
    QLineEdit* Edit7 = nullptr;  // its flow diameter d [mm]
    QLineEdit* Edit10 = nullptr; // the window's result
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button3 = nullptr;
    QPushButton* Button4 = nullptr;

private:
    static QLabel* Label(const QString& text, const QString& name, QWidget* parent);
    // The labels of all groups take one width, so that the fields line up.
    void AlignLabelColumns();

    QPointer<TfrmDobor> valveTypeDialog_;
    QVBoxLayout* dataLayout_ = nullptr;
    QGroupBox* dataGroup_ = nullptr;
    QGridLayout* dataRows_ = nullptr;
    QGridLayout* typeRows_ = nullptr;
    QGridLayout* resultRows_ = nullptr;
    QVBoxLayout* layout_ = nullptr;
};
