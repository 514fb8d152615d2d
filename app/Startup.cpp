#include "app/Startup.h"

#include "app/Kalmo3.h"
#include "app/Koniec.h"
#include "app/Opcje.h"
#include "app/Oprogramie.h"
#include "valves/Dobor_zaworu.h"
#include "valves/Wybor_zaworu.h"

KalmoWindows CreateWindows() {
    KalmoWindows w;
    w.frmKalmo3 = new TfrmKalmo3;
    // TfrmFlow_air comes here, before the valve choice dialog.
    w.frmWybor_zaworu = new TfrmWybor_zaworu(w.frmKalmo3);
    // TfrmFlow_water and TfrmPara come here.
    w.frmKoniec = new TfrmKoniec(w.frmKalmo3);
    w.frmOprogramie = new TfrmOprogramie(w.frmKalmo3);
    // TfrmDoborPara comes here, before the valve type choice dialog.
    w.frmDobor = new TfrmDobor(w.frmKalmo3);
    // TfrmMoc, TfrmDoborAir, TfrmDoborWater, TfrmDoborMix, TfrmWymiennik,
    // TfrmPara_woda and TfrmEkspansja come here.
    w.frmOpcje = new TfrmOpcje(w.frmKalmo3);
    w.frmKalmo3->SetDialogs(w.frmOpcje, w.frmKoniec, w.frmOprogramie);
    return w;
}
