#include "app/CalcWindow.h"

#include "app/Messages.h"
#include "app/NumEdit.h"
#include "app/WindowFrame.h"
#include "app/WindowList.h"
#include "calc/Obliczenia.h"
#include "data/Convert.h"
#include "data/Dane.h"

#include <QHideEvent>
#include <QLayout>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>

CalcWindow::CalcWindow(QWidget* mainWindow, const QString& name, const QString& caption,
                       Group group, bool* activeFlag)
    : QWidget(mainWindow, DialogFrame(true)), group_(group), activeFlag_(activeFlag) {
    setObjectName(name);
    setWindowTitle(caption);
}

void CalcWindow::TakeValue(const QString& text, double& target) {
    Dane::ValCode = Convert::Val(text, target);
}

void CalcWindow::EnsureBuilt() {
    if (built_)
        return;
    built_ = true;
    Build();
}

double CalcWindow::ScratchRelievingPressure(const QString& setPressureText,
                                            const QString& overpressureText) {
    Dane::ValCode = Convert::Val(setPressureText, Dane::ScratchSetPressure);
    Dane::ValCode = Convert::Val(overpressureText, Dane::ScratchOverpressure);
    Dane::ScratchRelievingPressure =
        Obliczenia::RelievingPressure(Dane::ScratchSetPressure, Dane::ScratchOverpressure);
    return Dane::ScratchRelievingPressure;
}

int CalcWindow::Scale(double tenthsOfMm) const {
    const QScreen* s = screen();
    const int ppi = s ? qRound(s->logicalDotsPerInch()) : 96;
    return Convert::ScaleToPixels(tenthsOfMm, ppi);
}

QString CalcWindow::PrintCaption(int printMode) {
    return printMode == Dane::CreatePdf ? QStringLiteral("Utwórz PDF") : QStringLiteral("Wydruk");
}

void CalcWindow::SetActiveFlag() {
    for (bool* flag : WindowList::FillOrder(group_))
        *flag = false;
    if (activeFlag_)
        *activeFlag_ = true;
}

void CalcWindow::UpdateMenus() const {
    if (auto* menus = dynamic_cast<CalculationMenus*>(parentWidget()))
        menus->UpdateCalculationMenus();
}

void CalcWindow::TellActivated() {
    if (auto* menus = dynamic_cast<CalculationMenus*>(parentWidget()))
        menus->CalculationActivated(this);
}

void CalcWindow::FormActivate() {
    SetActiveFlag();
    if (printButton_)
        printButton_->setText(PrintCaption(Dane::PrintMode));
}

NumEdit* CalcWindow::AddNumericField(const QString& name, const QString& invalidMessage,
                                     std::optional<Range> range, bool emptyOutOfRange) {
    auto* edit = new NumEdit(name, this);
    fields_.push_back({edit, invalidMessage, std::move(range), emptyOutOfRange});
    connect(edit, &NumEdit::exited, this, [this, edit] { ExitCheck(edit); });
    return edit;
}

const CalcWindow::Field* CalcWindow::FieldOf(const NumEdit* edit) const {
    for (const Field& f : fields_)
        if (f.edit == edit)
            return &f;
    return nullptr;
}

bool CalcWindow::ExitCheck(NumEdit* edit) {
    const Field* field = FieldOf(edit);
    // The boxes below take the focus away from the field; that is no exit.
    const bool empty = edit->text().isEmpty();
    if (!field || checking_ || (empty && !field->emptyOutOfRange))
        return true;
    checking_ = true;
    double value = 0;
    const int code = Convert::Val(edit->text(), value);
    bool ok = true;
    // The two checks are independent: a lone point fails both.
    if (code != 0 && !empty) {
        Messages::Warning(this, field->invalidMessage);
        ok = false;
    }
    if (field->range && (value < field->range->min || value > field->range->max)) {
        Messages::Warning(this, field->range->message);
        ok = false;
    }
    if (!ok)
        edit->setFocus(Qt::OtherFocusReason);
    checking_ = false;
    return ok;
}

bool CalcWindow::AllFieldsAreNumbers() {
    for (const Field& f : fields_) {
        double value = 0;
        // A disabled field belongs to another mode and is not read.
        if (f.edit->isEnabled() && !f.edit->text().isEmpty() &&
            Convert::Val(f.edit->text(), value) != 0) {
            Messages::Warning(this, f.invalidMessage);
            f.edit->setFocus(Qt::OtherFocusReason);
            return false;
        }
    }
    return true;
}

void CalcWindow::ClearResults() {
    for (QLineEdit* field : results_)
        field->clear();
}

void CalcWindow::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) {
        if (layout())
            layout()->setSizeConstraint(QLayout::SetFixedSize);
        CenterOnScreen(this);
        FormShow();
        if (firstField_)
            firstField_->setFocus(Qt::OtherFocusReason);
    }
    QWidget::showEvent(event);
    UpdateMenus();
}

void CalcWindow::setVisible(bool visible) {
    // Built before the first showing, so that the controls are shown with it.
    if (visible)
        EnsureBuilt();
    QWidget::setVisible(visible);
}

// Closing a window ("Anuluj", the close box) only hides it; the menus follow.
void CalcWindow::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    UpdateMenus();
}

bool CalcWindow::event(QEvent* event) {
    // A window manager may deliver the activation of a click after the window
    // was closed by that click; a hidden window is not activated.
    if (event->type() == QEvent::WindowActivate && !isHidden()) {
        FormActivate();
        TellActivated();
    }
    return QWidget::event(event);
}

Calc::Outcome<Report::Content> CalcWindow::LastReport() const {
    return Calc::Refusal::Because(Calc::Refusal::Kind::NothingToPrint);
}
