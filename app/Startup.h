#pragma once
// Creates every window of the program once, in the fixed start-up order; they
// are hidden, never destroyed, until the program ends.

class TfrmKalmo3;
class TfrmKoniec;
class TfrmOprogramie;
class TfrmOpcje;

struct KalmoWindows {
    TfrmKalmo3* frmKalmo3 = nullptr;
    TfrmKoniec* frmKoniec = nullptr;
    TfrmOprogramie* frmOprogramie = nullptr;
    TfrmOpcje* frmOpcje = nullptr;
};

// The main window is created first and owns all the others.
KalmoWindows CreateWindows();
