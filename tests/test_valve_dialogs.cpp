// The valve choice dialog (TfrmWybor_zaworu) and the valve type choice dialog
// (TfrmDobor), driven through small calculation windows built like the real ones.

#include "GuiTest.h"
#include "app/CalcWindow.h"
#include "app/HelpViewer.h"
#include "app/Kalmo3.h"
#include "app/Messages.h"
#include "app/Startup.h"
#include "data/Dane.h"
#include "valves/Catalogue.h"
#include "valves/Dobor_zaworu.h"
#include "valves/Wybor_zaworu.h"

#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

#include <map>
#include <memory>

namespace {

const QString kResult = QStringLiteral("  12.3");

// A calculation window with the named read-only fields a choice dialog fills, a
// result field that every change of them empties, and "Wybór zaworu".
class TestWindow : public CalcWindow {
public:
    TestWindow(QWidget* main, const QString& name, Group group, bool* flag, QDialog* dialog,
               const QStringList& fields)
        : CalcWindow(main, name, QStringLiteral("   ") + name, group, flag) {
        auto* layout = new QVBoxLayout(this);
        Edit2 = new QLineEdit(this);
        Edit2->setObjectName(QStringLiteral("Edit2"));
        for (const QString& field : fields) {
            auto* edit = new QLineEdit(this);
            edit->setObjectName(field);
            layout->addWidget(edit);
            connect(edit, &QLineEdit::textChanged, this, [this] { ClearResults(); });
            edits[field] = edit;
        }
        SetResultFields({Edit2});
        Button3 = new QPushButton(QStringLiteral("Wybór zaworu"), this);
        connect(Button3, &QPushButton::clicked, this, [dialog] { Messages::ExecModal(dialog); });
        layout->addWidget(Edit2);
        layout->addWidget(Button3);
    }

    QLineEdit* Field(const QString& name) const { return edits.at(name); }
    QString Text(const char* name) const { return edits.at(QString::fromLatin1(name))->text(); }

    // Every field holds a text of its own and a result is shown.
    void Prefill() {
        for (auto& [name, edit] : edits)
            edit->setText(QStringLiteral("old ") + name);
        Edit2->setText(kResult);
    }
    bool Untouched() const {
        for (const auto& [name, edit] : edits)
            if (edit->text() != QStringLiteral("old ") + name)
                return false;
        return Edit2->text() == kResult;
    }

    QLineEdit* Edit2;
    QPushButton* Button3;
    std::map<QString, QLineEdit*> edits;
};

void ClickItem(QListWidget* list, const QString& text) {
    const QList<QListWidgetItem*> items = list->findItems(text, Qt::MatchExactly);
    ASSERT_EQ(items.size(), 1) << list->objectName().toStdString() << ": " << text.toStdString();
    list->scrollToItem(items.front());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(items.front()).center());
    ASSERT_EQ(list->selectedItems(), items);
}

