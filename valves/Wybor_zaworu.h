#pragma once
// The valve choice dialog of the capacity windows: one valve of the fixed
// catalogue by type, size and set pressure, with its technical data. "OK" copies
// it into the capacity window activated last. The dialog lives for the whole run
// and keeps its lists, fields and coefficients between showings.

#include "valves/ValveFields.h"

#include "app/LazyDialog.h"

#include <QDialog>
#include <QPointer>

#include <functional>
#include <vector>

class QLineEdit;
class QListWidget;

class TfrmWybor_zaworu : public LazyDialog {
    Q_OBJECT
public:
    explicit TfrmWybor_zaworu(QWidget* parent = nullptr);

    // A capacity window that "OK" fills while its flag is set. `activeFlag` is
    // its capacity flag (Dane::AirCapacityActive, WaterCapacityActive or
    // SteamCapacityActive); any other flag is refused (false).
    bool AddWindow(bool* activeFlag, const CapacityValveFields& fields);
    // The same for a window that builds its fields when first needed: `fields`
    // is asked for them when "OK" first fills the window.
    bool AddLazyWindow(bool* activeFlag, std::function<CapacityValveFields()> fields);

    void ListBox_typClick();
    void ListBox_SizeClick();
    void ListBox_CisnienieClick();
    void Button1Click(); // "OK"
    void Button2Click(); // "Anuluj"

protected:
    void Build() override;
    void showEvent(QShowEvent* event) override;

private:
    struct Window {
        bool* activeFlag;
        std::function<CapacityValveFields()> provide; // until the fields are known
        QPointer<QLineEdit> type, size, flowDiameter, setPressure, alphaGas, alphaLiquid10,
            alphaLiquid25, overpressure, relievingPressure;
    };
    void Fill(Window& window, const QString& setPressure) const;
    void ClearCoefficients();

    QListWidget* ListBox_typ = nullptr;
    QListWidget* ListBox_Size = nullptr;
    QListWidget* ListBox_Cisnienie = nullptr;
    QLineEdit* Edit1 = nullptr; // d [mm]
    QLineEdit* Edit2 = nullptr; // A [mm²]
    QLineEdit* Edit3 = nullptr; // α for gases and steam
    QLineEdit* Edit4 = nullptr; // αc for liquids at b1 = 10 %
    QLineEdit* Edit5 = nullptr; // αc for liquids at b1 = 25 %, empty when not certified
    std::vector<Window> windows_;
};
