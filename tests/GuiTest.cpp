#include "GuiTest.h"

#include "app/Messages.h"
#include "data/Dane.h"

#include <QApplication>
#include <QDialog>
#include <QTest>

void GuiTest::SetUp() {
    Dane::ResetDefaults();
    Dane::ProgramDir = QStringLiteral(KALMO_TEST_PROGRAM_DIR);
    warnings.clear();
    modalsShown.clear();
    onModal = nullptr;
    Messages::SetWarningHandler([this](QWidget*, const QString& text, const QString& caption) {
        warnings.push_back({text, caption});
    });
    Messages::SetModalHandler([this](QDialog* dialog) {
        modalsShown.push_back(dialog->objectName());
        if (!onModal) {
            ADD_FAILURE() << "unexpected modal dialog " << dialog->objectName().toStdString();
            return int(QDialog::Rejected);
        }
        return onModal(dialog);
    });
}

void GuiTest::TearDown() {
    for (QWidget* w : QApplication::topLevelWidgets())
        w->hide();
    Messages::SetWarningHandler(nullptr);
    Messages::SetModalHandler(nullptr);
}

std::vector<QString> GuiTest::WarningTexts() const {
    std::vector<QString> texts;
    for (const Box& b : warnings)
        texts.push_back(b.text);
    return texts;
}

void GuiTest::ShowAndActivate(QWidget* window) {
    window->show();
    window->activateWindow();
    QApplication::setActiveWindow(window);
    if (!QTest::qWaitForWindowActive(window))
        ADD_FAILURE() << "window " << window->objectName().toStdString() << " not active";
}
