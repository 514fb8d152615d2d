// Start-up, the main window's menu and the three small dialogs.

#include "GuiTest.h"
#include "app/CalcWindow.h"
#include "app/Kalmo3.h"
#include "app/Koniec.h"
#include "app/Messages.h"
#include "app/NumEdit.h"
#include "app/Opcje.h"
#include "app/Oprogramie.h"
#include "app/Startup.h"
#include "app/Translations.h"
#include "app/WindowFrame.h"
#include "app/WindowList.h"
#include "capacity/Flow_water.h"
#include "data/Dane.h"
#include "selection/Dobor_air.h"
#include "selection/Moc.h"
#include "valves/Dobor_zaworu.h"
#include "valves/Wybor_zaworu.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

#include <memory>

namespace {

class Shell : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        windows = CreateWindows();
        main.reset(windows.frmKalmo3);
        ASSERT_TRUE(programDir.isValid());
    }

    // Starts the main window in a program directory of our own and runs its
    // start-up sequence, closing the about dialog with "OK".
    void Start(bool withSteamTable) {
        if (withSteamTable) {
            QFile table(programDir.filePath(QStringLiteral("para.dat")));
            ASSERT_TRUE(table.open(QIODevice::WriteOnly)); // empty
        }
        main->SetExecutableDir(programDir.path());
        onModal = [this](QDialog* dialog) {
            dialog->show();
            aboutVersion = dialog->findChild<QLabel*>(QStringLiteral("Label3"))->text();
            QTest::mouseClick(Find<QPushButton>(dialog, QStringLiteral("Button1")), Qt::LeftButton);
            return dialog->result();
        };
        QSignalSpy started(main.get(), &TfrmKalmo3::startupFinished);
        main->show();
        if (withSteamTable)
            EXPECT_TRUE(started.wait(5000));
        else
            QTRY_VERIFY(main->Terminating());
        onModal = nullptr;
    }

    // Answers the exit dialog with one of its buttons.
    void AnswerExitWith(const QString& button) {
        onModal = [button](QDialog* dialog) {
            dialog->show();
            QTest::mouseClick(dialog->findChild<QPushButton*>(button), Qt::LeftButton);
            return dialog->result();
        };
    }

    KalmoWindows windows;
    std::unique_ptr<TfrmKalmo3> main;
    QTemporaryDir programDir;
    QString aboutVersion;
};

TEST_F(Shell, MainWindowCaptionAndMenuTree) {
    EXPECT_EQ(main->windowTitle(), "   KALMO 7.0");
    struct Item {
        int top;
        const char* name;
        const char* text;
    };
    // A separator has neither name nor text.
    const Item items[] = {{0, "Otwrzobliczenia1", "Otwórz obliczenia…"},
                          {0, "Zapiszobliczenia1", "Zapisz obliczenia…"},
                          {0, "Ostatniootwierane1", "Ostatnio otwierane"},
                          {0, "", ""},
                          {0, "Podgldwydruku1", "Podgląd wydruku…"},
                          {0, "", ""},
                          {0, "Opcje1", "Opcje"},
                          {0, "Koniec1", "&Koniec"},
                          {1, "Powietrze1", "Powietrze"},
                          {1, "Parawodna1", "Para wodna nasycona"},
                          {1, "Woda1", "Woda"},
                          {2, "Parawodna2", "Para wodna nasycona"},
                          {2, "Moc1", "Moc (para)"},
                          {2, "Mocparawoda1", "Moc (para + woda)"},
                          {2, "Wymiennik1", "Wymiennik woda-woda (PN-B-02414)"},
                          {2, "Wymiennikparalubwoda1", "Wymiennik (para-woda)"},
                          {2, "Powietrze2", "Powietrze"},
                          {2, "Woda2", "Woda"},
                          {2, "Rozszerzalnocieplnawody1", "Rozszerzalność cieplna wody"},
                          {3, "Spistreci1", "Spis treści i indeks"},
                          {3, "Oprogramie1", "O programie"}};
    const char* tops[] = {"Plik", "Przepustowość", "Dobór", "Pomoc"};
    ASSERT_EQ(main->menuBar()->actions().size(), 4);
    int index[4] = {};
    for (const Item& item : items) {
        QMenu* menu = main->TopMenu(item.top);
        ASSERT_NE(menu, nullptr);
        EXPECT_EQ(menu->title(), QString::fromUtf8(tops[item.top]));
        const auto actions = menu->actions();
        ASSERT_LT(index[item.top], actions.size());
        QAction* action = actions[index[item.top]++];
        EXPECT_EQ(action->objectName(), QString::fromUtf8(item.name));
        EXPECT_EQ(action->text(), QString::fromUtf8(item.text));
    }
    for (int top = 0; top < 4; ++top)
        EXPECT_EQ(main->TopMenu(top)->actions().size(), index[top]) << "menu " << top;
}

