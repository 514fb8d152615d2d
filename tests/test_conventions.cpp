// What every calculation window shares, on a small window built like them.

#include "GuiTest.h"
#include "app/CalcWindow.h"
#include "app/Kalmo3.h"
#include "app/NumEdit.h"
#include "data/Dane.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

#include <memory>

namespace {

const QString overpressureMessage = QStringLiteral("Niepoprawna wartość przyrostu ciśnienia!");
const QString temperatureMessage = QStringLiteral("Niepoprawna wartość temperatury zrzutowej!");
const QString temperatureRange = QStringLiteral("Wartość temperatury zrzutowej poza dopuszczalnym"
                                                "\rzakresem 0.1 - 149.9 st. C");

// A capacity window with an overpressure, a temperature and a result field.
class TestWindow : public CalcWindow {
public:
    TestWindow(QWidget* main, bool* flag, Group group = Group::Capacity)
        : CalcWindow(main, QStringLiteral("frmTest"), QStringLiteral("   Test"), group, flag) {
        auto* layout = new QVBoxLayout(this);
        Edit3 = AddNumericField(QStringLiteral("Edit3"), overpressureMessage);
        Edit10 = AddNumericField(QStringLiteral("Edit10"), temperatureMessage,
                                 Range{0.1, 149.9, temperatureRange});
        Edit2 = new QLineEdit(this);
        Edit2->setReadOnly(true);
        Button4 = new QPushButton(this);
        SetResultFields({Edit2});
        SetPrintButton(Button4);
        connect(Edit3, &QLineEdit::textChanged, this, [this] { ClearResults(); });
        for (QWidget* w : std::initializer_list<QWidget*>{Edit3, Edit10, Edit2, Button4})
            layout->addWidget(w);
    }
    using CalcWindow::AllFieldsAreNumbers;

    NumEdit* Edit3;
    NumEdit* Edit10;
    QLineEdit* Edit2;
    QPushButton* Button4;
};

class Conventions : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        main = std::make_unique<TfrmKalmo3>();
        window = new TestWindow(main.get(), &Dane::WaterCapacityActive);
    }

    // Types into a field, then moves the focus on as the Tab key does.
    void TypeAndLeave(NumEdit* field, const QString& text) {
        field->setFocus();
        field->clear();
        QTest::keyClicks(field, text);
        QTest::keyClick(field, Qt::Key_Tab);
    }

    std::unique_ptr<TfrmKalmo3> main;
    TestWindow* window;
};

TEST_F(Conventions, LeavingABadNumberWarnsAndKeepsTheFocus) {
    ShowAndActivate(window);
    TypeAndLeave(window->Edit3, QStringLiteral("1.2.3"));
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_EQ(warnings[0], (Box{overpressureMessage, QStringLiteral("Uwaga!")}));
    EXPECT_EQ(QApplication::focusWidget(), window->Edit3);
    EXPECT_EQ(window->Edit3->text(), "1.2.3");
}

TEST_F(Conventions, LeavingAnEmptyOrGoodFieldSaysNothing) {
    ShowAndActivate(window);
    TypeAndLeave(window->Edit3, QString());
    TypeAndLeave(window->Edit3, QStringLiteral("12.5"));
    TypeAndLeave(window->Edit10, QStringLiteral("149.9"));
    TypeAndLeave(window->Edit10, QStringLiteral("0.1"));
    EXPECT_TRUE(warnings.empty());
    EXPECT_NE(QApplication::focusWidget(), window->Edit10);
}

TEST_F(Conventions, RangeCheckFollowsTheNumberCheck) {
    ShowAndActivate(window);
    TypeAndLeave(window->Edit10, QStringLiteral("."));
    EXPECT_EQ(WarningTexts(), (std::vector<QString>{temperatureMessage, temperatureRange}));
    EXPECT_EQ(QApplication::focusWidget(), window->Edit10);

    warnings.clear();
    TypeAndLeave(window->Edit10, QStringLiteral("0"));
    EXPECT_EQ(WarningTexts(), std::vector<QString>{temperatureRange});
    warnings.clear();
    TypeAndLeave(window->Edit10, QStringLiteral("150"));
    EXPECT_EQ(WarningTexts(), std::vector<QString>{temperatureRange});
}