QStringList Items(const QListWidget* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

QString Selected(const QListWidget* list) {
    const auto items = list->selectedItems();
    return items.isEmpty() ? QString() : items.front()->text();
}

// Both dialogs are tested as a capacity or selection window opens them: the
// window is activated, its "Wybór zaworu" runs the dialog, and the test acts in
// the dialog through `inDialog`, ending with a click on OK or "Anuluj".
class ValveDialogs : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        main = std::make_unique<QWidget>();
        wybor = new TfrmWybor_zaworu(main.get());
        dobor = new TfrmDobor(main.get());
    }

    TestWindow* Water() {
        return Capacity(QStringLiteral("frmFlow_water"), &Dane::WaterCapacityActive, true);
    }
    TestWindow* Air() {
        return Capacity(QStringLiteral("frmFlow_air"), &Dane::AirCapacityActive, false);
    }
    TestWindow* Steam() {
        return Capacity(QStringLiteral("frmPara"), &Dane::SteamCapacityActive, false);
    }

    // A capacity window with the fields of the water window, or of the air and
    // steam windows (no Edit8, the gas coefficient in Edit6).
    TestWindow* Capacity(const QString& name, bool* flag, bool water) {
        QStringList names = {"Edit11", "Edit12", "Edit5", "Edit1", "Edit6", "Edit3", "Edit4"};
        if (water)
            names << "Edit8";
        auto* w = new TestWindow(main.get(), name, CalcWindow::Group::Capacity, flag, wybor, names);
        CapacityValveFields f;
        f.type = w->Field("Edit11");
        f.size = w->Field("Edit12");
        f.flowDiameter = w->Field("Edit5");
        f.setPressure = w->Field("Edit1");
        (water ? f.alphaLiquid10 : f.alphaGas) = w->Field("Edit6");
        f.alphaLiquid25 = water ? w->Field("Edit8") : nullptr;
        f.overpressure = w->Field("Edit3");
        f.relievingPressure = w->Field("Edit4");
        EXPECT_TRUE(wybor->AddWindow(flag, f));
        w->Field("Edit3")->setText(QStringLiteral("10.0"));
        return w;
    }

    TestWindow* Selection(const QString& name, bool* flag, const char* typeField = "Edit11",
                          const char* pressureField = "Edit6") {
        const QString type = QString::fromLatin1(typeField);
        const QString pressure = QString::fromLatin1(pressureField);
        auto* w = new TestWindow(main.get(), name, CalcWindow::Group::Selection, flag, dobor,
                                 {type, pressure});
        EXPECT_TRUE(dobor->AddWindow(flag, {w->Field(type), w->Field(pressure)}));
        return w;
    }

    // Opens the dialog from the window, as its "Wybór zaworu" does.
    void OpenFrom(TestWindow* window, std::function<void(QDialog*)> inDialog) {
        ShowAndActivate(window);
        onModal = [inDialog](QDialog* dialog) {
            dialog->show();
            inDialog(dialog);
            EXPECT_FALSE(dialog->isVisible()) << "the dialog closes on OK and Anuluj";
            return dialog->result();
        };
        const size_t before = modalsShown.size();
        QTest::mouseClick(window->Button3, Qt::LeftButton);
        EXPECT_EQ(modalsShown.size(), before + 1);
        onModal = nullptr;
    }

    static void Click(QDialog* dialog, const char* button) {
        QTest::mouseClick(Find<QPushButton>(dialog, QString::fromLatin1(button)), Qt::LeftButton);
    }

    // Picks what is given (empty: nothing) in the valve choice dialog, then clicks `button`.
    void ChooseValve(TestWindow* window, const QString& type, const QString& size,
                     const QString& pressure, const char* button = "Button1") {
        OpenFrom(window, [&](QDialog* d) {
            if (!type.isEmpty())
                ClickItem(Find<QListWidget>(d, QStringLiteral("ListBox_typ")), type);
            if (!size.isEmpty())
                ClickItem(Find<QListWidget>(d, QStringLiteral("ListBox_Size")), size);
            if (!pressure.isEmpty())
                ClickItem(Find<QListWidget>(d, QStringLiteral("ListBox_Cisnienie")), pressure);
            Click(d, button);
        });
    }

    void ChooseType(TestWindow* window, const QString& type, const QString& pressure,
                    const char* button = "Button1") {
        OpenFrom(window, [&](QDialog* d) {
            if (!type.isEmpty())
                ClickItem(Find<QListWidget>(d, QStringLiteral("ListBox_typ")), type);
            if (!pressure.isEmpty())
                ClickItem(Find<QListWidget>(d, QStringLiteral("ListBox_Cisnienie")), pressure);
            Click(d, button);
        });
    }

    QString DataField(const char* name) const {
        return wybor->findChild<QLineEdit*>(QString::fromLatin1(name))->text();
    }
    QListWidget* WyborList(const char* name) const {
        return wybor->findChild<QListWidget*>(QString::fromLatin1(name));
    }

    std::unique_ptr<QWidget> main;
    TfrmWybor_zaworu* wybor;
    TfrmDobor* dobor;
};

const QString kSV70 = QStringLiteral("SV20.N w centrum bezpieczeństwa SC70");
const QStringList kTypes = {"SV10",
                            "SV20",
                            "SV30",
                            "SV20.N",
                            "SV20.N w Tandor 40DN15",
                            "SV20.N w Tandor 40DN20",
                            "SV20.N w Tandor 50DN20",
                            kSV70};

// ---- the valve choice dialog ------------------------------------------------

TEST_F(ValveDialogs, ValveChoiceFormAndCaptions) {
    wybor->EnsureBuilt();
    EXPECT_EQ(wybor->objectName(), "frmWybor_zaworu");
    EXPECT_EQ(wybor->windowTitle(), "Wybór zaworu bezpieczeństwa");
    EXPECT_EQ(Help::HelpContextOf(wybor), 20);
    QStringList groups;
    for (const QGroupBox* g : wybor->findChildren<QGroupBox*>())
        groups << g->title();
    EXPECT_EQ(groups, (QStringList{"Typ zaworu", "Wielkość", "Ciśnienie",
                                   "Dane techniczne wybranego zaworu bezpieczeństwa"}));
    EXPECT_EQ(Items(WyborList("ListBox_typ")), kTypes);
    EXPECT_EQ(WyborList("ListBox_Size")->count(), 0);
    EXPECT_EQ(WyborList("ListBox_Cisnienie")->count(), 0);
    for (const char* name : {"Edit1", "Edit2", "Edit3", "Edit4", "Edit5"}) {
        QLineEdit* edit = Find<QLineEdit>(wybor, QString::fromLatin1(name));
        ASSERT_NE(edit, nullptr);
        EXPECT_TRUE(edit->isReadOnly()) << name;
        EXPECT_TRUE(edit->text().isEmpty()) << name;
    }
    EXPECT_EQ(Find<QPushButton>(wybor, QStringLiteral("Button1"))->text(), "OK");
    EXPECT_EQ(Find<QPushButton>(wybor, QStringLiteral("Button2"))->text(), "Anuluj");
}

