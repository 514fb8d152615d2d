#pragma once
// The frame of every dialog and calculation window: a title and a close box,
// no resizing, minimising or maximising.

#include <QRect>
#include <QSize>
#include <Qt>

class QApplication;
class QWidget;

inline Qt::WindowFlags DialogFrame(bool staysOnTop) {
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;
    if (staysOnTop)
        flags |= Qt::WindowStaysOnTopHint;
    return flags;
}

// Centres a window on its screen at its size hint, before it is first mapped
// (from its show event), so that no window manager's placement moves it.
void CenterOnScreen(QWidget* window);

// Where a window frame of `size` stands within `area` beside the frame
// `beside`: in the largest of the free strips to its right, left, below or
// above (in that order where they are equal) that holds at least `minimum`,
// at its size or as much of it as the strip holds; where none does, at its
// size where it covers least of `beside`.
QRect PlaceBeside(const QRect& beside, const QSize& size, const QSize& minimum, const QRect& area);

// Whether a window has the dialog frame.
bool HasDialogFrame(const QWidget* window);

// Keeps the frame fixed as window managers show it: every window with the
// dialog frame is given its fixed size before it is first mapped, and on X11
// the window type of a utility dialog, which window managers that draw a
// minimise button on every dialog (openbox) leave without one. Minimising a
// window the user cannot get back from the task bar would only hide it.
void InstallFixedFrames(QApplication* app);