TEST_F(Shell, StartShowsAboutThenRunsWithAnEmptySteamTable) {
    Start(true);
    EXPECT_EQ(modalsShown, std::vector<QString>{QStringLiteral("frmOprogramie")});
    EXPECT_EQ(aboutVersion, "KALMO wersja 7.00");
    EXPECT_TRUE(warnings.empty());
    EXPECT_FALSE(main->Terminating());
    EXPECT_EQ(Dane::ProgramDir, QDir(programDir.path()).absolutePath() + QLatin1Char('/'));
}

TEST_F(Shell, StartWithoutSteamTableWarnsAfterAboutAndEnds) {
    Start(false);
    EXPECT_EQ(modalsShown, std::vector<QString>{QStringLiteral("frmOprogramie")});
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_EQ(warnings[0],
              (Box{QStringLiteral("Brak pliku \"PARA.DAT\" !"), QStringLiteral("  Uwaga!")}));
    EXPECT_TRUE(main->Terminating());
}

TEST_F(Shell, ClosingAndAnsweringAnulujKeepsRunning) {
    Start(true);
    QWidget openWindow(main.get(), Qt::Dialog);
    openWindow.show();
    AnswerExitWith(QStringLiteral("Button2"));
    EXPECT_FALSE(main->close());
    EXPECT_EQ(modalsShown.back(), "frmKoniec");
    EXPECT_TRUE(main->isVisible());
    EXPECT_TRUE(openWindow.isVisible());
    EXPECT_FALSE(main->Terminating());

    AnswerExitWith(QStringLiteral("Button1"));
    EXPECT_TRUE(main->close());
    EXPECT_TRUE(main->Terminating());
}

TEST_F(Shell, KoniecMenuAsksTheSameQuestion) {
    AnswerExitWith(QStringLiteral("Button2"));
    main->Koniec1Click();
    EXPECT_FALSE(main->Terminating());
    AnswerExitWith(QStringLiteral("Button1"));
    main->Koniec1Click();
    EXPECT_TRUE(main->Terminating());
    EXPECT_EQ(modalsShown,
              (std::vector<QString>{QStringLiteral("frmKoniec"), QStringLiteral("frmKoniec")}));
}

TEST_F(Shell, ExitDialogAsksTheQuestion) {
    windows.Get<TfrmKoniec>()->show();
    EXPECT_EQ(windows.Get<TfrmKoniec>()->windowTitle(), "   Koniec pracy programu");
    EXPECT_NE(windows.Get<TfrmKoniec>()->findChild<QLabel*>(QStringLiteral("Label1")), nullptr);
    EXPECT_EQ(windows.Get<TfrmKoniec>()->findChild<QLabel*>(QStringLiteral("Label1"))->text(),
              "Czy zakończyć pracę programu?");
    EXPECT_FALSE(
        windows.Get<TfrmKoniec>()->findChild<QLabel*>(QStringLiteral("Image1"))->pixmap().isNull());
}