// The lists show the catalogue (its texts are checked in test_valve_catalogue).
TEST_F(ValveDialogs, TypeClickFillsTheSizesOfTheType) {
    wybor->show();
    for (const Catalogue::Type& type : Catalogue::Types()) {
        ClickItem(WyborList("ListBox_typ"), type.text);
        QStringList sizes;
        for (const Catalogue::Size& size : type.sizes)
            sizes << size.text;
        EXPECT_EQ(Items(WyborList("ListBox_Size")), sizes) << type.text.toStdString();
        EXPECT_EQ(Selected(WyborList("ListBox_Size")), QString());
    }
}

const QStringList kSixSizes = {"1/2\"", "3/4\"", "1\"", "1 1/4\"", "1 1/2\"", "2\""};

struct DataCase {
    const char* type;
    const char* size;
    const char* pressure;
    const char* d;
    const char* area;
    const char* alpha;
    const char* alpha10;
    const char* alpha25;
};

class ValveChoiceData : public ValveDialogs, public ::testing::WithParamInterface<DataCase> {};

TEST_P(ValveChoiceData, ShowsTheTechnicalDataOfTheChosenValve) {
    const DataCase& c = GetParam();
    wybor->show();
    ClickItem(WyborList("ListBox_typ"), QString::fromUtf8(c.type));
    ClickItem(WyborList("ListBox_Size"), QString::fromLatin1(c.size));
    EXPECT_EQ(DataField("Edit1"), c.d);
    EXPECT_EQ(DataField("Edit2"), c.area);
    EXPECT_EQ(DataField("Edit3"), QString());
    ClickItem(WyborList("ListBox_Cisnienie"), QString::fromLatin1(c.pressure));
    EXPECT_EQ(DataField("Edit3"), c.alpha);
    EXPECT_EQ(DataField("Edit4"), c.alpha10);
    EXPECT_EQ(DataField("Edit5"), c.alpha25);
}

INSTANTIATE_TEST_SUITE_P(
    Valves, ValveChoiceData,
    ::testing::Values(DataCase{"SV10", "1/2\"", "5.0", "12", "113.1", "0.38", "0.45", "0.48"},
                      DataCase{"SV20", "3/4\"", "6.0", "14", "153.9", "0.55", "0.20", ""},
                      DataCase{"SV30", "1/2\"", "3.0", "12.2", "116.9", "0.36", "0.23", ""},
                      DataCase{"SV10", "2\"", "4.0", "42", "1385.4", "0.40", "0.21", "0.32"},
                      DataCase{"SV10", "1 1/2\"", "6.0", "35", "962.1", "0.53", "0.35", ""},
                      DataCase{"SV20.N", "3/4\"", "10.0", "14", "153.9", "0.55", "0.20", ""},
                      DataCase{"SV20.N w centrum bezpieczeństwa SC70", "1/2\"", "8.0", "14",
                               "153.9", "0.28", "0.22", ""}));

TEST_F(ValveDialogs, OkFillsTheWaterWindowWithTheLiquidCoefficients) {
    TestWindow* water = Water();
    water->Edit2->setText(kResult);
    ChooseValve(water, "SV10", "1/2\"", "5.0");
    EXPECT_EQ(water->Text("Edit11"), "SV10");
    EXPECT_EQ(water->Text("Edit12"), "1/2\"");
    EXPECT_EQ(water->Text("Edit5"), "12");
    EXPECT_EQ(water->Text("Edit1"), "5.0");
    EXPECT_EQ(water->Text("Edit6"), "0.45");
    EXPECT_EQ(water->Text("Edit8"), "0.48");
    EXPECT_EQ(water->Text("Edit4"), "5.50");
    EXPECT_EQ(water->Text("Edit3"), "10.0") << "the overpressure is only read";
    EXPECT_EQ(water->Edit2->text(), QString()) << "the changes clear the results";

    EXPECT_EQ(Dane::ChosenValveType, "SV10");
    EXPECT_EQ(Dane::ChosenValveSize, "1/2\"");
    EXPECT_EQ(Dane::ChosenAlphaGas, 0.38);
    EXPECT_EQ(Dane::ChosenAlphaLiquid10, 0.45);
    EXPECT_EQ(Dane::ChosenAlphaLiquid25, 0.48);
    EXPECT_EQ(Dane::ScratchSetPressure, 5.0);
    EXPECT_EQ(Dane::ScratchOverpressure, 10.0);
    EXPECT_DOUBLE_EQ(Dane::ScratchRelievingPressure, 5.5);
    EXPECT_EQ(Dane::CardIndex, 0);
}

