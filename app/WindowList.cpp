#include "app/WindowList.h"

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

#include <algorithm>

namespace WindowList {
namespace {

using Group = CalcWindow::Group;

// A dialog, created in its place among the windows.
template <class Dialog> Entry DialogEntry(const char* formName) {
    return {formName, &Create<Dialog>};
}

template <class Window>
Entry Calculation(const char* formName, bool* flag, Group group, int help, int menuPlace,
                  const char* text, const char* menuName, int fillPlace, int menuHelp = 0) {
    return {formName, &Create<Window>, flag,     group, menuPlace,
            text,     menuName,        menuHelp, help,  fillPlace};
}

} // namespace

const std::vector<Entry>& All() {
    static const std::vector<Entry> list = {
        Calculation<TfrmFlow_air>("frmFlow_air", &Dane::AirCapacityActive, Group::Capacity, 7, 0,
                                  "Powietrze", "Powietrze1", 0, 1),
        DialogEntry<TfrmWybor_zaworu>("frmWybor_zaworu"),
        Calculation<TfrmFlow_water>("frmFlow_water", &Dane::WaterCapacityActive, Group::Capacity, 9,
                                    2, "Woda", "Woda1", 1),
        Calculation<TfrmPara>("frmPara", &Dane::SteamCapacityActive, Group::Capacity, 2, 1,
                              "Para wodna nasycona", "Parawodna1", 2, 2),
        DialogEntry<TfrmKoniec>("frmKoniec"),
        DialogEntry<TfrmOprogramie>("frmOprogramie"),
        Calculation<TfrmDoborPara>("frmDoborPara", &Dane::SteamSelectionActive, Group::Selection,
                                   11, 0, "Para wodna nasycona", "Parawodna2", 2),
        DialogEntry<TfrmDobor>("frmDobor"),
        Calculation<TfrmMoc>("frmMoc", &Dane::PowerSelectionActive, Group::Selection, 0, 1,
                             "Moc (para)", "Moc1", 3),
        Calculation<TfrmDoborAir>("frmDoborAir", &Dane::AirSelectionActive, Group::Selection, 25, 5,
                                  "Powietrze", "Powietrze2", 0),
        Calculation<TfrmDoborWater>("frmDoborWater", &Dane::WaterSelectionActive, Group::Selection,
                                    26, 6, "Woda", "Woda2", 1),
        Calculation<TfrmDoborMix>("frmDoborMix", &Dane::MixSelectionActive, Group::Selection, 12, 2,
                                  "Moc (para + woda)", "Mocparawoda1", 4),
        Calculation<TfrmWymiennik>("frmWymiennik", &Dane::ExchangerSelectionActive,
                                   Group::Selection, 0, 3, "Wymiennik woda-woda (PN-B-02414)",
                                   "Wymiennik1", 5),
        Calculation<TfrmPara_woda>("frmPara_woda", &Dane::SteamWaterSelectionActive,
                                   Group::Selection, 0, 4, "Wymiennik (para-woda)",
                                   "Wymiennikparalubwoda1", 6),
        Calculation<TfrmEkspansja>("frmEkspansja", &Dane::ExpansionSelectionActive,
                                   Group::Selection, 27, 7, "Rozszerzalność cieplna wody",
                                   "Rozszerzalnocieplnawody1", 7),
        DialogEntry<TfrmOpcje>("frmOpcje"),
    };
    return list;
}

namespace {

// The calculation windows of a group ordered by one of their places.
std::vector<const Entry*> OrderedBy(Group group, int Entry::*place) {
    std::vector<const Entry*> entries;
    for (const Entry& e : All())
        if (e.IsCalculation() && e.group == group)
            entries.push_back(&e);
    std::sort(entries.begin(), entries.end(),
              [place](const Entry* a, const Entry* b) { return a->*place < b->*place; });
    return entries;
}

} // namespace

std::vector<const Entry*> MenuItems(Group group) {
    return OrderedBy(group, &Entry::menuPlace);
}

std::vector<bool*> FillOrder(Group group) {
    std::vector<bool*> flags;
    for (const Entry* e : OrderedBy(group, &Entry::fillPlace))
        flags.push_back(e->activeFlag);
    return flags;
}

const Entry& OfCreator(QWidget* (*create)(QWidget*)) {
    for (const Entry& e : All())
        if (e.create == create)
            return e;
    qFatal("a window that is not in the list of windows");
}

const Entry* OfFlag(const bool* activeFlag) {
    for (const Entry& e : All())
        if (activeFlag && e.activeFlag == activeFlag)
            return &e;
    return nullptr;
}

} // namespace WindowList
