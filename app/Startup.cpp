#include "app/Startup.h"

#include "app/FormWindow.h"
#include "app/Koniec.h"
#include "app/Opcje.h"
#include "app/Oprogramie.h"
#include "app/WindowList.h"
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
        auto* form = qobject_cast<FormWindow*>(window);
        if (!form)
            continue;
        if (entry.group == CalcWindow::Group::Capacity) {
            form->SetChoiceDialog(wybor);
            wybor->AddLazyWindow(entry.activeFlag, [form] { return form->ValveFields(); });
        } else {
            form->SetChoiceDialog(dobor);
            dobor->AddLazyWindow(entry.activeFlag, [form] { return form->ValveTypeFields(); });
        }
    }
    return w;
}