TEST_F(ValveDialogs, NoTwentyFivePercentCoefficientWritesZero) {
    TestWindow* water = Water();
    ChooseValve(water, "SV20", "3/4\"", "6.0");
    EXPECT_EQ(water->Text("Edit6"), "0.20");
    EXPECT_EQ(water->Text("Edit8"), "0.00");
    EXPECT_EQ(water->Text("Edit4"), "6.60");
    EXPECT_EQ(Dane::CardIndex, 1);
}

TEST_F(ValveDialogs, AirAndSteamWindowsGetTheGasCoefficient) {
    for (TestWindow* w : {Air(), Steam()}) {
        w->Field("Edit3")->setText(QStringLiteral("25"));
        ChooseValve(w, "SV30", "1/2\"", "2.5");
        EXPECT_EQ(w->Text("Edit11"), "SV30") << w->objectName().toStdString();
        EXPECT_EQ(w->Text("Edit12"), "1/2\"");
        EXPECT_EQ(w->Text("Edit5"), "12.2");
        EXPECT_EQ(w->Text("Edit1"), "2.5");
        EXPECT_EQ(w->Text("Edit6"), "0.34");
        EXPECT_EQ(w->Text("Edit4"), "3.13") << "2.5 × 1.25 = 3.125";
        EXPECT_EQ(Dane::CardIndex, 2);
    }
}

TEST_F(ValveDialogs, RelievingPressureFromWhatTheWindowShows) {
    TestWindow* water = Water();
    water->Field("Edit3")->setText(QString()); // no overpressure typed: p1 = p
    ChooseValve(water, "SV20", "2\"", "10.0");
    EXPECT_EQ(water->Text("Edit4"), "10.00");
    water->Field("Edit3")->setText(QStringLiteral("1.2.3")); // not a number: b1 = 0
    ChooseValve(water, "SV20", "2\"", "10.0");
    EXPECT_EQ(water->Text("Edit4"), "10.00");
    EXPECT_NE(Dane::ValCode, 0);
}

TEST_F(ValveDialogs, SizeClickAfterPressureResetsTheCoefficients) {
    TestWindow* water = Water();
    OpenFrom(water, [&](QDialog* d) {
        ClickItem(WyborList("ListBox_typ"), QStringLiteral("SV10"));
        ClickItem(WyborList("ListBox_Size"), QStringLiteral("1/2\""));
        ClickItem(WyborList("ListBox_Cisnienie"), QStringLiteral("5.0"));
        ClickItem(WyborList("ListBox_Size"), QStringLiteral("3/4\""));
        EXPECT_EQ(DataField("Edit1"), "14");
        EXPECT_EQ(DataField("Edit2"), "153.9");
        for (const char* e : {"Edit3", "Edit4", "Edit5"})
            EXPECT_EQ(DataField(e), QString()) << e;
        EXPECT_EQ(Items(WyborList("ListBox_Cisnienie")).size(), 10);
        EXPECT_EQ(Selected(WyborList("ListBox_Cisnienie")), QString());
        Click(d, "Button1");
    });
    EXPECT_EQ(Dane::ChosenAlphaGas, 0.0);
    EXPECT_EQ(Dane::ChosenAlphaLiquid10, 0.0);
    EXPECT_EQ(Dane::ChosenAlphaLiquid25, 0.0);
    EXPECT_EQ(water->Text("Edit12"), "3/4\"");
    EXPECT_EQ(water->Text("Edit5"), "14");
    EXPECT_EQ(water->Text("Edit1"), QString());
    EXPECT_EQ(water->Text("Edit6"), "0.00");
    EXPECT_EQ(water->Text("Edit8"), "0.00");
    EXPECT_EQ(water->Text("Edit4"), "0.00");
}

