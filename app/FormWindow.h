#pragma once
// What every calculation window's form shares on top of the window
// conventions: the group "Dane" with the window's input rows and the group of
// its valve, the group "Wyniki obliczeń" with the result rows, the buttons
// "Oblicz", the print button, "Anuluj" and "Wybór zaworu" (which runs the
// window's choice dialog, modal), and the warning box of a refusal. The form
// is built from the record's field table when the window is first needed
// (RecordWindow); its look follows the window's kind:
//  - a capacity window ("Przepustowość") shows the chosen valve in "Wybrany
//    zawór bezpieczeństwa", a group inside "Dane" at the place of the valve's
//    first field, with "Wybór zaworu" at its top right; its valve and result
//    fields take the focus by Tab;
//  - a selection window ("Dobór") shows the valve type and set pressure in
//    "Wybrany typ zaworu bezpieczeństwa" below the rows of "Dane"; its type
//    and result fields are only shown; "Wszystkie rozmiary…" in its results
//    opens the table of every size its last walk looked at.

#include "app/CalcWindow.h"
#include "app/SizesWindow.h"
#include "calc/Outcome.h"
#include "report/Report.h"
#include "valves/ValveFields.h"

#include <QDialog>
#include <QPointer>

#include <optional>
#include <vector>

class QButtonGroup;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QVBoxLayout;

// The form names of a window's buttons: "Oblicz", the print button, "Anuluj"
// and "Wybór zaworu".
struct ButtonNames {
    const char* compute = "Button1";
    const char* print = "Button4";
    const char* cancel = "Button2";
    const char* choose = "Button3";
};

// The captions of a window's groups. Most windows write them without blanks
// around; some between blanks (Framed), one mixes the two.
struct GroupTitles {
    QString data = QStringLiteral("Dane");
    QString valve = QStringLiteral("Wybrany typ zaworu bezpieczeństwa");
    QString results = QStringLiteral("Wyniki obliczeń");
    QString exchanger = QStringLiteral("Dane wymiennika"); // the exchanger windows' own group
    // Every caption with a blank before and after it (" Dane ").
    static GroupTitles Framed();
    // Those of a capacity window, whose valve group holds the chosen valve.
    static GroupTitles OfCapacity();
};

class FormWindow : public CalcWindow {
    Q_OBJECT
public:
    // The choice dialog that "Wybór zaworu" runs: the valve choice dialog of
    // a capacity window, the valve type dialog of a selection window.
    void SetChoiceDialog(QDialog* dialog) { choiceDialog_ = dialog; }
    QDialog* ChoiceDialog() const { return choiceDialog_; }
    // The fields the choice dialog fills on "OK", built if they are not yet.
    virtual CapacityValveFields ValveFields() = 0;
    virtual SelectionValveFields ValveTypeFields() = 0;

    virtual void Button1Click() = 0; // "Oblicz"
    void Button4Click();             // "Wydruk" / "Utwórz PDF": the last report
    void Button2Click();             // "Anuluj": hides the window
    void Button3Click();             // "Wybór zaworu": the choice dialog, modal
    void AllSizesClick();            // "Wszystkie rozmiary…": the table of the last walk

    // The table of the last walk, once "Wszystkie rozmiary…" has opened it.
    SizesWindow* SizesShown() const { return sizesWindow_; }

protected:
    // `activeFlag` is the window's own active flag; `helpContext` the
    // window's help context number (0 = none).
    FormWindow(QWidget* mainWindow, const QString& name, const QString& caption, Group group,
               bool* activeFlag, int helpContext, ButtonNames buttons = ButtonNames());

    // One row of a group: label, field and unit ("[kg/h]", or none), with the
    // field's help context number and hint. The labels are named "Label" and
    // "Unit" followed by the field's name.
    struct Row {
        QLineEdit* field;
        QString label;
        QString unit;
        int help = 0;
        QString hint;
    };
    // The captions of the groups, when they are not the usual ones: given
    // before the form is built.
    void SetGroupTitles(const GroupTitles& titles) { titles_ = titles; }
    const GroupTitles& Titles() const { return titles_; }

    // A row of the group "Dane".
    void AddDataRow(const Row& row);
    // A control across the whole width of "Dane" (a radio group, say).
    void AddDataWidget(QWidget* widget);
    // The rows and controls added from here on go into a group of their own,
    // `title`, inside "Dane".
    void BeginDataGroup(const QString& title, const QString& name);
    // A radio group "RadioGroup1" across "Dane" with its items
    // "RadioGroup1Item0", …, the first checked; the items' ids are their places.
    QButtonGroup* AddRadioGroup(const QString& title, const QStringList& items, int helpContext);
    // A spin edit "SpinEdit1" from `min` to `max` below the set pressure, in the
    // group of the valve type.
    QSpinBox* AddValveTypeSpin(const QString& label, int min, int max, int helpContext);
    // The same as a row of "Dane", with its unit.
    QSpinBox* AddDataSpin(const QString& label, const QString& unit, int min, int max,
                          int helpContext);
    // Enables or disables a field with its label and unit.
    void EnableRow(QWidget* field, bool enabled);

