#include "app/Startup.h"

#include "app/Kalmo3.h"
#include "app/Koniec.h"
#include "app/Opcje.h"
#include "app/Oprogramie.h"
#include "capacity/Flow_air.h"
#include "capacity/Flow_steam.h"
#include "capacity/Flow_water.h"
#include "data/Dane.h"
#include "selection/Dobor_air.h"
#include "selection/Dobor_mix.h"
#include "selection/Dobor_steam.h"
#include "selection/Dobor_water.h"
#include "selection/Ekspansja.h"
#include "selection/Moc.h"
#include "selection/Para_woda.h"
#include "selection/Wymiennik.h"
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
    w.frmMoc = new TfrmMoc(w.frmKalmo3);
    w.frmDoborAir = new TfrmDoborAir(w.frmKalmo3);
    w.frmDoborWater = new TfrmDoborWater(w.frmKalmo3);
    w.frmDoborMix = new TfrmDoborMix(w.frmKalmo3);
    w.frmWymiennik = new TfrmWymiennik(w.frmKalmo3);
    w.frmPara_woda = new TfrmPara_woda(w.frmKalmo3);
    w.frmEkspansja = new TfrmEkspansja(w.frmKalmo3);
    w.frmOpcje = new TfrmOpcje(w.frmKalmo3);
    w.frmKalmo3->SetDialogs(w.frmOpcje, w.frmKoniec, w.frmOprogramie);

    // "Wybór zaworu" of a capacity window opens the valve choice dialog, which
    // fills the capacity window activated last.
    w.frmFlow_air->SetValveDialog(w.frmWybor_zaworu);
    w.frmFlow_water->SetValveDialog(w.frmWybor_zaworu);
    w.frmPara->SetValveDialog(w.frmWybor_zaworu);
    w.frmWybor_zaworu->AddLazyWindow(&Dane::AirCapacityActive,
                                     [window = w.frmFlow_air] { return window->ValveFields(); });
    w.frmWybor_zaworu->AddLazyWindow(&Dane::WaterCapacityActive,
                                     [window = w.frmFlow_water] { return window->ValveFields(); });
    w.frmWybor_zaworu->AddLazyWindow(&Dane::SteamCapacityActive,
                                     [window = w.frmPara] { return window->ValveFields(); });
    w.frmKalmo3->SetWindow(TfrmKalmo3::Target::FlowAir, w.frmFlow_air);
    w.frmKalmo3->SetWindow(TfrmKalmo3::Target::FlowWater, w.frmFlow_water);
    w.frmKalmo3->SetWindow(TfrmKalmo3::Target::FlowSteam, w.frmPara);

    // "Wybór zaworu" of a selection window opens the valve type dialog, which
    // fills the selection window activated last; the menu item opens the window.
    const auto selection = [&w](SelectionWindow* window, bool* flag, TfrmKalmo3::Target target) {
        window->SetValveTypeDialog(w.frmDobor);
        w.frmDobor->AddLazyWindow(flag, [window] { return window->ValveTypeFields(); });
        w.frmKalmo3->SetWindow(target, window);
    };
    using Target = TfrmKalmo3::Target;
    selection(w.frmDoborPara, &Dane::SteamSelectionActive, Target::DoborPara);
    selection(w.frmDoborWater, &Dane::WaterSelectionActive, Target::DoborWater);
    selection(w.frmMoc, &Dane::PowerSelectionActive, Target::Moc);
    selection(w.frmDoborAir, &Dane::AirSelectionActive, Target::DoborAir);
    selection(w.frmDoborMix, &Dane::MixSelectionActive, Target::DoborMix);
    selection(w.frmWymiennik, &Dane::ExchangerSelectionActive, Target::Wymiennik);
    selection(w.frmPara_woda, &Dane::SteamWaterSelectionActive, Target::ParaWoda);
    selection(w.frmEkspansja, &Dane::ExpansionSelectionActive, Target::Ekspansja);
    return w;
}
