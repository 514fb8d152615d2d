#pragma once
// Creates every window of the program once, in the order of the list of
// windows; they are hidden, never destroyed, until the program ends.

#include "app/Kalmo3.h"

struct KalmoWindows {
    TfrmKalmo3* frmKalmo3 = nullptr; // owns all the others

    // The one window of this class.
    template <class Window> Window* Get() const {
        return frmKalmo3->findChild<Window*>(QString(), Qt::FindDirectChildrenOnly);
    }
};

// The main window is created first, then the windows of the list, each wired
// to its choice dialog.
KalmoWindows CreateWindows();
