#include "app/Startup.h"

#include "app/Kalmo3.h"
#include "app/Koniec.h"
#include "app/Opcje.h"
#include "app/Oprogramie.h"
#include "capacity/Flow_air.h"
#include "capacity/Flow_steam.h"
#include "capacity/Flow_water.h"
#include "data/Dane.h"
#include "selection/Dobor_steam.h"
#include "selection/Dobor_water.h"
#include "valves/Dobor_zaworu.h"
#include "valves/Wybor_zaworu.h"

KalmoWindows CreateWindows() {
    KalmoWindows w;
    w.frmKalmo3 = new TfrmKalmo3;
    w.frmFlow_air = new TfrmFlow_air(w.frmKalmo3);
    w.frmWybor_zaworu = new TfrmWybor_zaworu(w.frmKalmo3);
    w.frmFlow_water = new TfrmFlow_water(w.frmKalmo3);
    w.frmPara = new TfrmPara(w.frmKalmo3);
    w.frmKoniec = new TfrmKoniec(w.frmKalmo3);
    w.frmOprogramie = new TfrmOprogramie(w.frmKalmo3);
    w.frmDoborPara = new TfrmDoborPara(w.frmKalmo3);
    w.frmDobor = new TfrmDobor(w.frmKalmo3);
    // TfrmMoc and TfrmDoborAir come here.
    w.frmDoborWater = new TfrmDoborWater(w.frmKalmo3);
    // TfrmDoborMix, TfrmWymiennik, TfrmPara_woda and TfrmEkspansja come here.
    w.frmOpcje = new TfrmOpcje(w.frmKalmo3);
    w.frmKalmo3->SetDialogs(w.frmOpcje, w.frmKoniec, w.frmOprogramie);

    // "Wybór zaworu" of a capacity window opens the valve choice dialog, which
    // fills the capacity window activated last.
    w.frmFlow_air->SetValveDialog(w.frmWybor_zaworu);
    w.frmFlow_water->SetValveDialog(w.frmWybor_zaworu);
    w.frmPara->SetValveDialog(w.frmWybor_zaworu);
    w.frmWybor_zaworu->AddWindow(&Dane::AirCapacityActive, w.frmFlow_air->ValveFields());
    w.frmWybor_zaworu->AddWindow(&Dane::WaterCapacityActive, w.frmFlow_water->ValveFields());
    w.frmWybor_zaworu->AddWindow(&Dane::SteamCapacityActive, w.frmPara->ValveFields());
    w.frmKalmo3->SetWindow(TfrmKalmo3::Target::FlowAir, w.frmFlow_air);
    w.frmKalmo3->SetWindow(TfrmKalmo3::Target::FlowWater, w.frmFlow_water);
    w.frmKalmo3->SetWindow(TfrmKalmo3::Target::FlowSteam, w.frmPara);

    // "Wybór zaworu" of a selection window opens the valve type dialog, which
    // fills the selection window activated last.
    w.frmDoborPara->SetValveTypeDialog(w.frmDobor);
    w.frmDoborWater->SetValveTypeDialog(w.frmDobor);
    w.frmDobor->AddWindow(&Dane::SteamSelectionActive, w.frmDoborPara->ValveTypeFields());
    w.frmDobor->AddWindow(&Dane::WaterSelectionActive, w.frmDoborWater->ValveTypeFields());
    w.frmKalmo3->SetWindow(TfrmKalmo3::Target::DoborPara, w.frmDoborPara);
    w.frmKalmo3->SetWindow(TfrmKalmo3::Target::DoborWater, w.frmDoborWater);
    return w;
}
