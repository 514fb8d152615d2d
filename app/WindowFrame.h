#pragma once
// The frame of every dialog and calculation window: a title and a close box,
// no resizing, minimising or maximising.

#include <Qt>

inline Qt::WindowFlags DialogFrame(bool staysOnTop) {
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;
    if (staysOnTop)
        flags |= Qt::WindowStaysOnTopHint;
    return flags;
}
