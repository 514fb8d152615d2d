#include "app/Startup.h"

#include "app/Koniec.h"
#include "app/Opcje.h"
#include "app/Oprogramie.h"
#include "app/WindowList.h"
#include "capacity/CapacityWindow.h"
#include "selection/SelectionWindow.h"
#include "valves/Dobor_zaworu.h"
#include "valves/Wybor_zaworu.h"

KalmoWindows CreateWindows() {
    KalmoWindows w{new TfrmKalmo3};
    for (const WindowList::Entry& entry : WindowList::All())
        entry.create(w.frmKalmo3);
    w.frmKalmo3->SetDialogs(w.Get<TfrmOpcje>(), w.Get<TfrmKoniec>(), w.Get<TfrmOprogramie>());

    // "Wybór zaworu" of a capacity window opens the valve choice dialog, that of
    // a selection window the valve type dialog; "OK" there fills the window of
    // its kind activated last.
    auto* wybor = w.Get<TfrmWybor_zaworu>();
    auto* dobor = w.Get<TfrmDobor>();
    for (const WindowList::Entry& entry : WindowList::All()) {
        if (!entry.IsCalculation())
            continue;
        QObject* window = w.frmKalmo3->findChild<QObject*>(QString::fromLatin1(entry.formName),
                                                           Qt::FindDirectChildrenOnly);
        if (auto* capacity = qobject_cast<CapacityWindow*>(window)) {
            capacity->SetValveDialog(wybor);
            wybor->AddLazyWindow(entry.activeFlag, [capacity] { return capacity->ValveFields(); });
        } else if (auto* selection = qobject_cast<SelectionWindow*>(window)) {
            selection->SetValveTypeDialog(dobor);
            dobor->AddLazyWindow(entry.activeFlag,
                                 [selection] { return selection->ValveTypeFields(); });
        }
    }
    return w;
}
