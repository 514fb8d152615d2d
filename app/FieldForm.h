#pragma once
// A window's fields filled and read through its record's field table: the
// window's FormShow, the reading of "Oblicz" and the results it shows.

#include "data/Convert.h"
#include "data/FieldTable.h"

#include <QLineEdit>
#include <QWidget>

namespace FieldForm {

template <class R> QLineEdit* Edit(const QWidget* window, const Fields::Field<R>& f) {
    return window->findChild<QLineEdit*>(QString::fromLatin1(f.edit));
}

// Every field the window has, from `record`, in the table's order of the form:
// the inputs first, the results last, so that the inputs' change handlers do
// not empty the results that are restored. A change handler may write the
// window's record while this runs: pass a copy.
template <class R>
void Fill(const QWidget* window, const Fields::Table<R>& table, const R& record) {
    for (const Fields::Field<R>* f : Fields::Shown(table))
        if (QLineEdit* edit = Edit(window, *f); edit && f->restored)
            edit->setText(Fields::RestoredText(record, *f));
}

// What "Oblicz" reads: every enabled field typed or filled by a dialog, into
// `record`; a disabled field belongs to another mode of the window.
template <class R> void Read(const QWidget* window, const Fields::Table<R>& table, R& record) {
    for (const Fields::Field<R>& f : table)
        if (f.IsRead())
            if (const QLineEdit* edit = Edit(window, f); edit && edit->isEnabled())
                Fields::Take(record, f, edit->text());
}

// The results of a calculation: numbers in the result format with their
// decimals, texts as they are.
template <class R>
void ShowResults(const QWidget* window, const Fields::Table<R>& table, const R& record) {
    for (const Fields::Field<R>& f : table) {
        if (f.role != Fields::Role::Result)
            continue;
        if (QLineEdit* edit = Edit(window, f))
            edit->setText(f.IsNumber() ? Fields::ResultText(record, f)
                                       : Fields::RestoredText(record, f));
    }
}

} // namespace FieldForm
