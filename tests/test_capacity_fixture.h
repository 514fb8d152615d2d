#pragma once
// The three capacity windows as the program creates them: the main window, the
// air window, the valve choice dialog, the water and the steam window, each
// window registered with the dialog and the main window's menu. Tests open a
// window from the menu, choose a valve in the real dialog, type with key
// events and press the window's buttons.

#include "GuiTest.h"

#include "app/Kalmo3.h"
#include "app/NumEdit.h"
#include "capacity/Flow_air.h"
#include "capacity/Flow_steam.h"
#include "capacity/Flow_water.h"
#include "data/Dane.h"
#include "report/ReportOutput.h"
#include "valves/Wybor_zaworu.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

class CapacityWindowTest : public GuiTest {
public:
    // The valve choice dialog shown and answered: type, size and set pressure
    // clicked, then "OK"; its result.
    static int AnswerValveChoice(QDialog* dialog, const QString& type, const QString& size,
                                 const QString& pressure) {
        dialog->show();
        ClickItem(Find<QListWidget>(dialog, QStringLiteral("ListBox_typ")), type);
        ClickItem(Find<QListWidget>(dialog, QStringLiteral("ListBox_Size")), size);
        ClickItem(Find<QListWidget>(dialog, QStringLiteral("ListBox_Cisnienie")), pressure);
        QTest::mouseClick(Find<QPushButton>(dialog, QStringLiteral("Button1")), Qt::LeftButton);
        return dialog->result();
    }

protected:
    void SetUp() override {
        GuiTest::SetUp();
        ASSERT_TRUE(work.isValid());
        main = std::make_unique<TfrmKalmo3>();
        // The start-up order: air, the valve choice dialog, water, steam.
        air = new TfrmFlow_air(main.get());
        wybor = new TfrmWybor_zaworu(main.get());
        water = new TfrmFlow_water(main.get());
        steam = new TfrmPara(main.get());
        Register(air, &Dane::AirCapacityActive);
        Register(water, &Dane::WaterCapacityActive);
        Register(steam, &Dane::SteamCapacityActive);
        Report::SetCardPrinter([this](const QString& card) { cards.push_back(card); });
    }

    void TearDown() override {
        Report::SetCardPrinter(nullptr);
        GuiTest::TearDown();
        main.reset();
    }

    void Register(FormWindow* window, bool* flag) {
        window->SetChoiceDialog(wybor);
        EXPECT_TRUE(wybor->AddWindow(flag, window->ValveFields()));
    }

    // "Przepustowość" > "Powietrze" (Powietrze1), "Para wodna nasycona"
    // (Parawodna1) or "Woda" (Woda1); the window shows and becomes active.
    void OpenFromMenu(const char* item, QWidget* window) {
        QAction* action = main->findChild<QAction*>(QString::fromLatin1(item));
        ASSERT_NE(action, nullptr) << item;
        ASSERT_TRUE(action->isEnabled());
        action->trigger();
        ASSERT_TRUE(window->isVisible());
        ShowAndActivate(window);
    }
    void OpenWater() { OpenFromMenu("Woda1", water); }
    void OpenSteam() { OpenFromMenu("Parawodna1", steam); }
    void OpenAir() { OpenFromMenu("Powietrze1", air); }

    static QLineEdit* Field(QWidget* window, const char* name) {
        return Find<QLineEdit>(window, QString::fromLatin1(name));
    }
    static QString Text(QWidget* window, const char* name) { return Field(window, name)->text(); }
    static QPushButton* Button(QWidget* window, const char* name) {
        return Find<QPushButton>(window, QString::fromLatin1(name));
    }
    static void Click(QWidget* window, const char* button) {
        QTest::mouseClick(Button(window, button), Qt::LeftButton);
    }

    // The controls the Tab key visits from `first`, in order, until it comes back.
    static QStringList TabOrder(QWidget* window, const char* first) {
        QWidget* start = window->findChild<QWidget*>(QString::fromLatin1(first));
        start->setFocus(Qt::TabFocusReason);
        QStringList order{start->objectName()};
        for (int i = 0; i < 40; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            if (QApplication::focusWidget() == start)
                break;
            order << QApplication::focusWidget()->objectName();
        }
        return order;
    }