// Opens the options dialog from the menu, picks an item (or none) and presses a button.
class Options : public Shell {
protected:
    void Choose(int item, const QString& button) {
        onModal = [this, item, button](QDialog* dialog) {
            dialog->show();
            auto* group = Find<QWidget>(dialog, QStringLiteral("RadioGroup1"));
            selectedOnOpen = -1;
            for (int i = 0; i < 3; ++i)
                if (Find<QAbstractButton>(group, QStringLiteral("RadioGroup1Item%1").arg(i))
                        ->isChecked())
                    selectedOnOpen = i;
            if (item >= 0) {
                auto* b =
                    Find<QAbstractButton>(group, QStringLiteral("RadioGroup1Item%1").arg(item));
                // on the round indicator, as a user clicks
                QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2));
            }
            QTest::mouseClick(Find<QPushButton>(dialog, button), Qt::LeftButton);
            return dialog->result();
        };
        main->Opcje1Click();
    }
    int selectedOnOpen = -1;
};

TEST_F(Options, OkSetsThePrintMode) {
    Choose(2, QStringLiteral("Button1"));
    EXPECT_EQ(selectedOnOpen, 0);
    EXPECT_EQ(Dane::PrintMode, 2);
    Choose(1, QStringLiteral("Button1"));
    EXPECT_EQ(selectedOnOpen, 2);
    EXPECT_EQ(Dane::PrintMode, 1);
}

TEST_F(Options, AnulujKeepsThePrintMode) {
    Choose(2, QStringLiteral("Button2"));
    EXPECT_EQ(Dane::PrintMode, 0);
    Choose(-1, QStringLiteral("Button2"));
    EXPECT_EQ(selectedOnOpen, 0) << "the next opening selects the old mode again";
}

TEST_F(Options, DialogTexts) {
    TfrmOpcje* opcje = windows.Get<TfrmOpcje>();
    EXPECT_EQ(opcje->windowTitle(), "   Opcje programu");
    auto* group = Find<QGroupBox>(opcje, QStringLiteral("RadioGroup1"));
    EXPECT_EQ(group->title(), " Wydruk wyników obliczeń ");
    const char* texts[] = {"Drukuj tylko wyniki obliczeń (drukarka)",
                           "Drukuj wyniki obliczeń i kartę katalogową wybranego zaworu "
                           "bezpieczeństwa (drukarka)",
                           "Utwórz plik PDF z wynikami obliczeń"};
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(Find<QAbstractButton>(group, QStringLiteral("RadioGroup1Item%1").arg(i))->text(),
                  QString::fromUtf8(texts[i]));
    EXPECT_TRUE(opcje->windowFlags() & Qt::WindowStaysOnTopHint);
}

TEST_F(Shell, AboutDialogFromTheMenu) {
    onModal = [this](QDialog* dialog) {
        dialog->show();
        aboutVersion = Find<QLabel>(dialog, QStringLiteral("Label3"))->text();
        EXPECT_EQ(dialog->windowTitle(), "O programie");
        EXPECT_EQ(Find<QLabel>(dialog, QStringLiteral("Label1"))->text(),
                  "Program do obliczania przepustowości ");
        EXPECT_EQ(Find<QLabel>(dialog, QStringLiteral("Label2"))->text(),
                  "i doboru zaworów bezpieczeństwa");
        // The photograph is a JPEG beside the program.
        const QPixmap photo = Find<QLabel>(dialog, QStringLiteral("Image1"))->pixmap();
        EXPECT_FALSE(photo.isNull());
        EXPECT_GE(photo.width(), 200);
        const QString text = Find<QPlainTextEdit>(dialog, QStringLiteral("Memo1"))->toPlainText();
        EXPECT_TRUE(text.endsWith(QStringLiteral(
            "Użycie programu oznacza przyjęcie do wiadomości powyższych informacji.")));
        EXPECT_EQ(text.count(QStringLiteral("\n\n")), 2) << "three paragraphs";
        return int(QDialog::Accepted);
    };
    main->Oprogramie1Click();
    EXPECT_EQ(aboutVersion, "KALMO wersja 7.00");
}

