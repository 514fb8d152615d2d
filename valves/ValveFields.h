#pragma once
// How a choice dialog reaches a calculation window: the window names the fields
// that the dialog fills, and registers them with the dialog together with its own
// active-window flag. On "OK" the dialog fills the fields of every registered
// window whose flag is set. Since activating a window clears the other flags of
// its group, that is the window of the group activated last, the one that opened
// the dialog.
//
// The dialog writes the fields with setText, so the window's change handlers run
// as for any other change and clear its results. A field a window does not have
// stays nullptr and is skipped. The fields belong to the window; a window that is
// destroyed is no longer filled.

class QLineEdit;

// A capacity window's fields for the valve choice dialog (TfrmWybor_zaworu),
// written in the order of the members.
struct CapacityValveFields {
    QLineEdit* type = nullptr;          // Edit11: type text
    QLineEdit* size = nullptr;          // Edit12: size text with the inch sign
    QLineEdit* flowDiameter = nullptr;  // Edit5: d [mm] as the dialog shows it
    QLineEdit* setPressure = nullptr;   // Edit1: p [bar gauge], list text or empty
    QLineEdit* alphaGas = nullptr;      // Edit6 of the air and steam windows
    QLineEdit* alphaLiquid10 = nullptr; // Edit6 of the water window
    QLineEdit* alphaLiquid25 = nullptr; // Edit8 of the water window ("0.00" when none)
    // Last, p1 = p × (1 + b1/100) from the window's set pressure and overpressure.
    QLineEdit* overpressure = nullptr;      // Edit3: b1 [%], only read
    QLineEdit* relievingPressure = nullptr; // Edit4: p1 [bar gauge]
};

// A selection window's fields for the valve type choice dialog (TfrmDobor),
// written in the order of the members.
struct SelectionValveFields {
    QLineEdit* type = nullptr;        // Edit11 (Edit9 in TfrmPara_woda, Edit8 in TfrmEkspansja)
    QLineEdit* setPressure = nullptr; // Edit6 (Edit10 in TfrmPara_woda, Edit9 in TfrmEkspansja)
};