    // A row of the chosen valve (a capacity window), in "Wybrany zawór
    // bezpieczeństwa", which the first of them opens inside "Dane"; a text
    // (type, size) is `characters` wide and reaches over the unit column.
    void AddValveRow(const Row& row, int characters = 0);
    // The group "Wybrany typ zaworu bezpieczeństwa" below the rows of "Dane" (a
    // selection window). The set pressure is either filled only by the dialog
    // (read-only, no tab stop) or may also be typed.
    void AddValveTypeGroup(QLineEdit* type, QLineEdit* setPressure, bool setPressureEditable);
    // The group "Wyniki obliczeń" with its read-only rows; `numeric` tells
    // which of them show numbers (right-aligned). A selection window's group
    // also holds "Wszystkie rozmiary…", beside the size, where the row has no
    // unit (else at the end of the last row).
    void AddResultsGroup(const std::vector<Row>& rows, const std::vector<bool>& numeric);
    // The three buttons, and "Wybór zaworu" placed in the group of a capacity
    // window's valve.
    void AddButtons();
    // The focus order: the fields, then "Wybór zaworu" (unless the fields hold
    // it already), "Wszystkie rozmiary…" of a selection window, "Oblicz", the
    // print button and "Anuluj".
    void ChainTabOrder(std::vector<QWidget*> fields, bool thenValveButton = true);

    // A read-only field without a tab stop.
    static void MakeDisplayOnly(QLineEdit* field);
    // A read-only numeric field the window computes (p1).
    NumEdit* NewDerived(const QString& name);
    // A field of the valve or results groups, placed by them.
    QLineEdit* NewField(const QString& name);
    // The hidden stand-in for a field the window looked for and does not have.
    QLineEdit* MissingField() const;

    // The results of a new set pressure or valve type: texts empty, numbers "0.0".
    void ZeroResults();
    // Empties the found valve's results and keeps the required flow, the first.
    void ClearValveResults();

    // After an "Oblicz": every size of its walk, for "Wszystkie rozmiary…",
    // which it enables when the walk read the data file; an open table shows
    // them. Nothing (an "Oblicz" refused before its walk) disables it.
    void SetSizes(std::optional<Cli::Sizes> sizes);

    // The refusal's warning box.
    void Warn(const Calc::Refusal& refusal);
    // The report in the current print mode, or the refusal's warning box.
    void Print(const Calc::Outcome<Report::Content>& report);

    bool IsCapacity() const { return Kind() == Group::Capacity; }

    QLineEdit* typeField_ = nullptr;        // the valve type
    QLineEdit* setPressureField_ = nullptr; // the set pressure p [bar gauge]
    std::vector<QLineEdit*> resultFields_;
    std::vector<bool> numericResults_;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button3 = nullptr;
    QPushButton* Button4 = nullptr;
    QPushButton* ButtonAllSizes = nullptr;

private:
    QLabel* Label(const QString& text, const QString& name, QWidget* parent) const;
    // A field `chars` digits wide in the window's font.
    int CharsWide(const QWidget* field, int chars) const;
    void PlaceRow(QGridLayout* grid, const Row& row, int span = 1);
    QSpinBox* AddSpin(QGridLayout* rows, const QString& label, const QString& unit, int min,
                      int max, int helpContext);
    // The labels of all groups take one width, so that the fields line up.
    void AlignLabelColumns();
    void EnsureFrame();

    ButtonNames names_;
    GroupTitles titles_;
    QPointer<QDialog> choiceDialog_;
    QVBoxLayout* layout_ = nullptr;
    QGroupBox* dataGroup_ = nullptr;
    QVBoxLayout* dataLayout_ = nullptr;
    QGridLayout* dataRows_ = nullptr;
    QGridLayout* outerRows_ = nullptr;    // the rows of "Dane" itself
    std::vector<QGridLayout*> innerRows_; // the rows of the groups inside "Dane"
    QGroupBox* valveGroup_ = nullptr;
    QGridLayout* valveRows_ = nullptr;
    QGridLayout* resultRows_ = nullptr;
    std::optional<Cli::Sizes> sizes_;
    QPointer<SizesWindow> sizesWindow_;
};
