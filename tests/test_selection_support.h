#pragma once
// What the window tests of the selection windows share: the main window and the
// valve type dialog, typing into fields as a user does, choosing a valve type in
// the dialog through the window's "Wybór zaworu", program directories of a
// test's own, and the PDF report read back with pdftotext.

#include "GuiTest.h"
#include "app/Kalmo3.h"
#include "app/RecordWindow.h"
#include "data/Dane.h"
#include "report/ReportOutput.h"
#include "valves/Dobor_zaworu.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QTest>

#include <memory>
#include <vector>

class SelectionWindowTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        main = std::make_unique<TfrmKalmo3>();
        dobor = new TfrmDobor(main.get());
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        work = QStringLiteral(KALMO_TEST_WORK_DIR "/") +
               QString::fromUtf8(info->test_suite_name()) + QLatin1Char('.') +
               QString::fromUtf8(info->name());
        QDir(work).removeRecursively();
        QDir().mkpath(work);
        Report::SetCardPrinter([this](const QString& card) { cards.push_back(card); });
    }
    void TearDown() override {
        Report::SetCardPrinter(nullptr);
        GuiTest::TearDown();
    }

    // Wired as at start: "Wybór zaworu" runs the dialog, and "OK" there fills
    // the window's type and set pressure while its selection flag is set.
    void Connect(FormWindow* window, bool* selectionFlag) {
        window->SetChoiceDialog(dobor);
        EXPECT_TRUE(
            dobor->AddLazyWindow(selectionFlag, [window] { return window->ValveTypeFields(); }));
    }

    static QLineEdit* Field(const QWidget* window, const char* name) {
        return Find<QLineEdit>(window, QString::fromLatin1(name));
    }
    static QString Text(const QWidget* window, const char* name) {
        const QLineEdit* field = Field(window, name);
        return field ? field->text() : QStringLiteral("<no field>");
    }

    // Replaces the text of a field by typing, then leaves it with Tab.
    static void Type(QWidget* window, const char* name, const QString& text) {
        QLineEdit* field = Field(window, name);
        ASSERT_NE(field, nullptr);
        field->setFocus();
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Delete);
        QTest::keyClicks(field, text);
        QTest::keyClick(field, Qt::Key_Tab);
    }

    static void Click(QWidget* window, const char* button) {
        QPushButton* b = Find<QPushButton>(window, QString::fromLatin1(button));
        ASSERT_NE(b, nullptr);
        QTest::mouseClick(b, Qt::LeftButton);
    }

    static void ClickItem(QListWidget* list, const QString& text) {
        const QList<QListWidgetItem*> items = list->findItems(text, Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1) << text.toStdString();
        list->scrollToItem(items.front());
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(items.front()).center());
    }

    // "Wybór zaworu" in the window (`button`), then the type and the set
    // pressure in the valve type dialog, then "OK".
    void ChooseType(QWidget* window, const QString& type, const QString& pressure,
                    const char* button = "Button3") {
        onModal = [&](QDialog* dialog) {
            EXPECT_EQ(dialog, static_cast<QDialog*>(dobor));
            EXPECT_EQ(dialog->parentWidget(), window);
            EXPECT_EQ(dialog->windowModality(), Qt::WindowModal);
            dialog->show();
            ClickItem(Find<QListWidget>(dialog, QStringLiteral("ListBox_typ")), type);
            ClickItem(Find<QListWidget>(dialog, QStringLiteral("ListBox_Cisnienie")), pressure);
            QTest::mouseClick(Find<QPushButton>(dialog, QStringLiteral("Button1")), Qt::LeftButton);
            return dialog->result();
        };
        Click(window, button);
        onModal = nullptr;
    }

    // A program directory of the test's own holding copies of these files of
    // the build's program directory, and what else the test writes into it.
    QString OwnProgramDir(const QStringList& files) const {
        const QString dir = work + QStringLiteral("/program/");
        QDir().mkpath(dir);
        for (const QString& f : files)
            EXPECT_TRUE(QFile::copy(Dane::ProgramDir + f, dir + f)) << f.toStdString();
        return dir;
    }

    // Every formula bitmap, the logo and the PDF component.
    QStringList ReportFiles() const {
        return QDir(Dane::ProgramDir)
            .entryList({QStringLiteral("*.bmp"), QStringLiteral("libdspdf*")}, QDir::Files);
    }

    // "Utwórz PDF" (`button`) in print mode 2, the save dialog answered with
    // `name` in the test's folder; the path of the file, which exists when it
    // was written.
    QString SavePdf(QWidget* window, const QString& name, const char* button = "Button4") {
        const QString path = work + QLatin1Char('/') + name;
        Dane::PrintMode = Dane::CreatePdf;
        onModal = [path](QDialog* dialog) {
            auto* save = qobject_cast<QFileDialog*>(dialog);
            EXPECT_NE(save, nullptr);
            if (!save)
                return int(QDialog::Rejected);
            save->selectFile(path);
            return int(QDialog::Accepted);
        };
        Click(window, button);
        onModal = nullptr;
        return path;
    }

    // The text of a PDF file, line by line, every run of blanks made one blank
    // (the reader guesses blanks from the gaps between words).
    static QStringList PdfLines(const QString& pdf) {
        const QString tool = QString::fromLocal8Bit(KALMO_PDFTOTEXT);
        if (!QFileInfo(tool).isExecutable()) {
            ADD_FAILURE() << "poppler-utils (pdftotext) is needed";
            return {};
        }
        QProcess p;
        p.start(tool, {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        p.waitForFinished(30000);
        QStringList lines;
        for (const QString& line : QString::fromUtf8(p.readAllStandardOutput()).split('\n'))
            if (!line.simplified().isEmpty())
                lines << line.simplified();
        return lines;
    }

    // Every text line of the report appears in the PDF, in the report's order.
    static void ExpectInOrder(const QStringList& pdf, const Report::Content& report) {
        int at = 0;
        for (const Report::Element& e : report.elements) {
            if (e.IsBitmap() || !e.pdf.Drawn())
                continue;
            const QString want = e.text.simplified();
            const int found = pdf.indexOf(want, at);
            EXPECT_GE(found, 0) << "not in the PDF (in order): " << want.toStdString();
            if (found >= 0)
                at = found + 1;
        }
    }

    std::unique_ptr<TfrmKalmo3> main;
    TfrmDobor* dobor = nullptr;
    QString work;
    std::vector<QString> cards;
};
