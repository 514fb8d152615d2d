#pragma once
// Creates every window of the program once, in the fixed start-up order; they
// are hidden, never destroyed, until the program ends.

class TfrmKalmo3;
class TfrmDobor;
class TfrmKoniec;
class TfrmOprogramie;
class TfrmOpcje;
class TfrmWybor_zaworu;

struct KalmoWindows {
    TfrmKalmo3* frmKalmo3 = nullptr;
    TfrmWybor_zaworu* frmWybor_zaworu = nullptr;
    TfrmKoniec* frmKoniec = nullptr;
    TfrmOprogramie* frmOprogramie = nullptr;
    TfrmDobor* frmDobor = nullptr;
    TfrmOpcje* frmOpcje = nullptr;
};

// The main window is created first and owns all the others.
KalmoWindows CreateWindows();
