#pragma once
// Creates every window of the program once, in the fixed start-up order; they
// are hidden, never destroyed, until the program ends.

class TfrmKalmo3;
class TfrmFlow_air;
class TfrmFlow_water;
class TfrmPara;
class TfrmDobor;
class TfrmDoborPara;
class TfrmDoborWater;
class TfrmMoc;
class TfrmDoborAir;
class TfrmDoborMix;
class TfrmWymiennik;
class TfrmPara_woda;
class TfrmEkspansja;
class TfrmKoniec;
class TfrmOprogramie;
class TfrmOpcje;
class TfrmWybor_zaworu;

struct KalmoWindows {
    TfrmKalmo3* frmKalmo3 = nullptr;
    TfrmFlow_air* frmFlow_air = nullptr;
    TfrmWybor_zaworu* frmWybor_zaworu = nullptr;
    TfrmFlow_water* frmFlow_water = nullptr;
    TfrmPara* frmPara = nullptr;
    TfrmKoniec* frmKoniec = nullptr;
    TfrmOprogramie* frmOprogramie = nullptr;
    TfrmDoborPara* frmDoborPara = nullptr;
    TfrmDobor* frmDobor = nullptr;
    TfrmMoc* frmMoc = nullptr;
    TfrmDoborAir* frmDoborAir = nullptr;
    TfrmDoborMix* frmDoborMix = nullptr;
    TfrmDoborWater* frmDoborWater = nullptr;
    TfrmWymiennik* frmWymiennik = nullptr;
    TfrmPara_woda* frmPara_woda = nullptr;
    TfrmEkspansja* frmEkspansja = nullptr;
    TfrmOpcje* frmOpcje = nullptr;
};

// The main window is created first and owns all the others.
KalmoWindows CreateWindows();