// Start-up creates every window once in its fixed order; each menu item opens
// its window, whose activation sets its own flag and clears the other flags
// of its kind only; the choice dialogs' "OK" looks at the flags in its order.
TEST_F(Shell, EveryWindowInItsPlace) {
    QStringList created;
    for (QObject* child : main->children())
        if (child->isWidgetType() && static_cast<QWidget*>(child)->isWindow() &&
            !qobject_cast<QMenu*>(child))
            created << child->objectName();
    EXPECT_EQ(created, QStringList({"frmFlow_air", "frmWybor_zaworu", "frmFlow_water", "frmPara",
                                    "frmKoniec", "frmOprogramie", "frmDoborPara", "frmDobor",
                                    "frmMoc", "frmDoborAir", "frmDoborWater", "frmDoborMix",
                                    "frmWymiennik", "frmPara_woda", "frmEkspansja", "frmOpcje"}));

    using Dane::AirCapacityActive, Dane::SteamCapacityActive, Dane::WaterCapacityActive;
    using Dane::AirSelectionActive, Dane::SteamSelectionActive, Dane::WaterSelectionActive,
        Dane::MixSelectionActive, Dane::PowerSelectionActive, Dane::ExchangerSelectionActive,
        Dane::SteamWaterSelectionActive, Dane::ExpansionSelectionActive;
    const std::vector<bool*> capacity = {&AirCapacityActive, &SteamCapacityActive,
                                         &WaterCapacityActive};
    const std::vector<bool*> selection = {&AirSelectionActive,        &SteamSelectionActive,
                                          &WaterSelectionActive,      &MixSelectionActive,
                                          &PowerSelectionActive,      &ExchangerSelectionActive,
                                          &SteamWaterSelectionActive, &ExpansionSelectionActive};
    struct Window {
        const char* menuItem;
        const char* form;
        bool* flag;
        const std::vector<bool*>* kind;
    };
    const Window list[] = {
        {"Powietrze1", "frmFlow_air", &AirCapacityActive, &capacity},
        {"Parawodna1", "frmPara", &SteamCapacityActive, &capacity},
        {"Woda1", "frmFlow_water", &WaterCapacityActive, &capacity},
        {"Parawodna2", "frmDoborPara", &SteamSelectionActive, &selection},
        {"Moc1", "frmMoc", &PowerSelectionActive, &selection},
        {"Mocparawoda1", "frmDoborMix", &MixSelectionActive, &selection},
        {"Wymiennik1", "frmWymiennik", &ExchangerSelectionActive, &selection},
        {"Wymiennikparalubwoda1", "frmPara_woda", &SteamWaterSelectionActive, &selection},
        {"Powietrze2", "frmDoborAir", &AirSelectionActive, &selection},
        {"Woda2", "frmDoborWater", &WaterSelectionActive, &selection},
        {"Rozszerzalnocieplnawody1", "frmEkspansja", &ExpansionSelectionActive, &selection},
    };
    Start(true);
    for (const Window& w : list) {
        for (const auto* kind : {&capacity, &selection})
            for (bool* flag : *kind)
                *flag = true;
        Find<QAction>(main.get(), QString::fromLatin1(w.menuItem))->trigger();
        auto* window = Find<QWidget>(main.get(), QString::fromLatin1(w.form));
        ASSERT_TRUE(window && window->isVisible()) << w.menuItem;
        ShowAndActivate(window);
        for (const auto* kind : {&capacity, &selection})
            for (bool* flag : *kind)
                EXPECT_EQ(*flag, flag == w.flag || kind != w.kind) << w.form;
        window->close();
    }

    EXPECT_EQ(WindowList::FillOrder(CalcWindow::Group::Capacity),
              (std::vector<bool*>{&AirCapacityActive, &WaterCapacityActive, &SteamCapacityActive}));
    EXPECT_EQ(
        WindowList::FillOrder(CalcWindow::Group::Selection),
        (std::vector<bool*>{&AirSelectionActive, &WaterSelectionActive, &SteamSelectionActive,
                            &PowerSelectionActive, &MixSelectionActive, &ExchangerSelectionActive,
                            &SteamWaterSelectionActive, &ExpansionSelectionActive}));
}

