#include "valves/ChoiceList.h"

#include <QGroupBox>
#include <QListWidget>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace ChoiceList {

QListWidget* Create(QGroupBox* group, const QString& name, std::function<void()> picked) {
    auto* list = new QListWidget(group);
    list->setObjectName(name);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    // Selection, not the current row: a list that takes the focus makes its first
    // row current without choosing it.
    QObject::connect(list, &QListWidget::itemSelectionChanged, group, std::move(picked));
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(list);
    return list;
}

void Refill(QListWidget* list, const std::vector<QString>& items) {
    const QSignalBlocker quiet(list);
    list->clear();
    for (const QString& item : items)
        list->addItem(item);
    list->setCurrentRow(-1);
}

int SelectedRow(const QListWidget* list) {
    const QList<QListWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->row(selected.front());
}

QString SelectedText(const QListWidget* list) {
    const QList<QListWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? QString() : selected.front()->text();
}

} // namespace ChoiceList
