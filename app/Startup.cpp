#include "app/Startup.h"

#include "app/Kalmo3.h"
#include "app/Koniec.h"
#include "app/Opcje.h"
#include "app/Oprogramie.h"

KalmoWindows CreateWindows() {
    KalmoWindows w;
    w.frmKalmo3 = new TfrmKalmo3;
    w.frmKoniec = new TfrmKoniec(w.frmKalmo3);
    w.frmOprogramie = new TfrmOprogramie(w.frmKalmo3);
    w.frmOpcje = new TfrmOpcje(w.frmKalmo3);
    w.frmKalmo3->SetDialogs(w.frmOpcje, w.frmKoniec, w.frmOprogramie);
    return w;
}