TEST_F(ValveDialogs, TypeClickClearsSizePressureAndData) {
    wybor->show();
    ClickItem(WyborList("ListBox_typ"), QStringLiteral("SV10"));
    ClickItem(WyborList("ListBox_Size"), QStringLiteral("1\""));
    ClickItem(WyborList("ListBox_Cisnienie"), QStringLiteral("2.5"));
    ASSERT_EQ(Dane::ChosenAlphaGas, 0.61);
    ClickItem(WyborList("ListBox_typ"), QStringLiteral("SV30"));
    EXPECT_EQ(Items(WyborList("ListBox_Size")), (QStringList{"1/2\"", "3/4\""}));
    EXPECT_EQ(WyborList("ListBox_Cisnienie")->count(), 0);
    for (const char* e : {"Edit1", "Edit2", "Edit3", "Edit4", "Edit5"})
        EXPECT_EQ(DataField(e), QString()) << e;
    EXPECT_EQ(Dane::ChosenAlphaGas, 0.0);
    EXPECT_EQ(Dane::ChosenAlphaLiquid10, 0.0);
    EXPECT_EQ(Dane::ChosenAlphaLiquid25, 0.0);
}

TEST_F(ValveDialogs, DeselectedPressureTakesItsCoefficientsAlong) {
    TestWindow* air = Air();
    OpenFrom(air, [&](QDialog* d) {
        ClickItem(WyborList("ListBox_typ"), QStringLiteral("SV10"));
        ClickItem(WyborList("ListBox_Size"), QStringLiteral("1/2\""));
        ClickItem(WyborList("ListBox_Cisnienie"), QStringLiteral("6.0"));
        ASSERT_EQ(Dane::ChosenAlphaGas, 0.67);
        QListWidget* pressures = WyborList("ListBox_Cisnienie");
        QTest::mouseClick(pressures->viewport(), Qt::LeftButton, Qt::ControlModifier,
                          pressures->visualItemRect(pressures->selectedItems().front()).center());
        EXPECT_EQ(Selected(pressures), QString());
        EXPECT_EQ(DataField("Edit3"), QString());
        Click(d, "Button1");
    });
    EXPECT_EQ(Dane::ChosenAlphaGas, 0.0);
    EXPECT_EQ(air->Text("Edit1"), QString());
    EXPECT_EQ(air->Text("Edit6"), "0.00") << "no coefficient without a set pressure";
}

TEST_F(ValveDialogs, OkWithNothingChosenWritesEmptyTextsAndZeros) {
    TestWindow* air = Air();
    air->Prefill();
    Dane::CardIndex = 3;
    ChooseValve(air, QString(), QString(), QString());
    for (const char* e : {"Edit11", "Edit12", "Edit5", "Edit1"})
        EXPECT_EQ(air->Text(e), QString()) << e;
    EXPECT_EQ(air->Text("Edit6"), "0.00");
    EXPECT_EQ(air->Text("Edit4"), "0.00");
    EXPECT_EQ(Dane::ChosenValveType, QString());
    EXPECT_EQ(Dane::CardIndex, 3) << "an empty type leaves the card";
}

TEST_F(ValveDialogs, CancelLeavesTheWindowButKeepsTheClickedCoefficients) {
    TestWindow* water = Water();
    water->Prefill();
    Dane::ChosenValveType = QStringLiteral("SV20");
    Dane::ChosenValveSize = QStringLiteral("2\"");
    Dane::CardIndex = 1;
    ChooseValve(water, "SV10", "1/2\"", "5.0", "Button2");
    EXPECT_TRUE(water->Untouched());
    EXPECT_EQ(Dane::ChosenValveType, "SV20");
    EXPECT_EQ(Dane::ChosenValveSize, "2\"");
    EXPECT_EQ(Dane::CardIndex, 1);
    EXPECT_EQ(Dane::ChosenAlphaGas, 0.38);
    EXPECT_EQ(Dane::ChosenAlphaLiquid10, 0.45);
    EXPECT_EQ(Dane::ChosenAlphaLiquid25, 0.48);
}

TEST_F(ValveDialogs, CloseBoxIsCancel) {
    TestWindow* water = Water();
    water->Prefill();
    OpenFrom(water, [&](QDialog* d) {
        ClickItem(WyborList("ListBox_typ"), QStringLiteral("SV20"));
        d->close();
    });
    EXPECT_TRUE(water->Untouched());
    EXPECT_EQ(Dane::ChosenValveType, QString());
}

