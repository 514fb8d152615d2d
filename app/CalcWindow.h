#pragma once
// What every calculation window shares: the frame, activation and closing, the
// numeric fields with their exit checks, the results that a change clears, the
// print-button caption and the scaling of report lengths.

#include "calc/Outcome.h"
#include "data/FieldTable.h"
#include "report/Report.h"

#include <QByteArray>
#include <QString>
#include <QWidget>

#include <optional>
#include <vector>

class CalcWindow;
class NumEdit;
namespace Cli::CaseFile {
struct Saved;
}
class QLineEdit;
class QPushButton;

// The main window's menus that open calculation windows ("Przepustowość" and
// "Dobór"): locked exactly while one of its calculation windows is shown. A
// window asks for the state to be decided again whenever it is shown or
// hidden; the state follows from what is shown, never from the order in
// which the window manager delivers these events.
//
// It also keeps the calculation window activated last while it is shown:
// what the "Plik" menu does with "the current calculation" (the print
// preview) works on that window.
class CalculationMenus {
public:
    virtual ~CalculationMenus() = default;
    virtual void UpdateCalculationMenus() = 0;
    virtual void CalculationActivated(CalcWindow* /*window*/) {}
};

class CalcWindow : public QWidget {
    Q_OBJECT
public:
    enum class Group { Capacity, Selection };

    // `activeFlag` is this window's own flag among the active-window flags of its group.
    CalcWindow(QWidget* mainWindow, const QString& name, const QString& caption, Group group,
               bool* activeFlag);

    // An allowed range of a field, checked on exit after the number check.
    using Range = Fields::Range;

    // Converts `text` into `target` with the decimal conversion, recording the
    // result code in the shared ValCode (nothing tests it).
    static void TakeValue(const QString& text, double& target);

    // p1 = p × (1 + b1/100) [bar gauge] from the texts of a set-pressure and an
    // overpressure field, through the shared scratch values; returns p1.
    static double ScratchRelievingPressure(const QString& setPressureText,
                                           const QString& overpressureText);

    // A length in tenths of a millimetre in pixels of this window's screen.
    int Scale(double tenthsOfMm) const;

    // "Utwórz PDF" in print mode 2, otherwise "Wydruk".
    static QString PrintCaption(int printMode);

    // The window's controls are built when it is first shown or first filled by
    // a choice dialog, not at start; this builds them now if they are not yet.
    void EnsureBuilt();
    bool IsBuilt() const { return built_; }
    // "Przepustowość" or "Dobór": the menu, the choice dialog and the flags of its kind.
    Group Kind() const { return group_; }

    // The report of the window's last successful calculation, as its print
    // button prints it, or why there is none.
    virtual Calc::Outcome<Report::Content> LastReport() const;

    // The window's case as a calculation file: what the window shows, as
    // "Oblicz" reads it, and its kept calculation; nothing after the message
    // of a field that holds no number.
    virtual std::optional<QByteArray> CaseFileText() { return std::nullopt; }
    // Shows the window filled with a calculation file's case and computes its
    // kept calculation again; what the user is to be told (the results differ,
    // or the case is refused today), empty when the results hold.
    virtual QString OpenCase(const Cli::CaseFile::Saved&) { return {}; }
    void setVisible(bool visible) override;

protected:
    // Builds the window's controls, once.
    virtual void Build() {}
    // Fills the fields from the record: inputs first, results last.
    virtual void FormShow() {}
    // Runs after the activation steps common to all windows.
    virtual void FormActivate();

    // An editable numeric field with its invalid-value message and optional
    // range; with `emptyOutOfRange`, an empty text reads 0 for the range check.
    NumEdit* AddNumericField(const QString& name, const QString& invalidMessage,
                             std::optional<Range> range = std::nullopt,
                             bool emptyOutOfRange = false);
    // Exit check of one field; shows its messages, puts the focus back and
    // returns false when the text is not acceptable. An empty text passes,
    // unless its field checks it against its range.
    bool ExitCheck(NumEdit* field);
    // Before a computation: the first registered field whose text is not a
    // number shows its invalid-value message and takes the focus; false then.
    bool AllFieldsAreNumbers();

    // Result fields that every input change empties.
    void SetResultFields(std::vector<QLineEdit*> fields) { results_ = std::move(fields); }
    void ClearResults();

    void SetPrintButton(QPushButton* button) { printButton_ = button; }
    // The field that has the focus when the window is shown: the first of its form.
    void SetFirstField(QWidget* field) { firstField_ = field; }

    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool event(QEvent* event) override;

private:
    struct Field {
        NumEdit* edit;
        QString invalidMessage;
        std::optional<Range> range;
        bool emptyOutOfRange;
    };
    const Field* FieldOf(const NumEdit* edit) const;
    void SetActiveFlag();
    void UpdateMenus() const;
    void TellActivated();

    Group group_;
    bool* activeFlag_;
    std::vector<Field> fields_;
    std::vector<QLineEdit*> results_;
    QPushButton* printButton_ = nullptr;
    QWidget* firstField_ = nullptr;
    bool checking_ = false;
    bool built_ = false;
};