    // Types into a field as a user does (the old text selected and overwritten)
    // and leaves it with Tab.
    static void Type(QWidget* window, const char* name, const QString& text) {
        QLineEdit* field = Field(window, name);
        field->setFocus(Qt::TabFocusReason);
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, text);
        QTest::keyClick(field, Qt::Key_Tab);
    }

    static void ClickItem(QListWidget* list, const QString& text) {
        const QList<QListWidgetItem*> items = list->findItems(text, Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1)
            << list->objectName().toStdString() << ": " << text.toStdString();
        list->scrollToItem(items.front());
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(items.front()).center());
    }

    // "Wybór zaworu": the valve choice dialog runs modally; type, size and set
    // pressure are clicked in it, then "OK".
    void ChooseValve(QWidget* window, const QString& type, const QString& size,
                     const QString& pressure) {
        onModal = [&](QDialog* dialog) {
            EXPECT_EQ(dialog, wybor);
            // It belongs to the window that opened it and blocks only it and
            // the main window.
            EXPECT_EQ(dialog->parentWidget(), window);
            EXPECT_EQ(dialog->windowModality(), Qt::WindowModal);
            return AnswerValveChoice(dialog, type, size, pressure);
        };
        Click(window, "Button3");
        onModal = nullptr;
        ShowAndActivate(window);
    }

    // Answers the save dialog of print mode 2 with `file`.
    void SaveAs(const QString& file) {
        onModal = [this, file](QDialog* dialog) {
            auto* save = qobject_cast<QFileDialog*>(dialog);
            EXPECT_NE(save, nullptr);
            if (!save)
                return int(QDialog::Rejected);
            saveTitle = save->windowTitle();
            save->selectFile(file);
            return int(QDialog::Accepted);
        };
    }

    // Answers the print dialog of print modes 0 and 1: the printer writes `file`.
    void PrintTo(const QString& file) {
        onModal = [file](QDialog* dialog) {
            auto* print = qobject_cast<QPrintDialog*>(dialog);
            EXPECT_NE(print, nullptr);
            if (!print)
                return int(QDialog::Rejected);
            print->printer()->setOutputFormat(QPrinter::PdfFormat);
            print->printer()->setOutputFileName(file);
            return int(QDialog::Accepted);
        };
    }

    // The print button in PDF mode, the file written and read back page by page.
    std::vector<QString> PrintPdf(QWidget* window, const QString& name) {
        Dane::PrintMode = Dane::CreatePdf;
        const QString file = work.filePath(name);
        SaveAs(file);
        Click(window, "Button4");
        onModal = nullptr;
        return PdfPages(file);
    }

    // The pages of a PDF file as pdftotext lays them out; none without poppler.
    static std::vector<QString> PdfPages(const QString& file) {
        std::vector<QString> pages;
        if (!QFileInfo(file).isFile()) {
            ADD_FAILURE() << "no file " << file.toStdString();
            return pages;
        }
        for (int page = 1;; ++page) {
            QProcess p;
            p.start(QStringLiteral(KALMO_PDFTOTEXT),
                    {QStringLiteral("-layout"), QStringLiteral("-f"), QString::number(page),
                     QStringLiteral("-l"), QString::number(page), file, QStringLiteral("-")});
            if (!p.waitForFinished(30000) || p.exitCode() != 0)
                break;
            pages.push_back(QString::fromUtf8(p.readAllStandardOutput()));
        }
        return pages;
    }

    static bool HavePdfToText() {
        return QFileInfo(QStringLiteral(KALMO_PDFTOTEXT)).isExecutable();
    }

    std::unique_ptr<TfrmKalmo3> main;
    TfrmFlow_air* air = nullptr;
    TfrmWybor_zaworu* wybor = nullptr;
    TfrmFlow_water* water = nullptr;
    TfrmPara* steam = nullptr;
    QTemporaryDir work;
    std::vector<QString> cards;
    QString saveTitle;
};

// Skips a check of a PDF's text when poppler's pdftotext is not installed.
#define REQUIRE_PDFTOTEXT()                                                                        \
    if (!HavePdfToText())                                                                          \
    GTEST_SKIP() << "pdftotext (poppler-utils) is not installed: the PDF text is not checked"

// Whether a page read back by pdftotext holds a line. The text is laid out
// again from the glyph positions, so runs of blanks are compared as one; the
// exact report lines are checked on the report content.
inline bool HasLine(const QString& page, const QString& line) {
    static const QRegularExpression blanks(QStringLiteral(" +"));
    QString p = page, l = line;
    return p.replace(blanks, QStringLiteral(" ")).contains(l.replace(blanks, QStringLiteral(" ")));
}