TEST_F(ValveDialogs, ChoiceIsKeptBetweenShowings) {
    TestWindow* water = Water();
    ChooseValve(water, "SV20", "1 1/2\"", "7.0");
    water->Prefill();
    OpenFrom(water, [&](QDialog* d) {
        EXPECT_EQ(Selected(WyborList("ListBox_typ")), "SV20");
        EXPECT_EQ(Selected(WyborList("ListBox_Size")), "1 1/2\"");
        EXPECT_EQ(Selected(WyborList("ListBox_Cisnienie")), "7.0");
        EXPECT_EQ(DataField("Edit1"), "35");
        EXPECT_EQ(DataField("Edit3"), "0.53");
        EXPECT_EQ(DataField("Edit4"), "0.35");
        EXPECT_EQ(DataField("Edit5"), QString());
        Click(d, "Button1");
    });
    EXPECT_EQ(water->Text("Edit11"), "SV20");
    EXPECT_EQ(water->Text("Edit12"), "1 1/2\"");
    EXPECT_EQ(water->Text("Edit1"), "7.0");
    EXPECT_EQ(water->Text("Edit6"), "0.35");
    EXPECT_EQ(water->Text("Edit8"), "0.00");
}

TEST_F(ValveDialogs, OkFillsOnlyTheCapacityWindowActivatedLast) {
    TestWindow* water = Water();
    TestWindow* air = Air();
    TestWindow* steam = Steam();
    water->Prefill();
    steam->Prefill();
    ShowAndActivate(water);
    ChooseValve(air, "SV20.N w Tandor 50DN20", "1/2\"", "8.0");
    EXPECT_EQ(air->Text("Edit11"), "SV20.N w Tandor 50DN20");
    EXPECT_EQ(air->Text("Edit6"), "0.27");
    EXPECT_EQ(air->Text("Edit4"), "8.80");
    EXPECT_TRUE(water->Untouched());
    EXPECT_TRUE(steam->Untouched());
    EXPECT_EQ(Dane::CardIndex, 4);
}

TEST_F(ValveDialogs, KeyboardChoosesAsAClickDoes) {
    ShowAndActivate(wybor);
    QListWidget* types = WyborList("ListBox_typ");
    types->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    EXPECT_EQ(Selected(types), QString()) << "taking the focus chooses nothing";
    EXPECT_EQ(WyborList("ListBox_Size")->count(), 0);
    QTest::keyClick(types, Qt::Key_End);
    EXPECT_EQ(Selected(types), kSV70);
    EXPECT_EQ(Items(WyborList("ListBox_Size")), QStringList{"1/2\""});
    QTest::keyClick(types, Qt::Key_Home);
    EXPECT_EQ(Selected(types), "SV10");
    EXPECT_EQ(Items(WyborList("ListBox_Size")), kSixSizes);
}

TEST_F(ValveDialogs, OnlyCapacityFlagsAreAccepted) {
    EXPECT_FALSE(wybor->AddWindow(&Dane::WaterSelectionActive, {}));
    EXPECT_FALSE(wybor->AddWindow(nullptr, {}));
    EXPECT_FALSE(dobor->AddWindow(&Dane::WaterCapacityActive, {}));
}

TEST_F(ValveDialogs, DestroyedWindowIsNoLongerFilled) {
    TestWindow* water = Water();
    ShowAndActivate(water);
    delete water;
    ASSERT_TRUE(Dane::WaterCapacityActive);
    wybor->show();
    ClickItem(WyborList("ListBox_typ"), QStringLiteral("SV10"));
    Click(wybor, "Button1");
    EXPECT_EQ(Dane::ChosenValveType, "SV10");
}

// ---- the valve type choice dialog -------------------------------------------

TEST_F(ValveDialogs, TypeChoiceFormAndCaptions) {
    dobor->EnsureBuilt();
    EXPECT_EQ(dobor->objectName(), "frmDobor");
    EXPECT_EQ(dobor->windowTitle(), "   Dobór zaworu bezpieczeństwa");
    EXPECT_EQ(Help::HelpContextOf(dobor), 19);
    QStringList groups;
    for (const QGroupBox* g : dobor->findChildren<QGroupBox*>())
        groups << g->title();
    EXPECT_EQ(groups, (QStringList{"Typ zaworu", "Ciśnienie"}));
    EXPECT_EQ(Items(Find<QListWidget>(dobor, QStringLiteral("ListBox_typ"))), kTypes);
    EXPECT_EQ(Find<QListWidget>(dobor, QStringLiteral("ListBox_Cisnienie"))->count(), 0);
    EXPECT_EQ(Find<QPushButton>(dobor, QStringLiteral("Button1"))->text(), "OK");
    EXPECT_EQ(Find<QPushButton>(dobor, QStringLiteral("Button2"))->text(), "Anuluj");
}

TEST_F(ValveDialogs, TypeClickFillsTheSetPressures) {
    dobor->show();
    for (const Catalogue::Type& type : Catalogue::Types()) {
        ClickItem(Find<QListWidget>(dobor, QStringLiteral("ListBox_typ")), type.text);
        EXPECT_EQ(Items(Find<QListWidget>(dobor, QStringLiteral("ListBox_Cisnienie"))),
                  QStringList(type.setPressureTexts.begin(), type.setPressureTexts.end()))
            << type.text.toStdString();
    }
}