// Every field a window looks up by its record member is in the window: built,
// shown, typed into and switched through its radio groups, no window has
// needed the stand-in of a missing field.
TEST_F(Shell, EveryFieldAWindowLooksUpIsThere) {
    for (CalcWindow* window : main->findChildren<CalcWindow*>(Qt::FindDirectChildrenOnly)) {
        ShowAndActivate(window);
        for (QAbstractButton* item : window->findChildren<QRadioButton*>())
            item->click();
        for (NumEdit* edit : window->findChildren<NumEdit*>())
            if (edit->isEnabled() && !edit->isReadOnly())
                QTest::keyClicks(edit, QStringLiteral("1"));
        for (QAbstractButton* item : window->findChildren<QRadioButton*>())
            item->click();
        EXPECT_EQ(window->findChild<QLineEdit*>(QStringLiteral("MissingField")), nullptr)
            << window->objectName().toStdString();
        window->close();
    }
}

// "Przepustowość" and "Dobór" are locked exactly while a calculation window is
// shown, whatever order activation, close and hide come in: a window manager
// may deliver the activation of the click on "Anuluj" after the window closed.
TEST_F(Shell, CalculationMenusFollowWhatIsShown) {
    const auto menusEnabled = [this] {
        return main->TopMenu(1)->menuAction()->isEnabled() &&
               main->TopMenu(2)->menuAction()->isEnabled();
    };
    struct Way {
        const char* what;
        void (*close)(QWidget*);
    };
    const Way ways[] = {
        {"Anuluj",
         [](QWidget* w) {
             for (QPushButton* b : w->findChildren<QPushButton*>())
                 if (b->text() == QStringLiteral("Anuluj"))
                     return QTest::mouseClick(b, Qt::LeftButton);
             ADD_FAILURE() << "no \"Anuluj\"";
         }},
        {"close box", [](QWidget* w) { w->close(); }},
        {"hide", [](QWidget* w) { w->hide(); }},
    };
    Start(true);
    for (QWidget* window : {static_cast<QWidget*>(windows.Get<TfrmFlow_water>()),
                            static_cast<QWidget*>(windows.Get<TfrmMoc>())}) {
        for (const Way& way : ways) {
            const std::string what = window->objectName().toStdString() + ", " + way.what;
            ShowAndActivate(window);
            EXPECT_FALSE(menusEnabled()) << what;
            ShowAndActivate(main.get());
            EXPECT_FALSE(menusEnabled()) << what << ": deactivation does not unlock";
            way.close(window);
            QEvent lateActivation(QEvent::WindowActivate);
            QApplication::sendEvent(window, &lateActivation);
            EXPECT_TRUE(menusEnabled()) << what;
        }
    }

    // "Anuluj" in the exit dialog changes nothing either way.
    ShowAndActivate(windows.Get<TfrmDoborAir>());
    AnswerExitWith(QStringLiteral("Button2"));
    main->Koniec1Click();
    ShowAndActivate(main.get());
    EXPECT_FALSE(menusEnabled());
    windows.Get<TfrmDoborAir>()->close();
    main->Koniec1Click();
    ShowAndActivate(main.get());
    EXPECT_TRUE(menusEnabled());
}

// The action of a field's context menu whose (untranslated) text starts so, or
// nullptr; the menu goes with the field.
QAction* ContextMenuAction(QLineEdit* field, const char* start) {
    QMenu* menu = field->createStandardContextMenu();
    menu->setParent(field, menu->windowFlags());
    for (QAction* action : menu->actions())
        if (action->text().startsWith(QLatin1String(start)))
            return action;
    return nullptr;
}

