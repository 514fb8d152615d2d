#pragma once
// A selection window whose form and calculation are not built yet: the window
// object is created at start in its place among the others, with its name,
// caption and selection flag, so that start-up already carries all eleven
// calculation windows. The menu does not open it.

#include "app/CalcWindow.h"

class PendingWindow : public CalcWindow {
    Q_OBJECT
public:
    PendingWindow(QWidget* mainWindow, const QString& name, const QString& caption,
                  bool* activeFlag)
        : CalcWindow(mainWindow, name, caption, Group::Selection, activeFlag) {}
};