TEST_F(ValveDialogs, TypeChoiceFillsTheWaterSelectionWindow) {
    TestWindow* water = Selection(QStringLiteral("frmDoborWater"), &Dane::WaterSelectionActive);
    water->Prefill();
    ChooseType(water, "SV20", "10.0");
    EXPECT_EQ(water->Text("Edit11"), "SV20");
    EXPECT_EQ(water->Text("Edit6"), "10.0");
    EXPECT_EQ(water->Edit2->text(), QString());
    EXPECT_EQ(Dane::ChosenValveType, "SV20");
    EXPECT_EQ(Dane::CardIndex, 1);
}

struct SelectionCase {
    const char* window;
    bool* flag;
    const char* typeField;
    const char* pressureField;
};

class TypeChoiceWindows : public ValveDialogs,
                          public ::testing::WithParamInterface<SelectionCase> {};

// Each selection window, activated after all the others, is the one filled.
TEST_P(TypeChoiceWindows, FillsTheSelectionWindowActivatedLast) {
    const SelectionCase& c = GetParam();
    const SelectionCase all[] = {
        {"frmDoborAir", &Dane::AirSelectionActive, "Edit11", "Edit6"},
        {"frmDoborWater", &Dane::WaterSelectionActive, "Edit11", "Edit6"},
        {"frmDoborPara", &Dane::SteamSelectionActive, "Edit11", "Edit6"},
        {"frmMoc", &Dane::PowerSelectionActive, "Edit11", "Edit6"},
        {"frmDoborMix", &Dane::MixSelectionActive, "Edit11", "Edit6"},
        {"frmWymiennik", &Dane::ExchangerSelectionActive, "Edit11", "Edit6"},
        {"frmPara_woda", &Dane::SteamWaterSelectionActive, "Edit9", "Edit10"},
        {"frmEkspansja", &Dane::ExpansionSelectionActive, "Edit8", "Edit9"}};
    std::vector<TestWindow*> others;
    TestWindow* target = nullptr;
    for (const SelectionCase& s : all) {
        TestWindow* w =
            Selection(QString::fromLatin1(s.window), s.flag, s.typeField, s.pressureField);
        w->Prefill();
        ShowAndActivate(w);
        w->hide();
        if (s.flag == c.flag)
            target = w;
        else
            others.push_back(w);
    }
    ASSERT_NE(target, nullptr);
    ChooseType(target, "SV20.N w Tandor 50DN20", "8.0");
    EXPECT_EQ(target->Text(c.typeField), "SV20.N w Tandor 50DN20");
    EXPECT_EQ(target->Text(c.pressureField), "8.0");
    for (TestWindow* w : others)
        EXPECT_TRUE(w->Untouched()) << w->objectName().toStdString();
    EXPECT_EQ(Dane::CardIndex, 4);
}

INSTANTIATE_TEST_SUITE_P(
    EveryWindow, TypeChoiceWindows,
    ::testing::Values(
        SelectionCase{"frmDoborAir", &Dane::AirSelectionActive, "Edit11", "Edit6"},
        SelectionCase{"frmDoborWater", &Dane::WaterSelectionActive, "Edit11", "Edit6"},
        SelectionCase{"frmDoborPara", &Dane::SteamSelectionActive, "Edit11", "Edit6"},
        SelectionCase{"frmMoc", &Dane::PowerSelectionActive, "Edit11", "Edit6"},
        SelectionCase{"frmDoborMix", &Dane::MixSelectionActive, "Edit11", "Edit6"},
        SelectionCase{"frmWymiennik", &Dane::ExchangerSelectionActive, "Edit11", "Edit6"},
        SelectionCase{"frmPara_woda", &Dane::SteamWaterSelectionActive, "Edit9", "Edit10"},
        SelectionCase{"frmEkspansja", &Dane::ExpansionSelectionActive, "Edit8", "Edit9"}));

TEST_F(ValveDialogs, ExchangerThenPowerFillsOnlyThePowerWindow) {
    TestWindow* exchanger = Selection(QStringLiteral("frmPara_woda"),
                                      &Dane::SteamWaterSelectionActive, "Edit9", "Edit10");
    TestWindow* moc = Selection(QStringLiteral("frmMoc"), &Dane::PowerSelectionActive);
    exchanger->Prefill();
    ShowAndActivate(exchanger);
    ChooseType(moc, "SV20.N w Tandor 50DN20", "6.0");
    EXPECT_EQ(moc->Text("Edit11"), "SV20.N w Tandor 50DN20");
    EXPECT_EQ(moc->Text("Edit6"), "6.0");
    EXPECT_TRUE(exchanger->Untouched());
}