TEST_F(Conventions, SwitchingWindowsIsNoExit) {
    ShowAndActivate(window);
    window->Edit3->setFocus();
    QTest::keyClicks(window->Edit3, QStringLiteral("1..2"));
    ShowAndActivate(main.get());
    EXPECT_TRUE(warnings.empty());
}

TEST_F(Conventions, ComputationRefusesATextThatIsNoNumber) {
    window->Edit3->setText(QStringLiteral("10"));
    window->Edit10->setText(QStringLiteral("2..5"));
    EXPECT_FALSE(window->AllFieldsAreNumbers());
    EXPECT_EQ(WarningTexts(), std::vector<QString>{temperatureMessage});
    window->Edit10->setText(QString());
    warnings.clear();
    EXPECT_TRUE(window->AllFieldsAreNumbers());
    EXPECT_TRUE(warnings.empty());
}

TEST_F(Conventions, ActivationSetsOwnFlagAndClearsOnlyItsGroup) {
    Dane::AirCapacityActive = true;
    Dane::SteamCapacityActive = true;
    Dane::PowerSelectionActive = true;
    ShowAndActivate(window);
    EXPECT_TRUE(Dane::WaterCapacityActive);
    EXPECT_FALSE(Dane::AirCapacityActive);
    EXPECT_FALSE(Dane::SteamCapacityActive);
    EXPECT_TRUE(Dane::PowerSelectionActive) << "a capacity window leaves the selection flags";

    auto* selection =
        new TestWindow(main.get(), &Dane::ExpansionSelectionActive, CalcWindow::Group::Selection);
    ShowAndActivate(selection);
    EXPECT_TRUE(Dane::ExpansionSelectionActive);
    EXPECT_FALSE(Dane::PowerSelectionActive);
    EXPECT_TRUE(Dane::WaterCapacityActive) << "a selection window leaves the capacity flags";
}

TEST_F(Conventions, OpenWindowLocksTheCalculationMenusUntilClosed) {
    ShowAndActivate(window);
    EXPECT_TRUE(main->TopMenu(0)->menuAction()->isEnabled());
    EXPECT_FALSE(main->TopMenu(1)->menuAction()->isEnabled());
    EXPECT_FALSE(main->TopMenu(2)->menuAction()->isEnabled());
    EXPECT_TRUE(main->TopMenu(3)->menuAction()->isEnabled());

    ShowAndActivate(main.get()); // deactivation does not unlock
    EXPECT_FALSE(main->TopMenu(1)->menuAction()->isEnabled());

    window->close();
    EXPECT_TRUE(main->TopMenu(1)->menuAction()->isEnabled());
    EXPECT_TRUE(main->TopMenu(2)->menuAction()->isEnabled());
    EXPECT_FALSE(window->isVisible());
}

TEST_F(Conventions, PrintCaptionFollowsThePrintModeOnActivation) {
    ShowAndActivate(window);
    EXPECT_EQ(window->Button4->text(), "Wydruk");
    Dane::PrintMode = Dane::CreatePdf;
    EXPECT_EQ(window->Button4->text(), "Wydruk") << "an active window keeps its caption";
    ShowAndActivate(main.get());
    ShowAndActivate(window);
    EXPECT_EQ(window->Button4->text(), "Utwórz PDF");
    Dane::PrintMode = Dane::PrintResultsAndCard;
    ShowAndActivate(main.get());
    ShowAndActivate(window);
    EXPECT_EQ(window->Button4->text(), "Wydruk");
}

TEST_F(Conventions, InputChangeEmptiesTheResults) {
    window->Edit2->setText(QStringLiteral("  12.3"));
    window->Edit3->setText(QStringLiteral("11"));
    EXPECT_TRUE(window->Edit2->text().isEmpty());
}

TEST_F(Conventions, FrameIsAFixedDialogOnTop) {
    EXPECT_TRUE(window->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(window->isWindow());
    ShowAndActivate(window);
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    EXPECT_EQ(window->windowTitle(), "   Test");
}

TEST_F(Conventions, ConversionIntoTheRecordLeavesTheCode) {
    double target = 5;
    CalcWindow::TakeValue(QStringLiteral("1.2.3"), target);
    EXPECT_EQ(Dane::ValCode, 4);
    EXPECT_EQ(target, 0);
    CalcWindow::TakeValue(QStringLiteral("2.5"), target);
    EXPECT_EQ(Dane::ValCode, 0);
    EXPECT_EQ(target, 2.5);
}

} // namespace