// No read-only field of a calculation window or a choice dialog takes text,
// typed, pasted or dropped; copying from it still works.
TEST_F(Shell, ReadOnlyFieldsTakeNoText) {
    std::vector<QWidget*> forms = {windows.Get<TfrmWybor_zaworu>(), windows.Get<TfrmDobor>()};
    for (QWidget* w : main->findChildren<CalcWindow*>(Qt::FindDirectChildrenOnly))
        forms.push_back(w);
    int checked = 0;
    for (QWidget* form : forms) {
        ShowAndActivate(form);
        for (QLineEdit* field : form->findChildren<QLineEdit*>()) {
            if (!field->isReadOnly())
                continue;
            const std::string what =
                form->objectName().toStdString() + "." + field->objectName().toStdString();
            field->setText(QStringLiteral("5.50"));
            field->setFocus();
            field->setCursorPosition(0);
            QTest::keyClicks(field, QStringLiteral("1,2"));
            QTest::keyClick(field, Qt::Key_Delete);
            QTest::keyClick(field, Qt::Key_End);
            QTest::keyClick(field, Qt::Key_Backspace);
            QApplication::clipboard()->setText(QStringLiteral("9"));
            if (QAction* paste = ContextMenuAction(field, "&Paste"))
                paste->trigger(); // a read-only field offers none

            QMimeData data;
            data.setText(QStringLiteral("7"));
            const QPointF at(field->rect().center());
            QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(field, &drop);
            EXPECT_EQ(field->text(), "5.50") << what;
            field->selectAll();
            QAction* copy = ContextMenuAction(field, "&Copy");
            ASSERT_NE(copy, nullptr) << what;
            copy->trigger();
            EXPECT_EQ(QApplication::clipboard()->text(), "5.50") << what;
            ++checked;
        }
        form->hide();
    }
    // The valve and result fields of eleven windows and the choice dialog's data.
    EXPECT_GT(checked, 60);
}

} // namespace

// The standard dialogs and context menus speak Polish whatever the process
// locale (the tests run under C.UTF-8).
TEST_F(Shell, StandardTextsArePolish) {
    QTranslator* polish = Translations::InstallPolish(qApp);
    ASSERT_NE(polish, nullptr) << "qt6-translations-l10n is needed";
    QDialogButtonBox buttons(QDialogButtonBox::Save | QDialogButtonBox::Cancel);
    EXPECT_EQ(buttons.button(QDialogButtonBox::Save)->text().remove('&'), "Zachowaj");
    EXPECT_EQ(buttons.button(QDialogButtonBox::Cancel)->text().remove('&'), "Anuluj");
    EXPECT_EQ(QCoreApplication::translate("QLineEdit", "&Paste").remove('&'), "Wklej");
    QCoreApplication::removeTranslator(polish);
    delete polish;
}

// Every calculation window and dialog has the fixed dialog frame: a title and a
// close box, no minimise or maximise button.
TEST_F(Shell, WindowsAndDialogsHaveTheFixedFrame) {
    int framed = 0;
    for (QWidget* w : main->findChildren<QWidget*>()) {
        if (!w->isWindow() || qobject_cast<QMenu*>(w))
            continue;
        EXPECT_TRUE(HasDialogFrame(w)) << w->objectName().toStdString();
        ++framed;
    }
    // Eleven calculation windows, two choice dialogs, options, exit and about.
    EXPECT_EQ(framed, 16);
}

// "Podgląd wydruku…" (Ctrl+P, also from a calculation window) previews the
// calculation window activated last while it is shown; without one, or without
// a calculation in it, it says so and shows nothing.
TEST_F(Shell, PrintPreviewOfTheCurrentCalculationWindowOrWhyNot) {
    Start(true);
    QAction* preview = main->findChild<QAction*>(QStringLiteral("Podgldwydruku1"));
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(preview->shortcut(), QKeySequence(QStringLiteral("Ctrl+P")));
    EXPECT_EQ(preview->shortcutContext(), Qt::ApplicationShortcut);

    preview->trigger();
    EXPECT_EQ(warnings, (std::vector<Box>{
                            {QStringLiteral("Nie otwarto okna obliczeń – nie ma czego pokazać."),
                             Messages::Caution()}}));

    QWidget* water = windows.Get<TfrmFlow_water>();
    QWidget* moc = windows.Get<TfrmMoc>();
    ShowAndActivate(water);
    ShowAndActivate(moc);
    water->hide();
    EXPECT_EQ(main->CurrentCalculation(), moc);
    warnings.clear();
    QTest::keyClick(moc, Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(warnings,
              (std::vector<Box>{{QStringLiteral("Nie wykonano obliczeń. Brak danych do wydruku!"),
                                 Messages::Caution()}}));
}