TEST_F(ValveDialogs, CapacityActivationLeavesTheSelectionFlags) {
    TestWindow* exchanger = Selection(QStringLiteral("frmPara_woda"),
                                      &Dane::SteamWaterSelectionActive, "Edit9", "Edit10");
    ShowAndActivate(exchanger);
    TestWindow* water = Water();
    ShowAndActivate(water);
    water->Prefill();
    ASSERT_TRUE(Dane::SteamWaterSelectionActive);
    // The dialog is opened here directly: the capacity window is the active one.
    dobor->show();
    ClickItem(Find<QListWidget>(dobor, QStringLiteral("ListBox_typ")),
              QStringLiteral("SV20.N w Tandor 50DN20"));
    ClickItem(Find<QListWidget>(dobor, QStringLiteral("ListBox_Cisnienie")),
              QStringLiteral("10.0"));
    Click(dobor, "Button1");
    EXPECT_EQ(exchanger->Text("Edit9"), "SV20.N w Tandor 50DN20");
    EXPECT_EQ(exchanger->Text("Edit10"), "10.0");
    EXPECT_EQ(Dane::CardIndex, 4);
    EXPECT_TRUE(water->Untouched());
}

TEST_F(ValveDialogs, TypeClickClearsThePressureChoice) {
    TestWindow* air = Selection(QStringLiteral("frmDoborAir"), &Dane::AirSelectionActive);
    ChooseType(air, "SV10", "2.5");
    ASSERT_EQ(air->Text("Edit6"), "2.5");
    OpenFrom(air, [&](QDialog* d) {
        EXPECT_EQ(Selected(Find<QListWidget>(d, QStringLiteral("ListBox_typ"))), "SV10");
        EXPECT_EQ(Selected(Find<QListWidget>(d, QStringLiteral("ListBox_Cisnienie"))), "2.5");
        ClickItem(Find<QListWidget>(d, QStringLiteral("ListBox_typ")), kSV70);
        Click(d, "Button1");
    });
    EXPECT_EQ(air->Text("Edit11"), kSV70);
    EXPECT_EQ(air->Text("Edit6"), QString());
    EXPECT_EQ(Dane::CardIndex, 5);
}

TEST_F(ValveDialogs, TypeChoiceCancelWritesNothing) {
    TestWindow* water = Selection(QStringLiteral("frmDoborWater"), &Dane::WaterSelectionActive);
    water->Prefill();
    Dane::ChosenValveType = QStringLiteral("SV30");
    Dane::CardIndex = 2;
    ChooseType(water, "SV20", "10.0", "Button2");
    EXPECT_TRUE(water->Untouched());
    EXPECT_EQ(Dane::ChosenValveType, "SV30");
    EXPECT_EQ(Dane::CardIndex, 2);
}

TEST_F(ValveDialogs, TypeChoiceOkWithNothingChosenWritesEmptyTexts) {
    TestWindow* water = Selection(QStringLiteral("frmDoborWater"), &Dane::WaterSelectionActive);
    water->Prefill();
    Dane::ChosenValveType = QStringLiteral("SV30");
    Dane::CardIndex = 2;
    ChooseType(water, QString(), QString());
    EXPECT_EQ(water->Text("Edit11"), QString());
    EXPECT_EQ(water->Text("Edit6"), QString());
    EXPECT_EQ(Dane::ChosenValveType, QString());
    EXPECT_EQ(Dane::CardIndex, 2);
}

// ---- start-up ---------------------------------------------------------------

TEST_F(ValveDialogs, StartUpCreatesBothDialogsInTheMainWindow) {
    KalmoWindows windows = CreateWindows();
    std::unique_ptr<TfrmKalmo3> kalmo(windows.frmKalmo3);
    ASSERT_NE(windows.Get<TfrmWybor_zaworu>(), nullptr);
    ASSERT_NE(windows.Get<TfrmDobor>(), nullptr);
    EXPECT_EQ(windows.Get<TfrmWybor_zaworu>()->parent(), kalmo.get());
    EXPECT_EQ(windows.Get<TfrmDobor>()->parent(), kalmo.get());
    EXPECT_FALSE(windows.Get<TfrmWybor_zaworu>()->isVisible());
    EXPECT_FALSE(windows.Get<TfrmDobor>()->isVisible());
    EXPECT_EQ(kalmo->findChildren<TfrmWybor_zaworu*>().size(), 1);
    EXPECT_EQ(kalmo->findChildren<TfrmDobor*>().size(), 1);
}

} // namespace
