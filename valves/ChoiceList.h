#pragma once
// The list boxes of the two choice dialogs. A list reacts to what the user picks
// (a click or the keyboard), not to the program refilling it, and keeps its
// selection until the user or the program changes it.

#include <QString>

#include <functional>
#include <vector>

class QGroupBox;
class QListWidget;
class QWidget;

namespace ChoiceList {

// A single-selection list named `name` inside a group box titled `title`; `picked`
// runs each time the user changes the selection.
QListWidget* Create(QGroupBox* group, const QString& name, std::function<void()> picked);

// Replaces the items without running `picked`; nothing is selected afterwards.
void Refill(QListWidget* list, const std::vector<QString>& items);

// The selected row, or -1.
int SelectedRow(const QListWidget* list);
// The text of the selected item, or empty.
QString SelectedText(const QListWidget* list);

} // namespace ChoiceList
