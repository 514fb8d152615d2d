#pragma once
// Fixture for tests that drive the real windows offscreen. Each test starts from
// the program's start-up state, with the build's program directory. Warning
// boxes are captured instead of shown; a modal dialog that the test did not
// expect fails the test and is answered "Anuluj", so nothing ever waits on a
// modal event loop.

#include "QStringPrinter.h"

#include <gtest/gtest.h>

#include <QString>
#include <QWidget>

#include <functional>
#include <vector>

class QDialog;

class GuiTest : public ::testing::Test {
protected:
    struct Box {
        QString text;
        QString caption;
        bool operator==(const Box& o) const { return text == o.text && caption == o.caption; }
    };

    void SetUp() override;
    void TearDown() override;

    // Answers the next modal dialogs; the handler gets the dialog (not shown)
    // and returns its result.
    std::function<int(QDialog*)> onModal;
    std::vector<QString> modalsShown; // object names, in order
    std::vector<Box> warnings;

    // The texts of the captured warning boxes, in order.
    std::vector<QString> WarningTexts() const;

    template <class T> static T* Find(const QObject* root, const QString& name) {
        T* child = root->findChild<T*>(name);
        if (!child)
            ADD_FAILURE() << "no child named " << name.toStdString();
        return child;
    }

    // Shows a window and makes it the active window, as a user's click would.
    static void ShowAndActivate(QWidget* window);
};
