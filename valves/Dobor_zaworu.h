#pragma once
// The valve type choice dialog of the selection windows: a valve type and a set
// pressure. The size is not chosen here; the selection window finds it in the
// type's valve data file. "OK" copies the choice into the selection window
// activated last. The dialog lives for the whole run and keeps its selections
// between showings.

#include "valves/ValveFields.h"

#include "app/LazyDialog.h"

#include <QDialog>
#include <QPointer>

#include <functional>
#include <vector>

class QLineEdit;
class QListWidget;

class TfrmDobor : public LazyDialog {
    Q_OBJECT
public:
    explicit TfrmDobor(QWidget* parent = nullptr);

    // A selection window that "OK" fills while its flag is set. `activeFlag` is
    // its selection flag (Dane::AirSelectionActive ... ExpansionSelectionActive);
    // any other flag is refused (false).
    bool AddWindow(bool* activeFlag, const SelectionValveFields& fields);
    // The same for a window that builds its fields when first needed: `fields`
    // is asked for them when "OK" first fills the window.
    bool AddLazyWindow(bool* activeFlag, std::function<SelectionValveFields()> fields);

    void ListBox_typClick();
    void Button1Click(); // "OK"
    void Button2Click(); // "Anuluj"

protected:
    void Build() override;
    void showEvent(QShowEvent* event) override;

private:
    struct Window {
        bool* activeFlag;
        std::function<SelectionValveFields()> provide; // until the fields are known
        QPointer<QLineEdit> type, setPressure;
    };

    QListWidget* ListBox_typ = nullptr;
    QListWidget* ListBox_Cisnienie = nullptr;
    std::vector<Window> windows_;
};
