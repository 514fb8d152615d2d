// The monkey: every calculation window the program creates at start (the
// CalcWindow children of its main window, so a window added later is driven
// too), each under a seeded stream of random keys, pastes, drops, clicks on its
// buttons and answers to its dialogs. It fails on a crash, a modal dialog that
// is none of the window's (choice, print or save dialog), a warning without
// text or with another caption, and on a result or display field, a warning or
// a printed report line showing "nan", "inf" or a number text that does not
// read back.
//
// KALMO_MONKEY_EVENTS sets the events per window (ctest: 2000) and
// KALMO_MONKEY_SEED the seed (17), KALMO_MONKEY_WINDOW one window's form name,
// for a long run by hand:
//   KALMO_MONKEY_EVENTS=100000 build/tests/test_monkey

#include "GuiTest.h"

#include "app/CalcWindow.h"
#include "app/Kalmo3.h"
#include "app/Messages.h"
#include "app/Startup.h"
#include "data/Convert.h"
#include "data/Dane.h"
#include "report/Report.h"
#include "report/ReportOutput.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <random>

namespace {

int EnvNumber(const char* name, int fallback) {
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok && value > 0 ? value : fallback;
}

// "nan", "inf" or "infinity" as a word, in any case.
bool ShowsNonFinite(const QString& text) {
    static const QRegularExpression word(QStringLiteral("\\b(nan|inf|infinity)\\b"),
                                         QRegularExpression::CaseInsensitiveOption);
    return word.match(text).hasMatch();
}

// A text made of digits, points, commas, blanks and a leading minus that does not
// read as a number, such as a result above the largest double. Other texts
// (a valve type, a size, an empty field) pass.
bool IsBadNumberText(const QString& text) {
    static const QRegularExpression number(QStringLiteral("^ *-? *[0-9][0-9 ]*([.,][0-9]*)?$"));
    if (!number.match(text).hasMatch())
        return false;
    QString plain = text;
    plain.remove(QLatin1Char(' '));
    plain.replace(QLatin1Char(','), QLatin1Char('.'));
    double value = 0;
    return Convert::Val(plain, value) != 0;
}

// What the monkey types, pastes and drops.
const QStringList kTexts = {
    QStringLiteral("1e308"),
    QStringLiteral("99999999"),
    QStringLiteral("-1"),
    QStringLiteral("-2"),
    QStringLiteral("1.2.3"),
    QStringLiteral("."),
    QString(),
    QStringLiteral("0"),
    QStringLiteral("10"),
    QStringLiteral("25"),
    QStringLiteral("5.5"),
    QStringLiteral("nan"),
    QStringLiteral("inf"),
    QStringLiteral("-273.16"),
    QStringLiteral("1,5"),
    QStringLiteral(" 12"),
    QStringLiteral("abc"),
    QStringLiteral("0.0001"),
    QStringLiteral("149.9"),
    QStringLiteral("200"),
    QString(400, QLatin1Char('9')),
    QStringLiteral("1e-400"),
    QStringLiteral("6"),
    QStringLiteral("100"),
};

// Values a user of the windows would type, so that some calculations succeed
// and their reports print.
const std::vector<QString> kPlausible = {
    QStringLiteral("10"),  QStringLiteral("20"),   QStringLiteral("25"), QStringLiteral("0.5"),
    QStringLiteral("2"),   QStringLiteral("6"),    QStringLiteral("16"), QStringLiteral("90"),
    QStringLiteral("100"), QStringLiteral("1000"), QStringLiteral("50")};

struct Key {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
};

const std::vector<Key> kKeys = {
    {Qt::Key_0},
    {Qt::Key_1},
    {Qt::Key_2},
    {Qt::Key_5},
    {Qt::Key_9},
    {Qt::Key_Period},
    {Qt::Key_Comma},
    {Qt::Key_Minus},
    {Qt::Key_E},
    {Qt::Key_A},
    {Qt::Key_Space},
    {Qt::Key_Backspace},
    {Qt::Key_Delete},
    {Qt::Key_Home},
    {Qt::Key_End},
    {Qt::Key_Left},
    {Qt::Key_Right},
    {Qt::Key_Up},
    {Qt::Key_Down},
    {Qt::Key_Tab},
    {Qt::Key_Backtab},
    {Qt::Key_Return},
    {Qt::Key_Escape},
    {Qt::Key_Insert},
    {Qt::Key_PageUp},
    {Qt::Key_V, Qt::ControlModifier},
    {Qt::Key_X, Qt::ControlModifier},
    {Qt::Key_Z, Qt::ControlModifier},
    {Qt::Key_Insert, Qt::ShiftModifier},
    {Qt::Key_A, Qt::ControlModifier},
};

class Monkey : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        ASSERT_TRUE(work.isValid());
        windows = CreateWindows();
        Report::SetCardPrinter([](const QString&) {});
        onModal = [this](QDialog* dialog) { return Answer(dialog); };
    }
    void TearDown() override {
        Report::SetCardPrinter(nullptr);
        GuiTest::TearDown();
        delete windows.frmKalmo3;
    }

    template <class T> T* Pick(const QList<T*>& items) {
        return items.isEmpty() ? nullptr : items[int(rng() % unsigned(items.size()))];
    }
    bool Chance(unsigned percent) { return rng() % 100 < percent; }
    QString AnyText() {
        if (Chance(30)) { // a run of digits with a point somewhere
            QString digits;
            const int n = 1 + int(rng() % 12);
            for (int i = 0; i < n; ++i)
                digits += Chance(10) ? QLatin1Char('.') : QChar(QLatin1Char('0' + rng() % 10));
            return digits;
        }
        return kTexts[int(rng() % unsigned(kTexts.size()))];
    }

    // The window's dialogs, answered at random; any other modal dialog fails.
    int Answer(QDialog* dialog) {
        if (dialog->objectName() == QLatin1String("frmWybor_zaworu") ||
            dialog->objectName() == QLatin1String("frmDobor")) {
            dialog->show();
            for (QListWidget* list : dialog->findChildren<QListWidget*>()) {
                if (list->count() == 0 || Chance(10))
                    continue;
                QListWidgetItem* item = list->item(int(rng() % unsigned(list->count())));
                list->scrollToItem(item);
                QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                                  list->visualItemRect(item).center());
            }
            const char* button = Chance(85) ? "Button1" : "Button2";
            if (QPushButton* b = dialog->findChild<QPushButton*>(QLatin1String(button)))
                QTest::mouseClick(b, Qt::LeftButton);
            dialog->hide();
            return dialog->result();
        }
        if (auto* print = qobject_cast<QPrintDialog*>(dialog)) {
            if (Chance(30))
                return int(QDialog::Rejected);
            pdf = work.filePath(QStringLiteral("printed.pdf"));
            print->printer()->setOutputFormat(QPrinter::PdfFormat);
            print->printer()->setOutputFileName(pdf);
            return int(QDialog::Accepted);
        }
        if (auto* save = qobject_cast<QFileDialog*>(dialog)) {
            if (Chance(30))
                return int(QDialog::Rejected);
            pdf = work.filePath(QStringLiteral("saved.pdf"));
            save->selectFile(pdf);
            return int(QDialog::Accepted);
        }
        ADD_FAILURE() << "unexpected modal dialog " << dialog->objectName().toStdString();
        return int(QDialog::Rejected);
    }

    // One random event on the window.
    void Event(CalcWindow* window) {
        const QList<QLineEdit*> edits = window->findChildren<QLineEdit*>();
        QList<QWidget*> inputs;
        for (QLineEdit* e : edits)
            if (!e->isReadOnly() && e->isEnabled())
                inputs << e;
        for (QSpinBox* s : window->findChildren<QSpinBox*>())
            inputs << s;
        QList<QAbstractButton*> buttons;
        for (QAbstractButton* b : window->findChildren<QAbstractButton*>())
            if (b->isVisible() && b->isEnabled())
                buttons << b;

        const unsigned kind = rng() % 100;
        QWidget* target = Pick(inputs);
        if (kind < 15 && target) { // a whole text typed over the field's, then Tab
            target->setFocus(Qt::MouseFocusReason);
            QTest::keyClick(target, Qt::Key_End);
            for (int i = 0; i < 30; ++i)
                QTest::keyClick(target, Qt::Key_Backspace);
            QTest::keyClicks(target,
                             Chance(60) ? kPlausible[rng() % kPlausible.size()] : AnyText());
            QTest::keyClick(target, Qt::Key_Tab);
        } else if (kind < 45 && target) { // a key
            const Key& k = kKeys[rng() % kKeys.size()];
            if (Chance(70))
                target->setFocus(Qt::MouseFocusReason);
            if (QWidget* focus = QApplication::focusWidget(); focus && focus->window() == window)
                target = focus;
            QTest::keyClick(target, k.key, k.modifiers);
        } else if (kind < 55 && target) { // a paste, from the keyboard or the context menu
            QApplication::clipboard()->setText(AnyText());
            target->setFocus(Qt::MouseFocusReason);
            if (auto* edit = qobject_cast<QLineEdit*>(target); edit && Chance(50))
                edit->paste();
            else
                QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
        } else if (kind < 63 && target) { // a drop
            QMimeData mime;
            mime.setText(AnyText());
            const QPoint at = target->rect().center();
            QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(target, &enter);
            QDropEvent drop(QPointF(at), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(target, &drop);
        } else if (kind < 90 && !buttons.isEmpty()) { // a button, in any print mode
            Dane::PrintMode = int(rng() % 3);
            QTest::mouseClick(Pick(buttons), Qt::LeftButton);
        } else if (target) { // a click into a field: the one before it is left
            QTest::mouseClick(target, Qt::LeftButton);
        }
    }

    // What the window shows after an event.
    void Check(CalcWindow* window, int event) {
        const std::string where =
            window->objectName().toStdString() + ", event " + std::to_string(event);
        // What the window shows; an editable field shows what was typed into it
        // (the steam selection's set pressure is an ordinary field).
        for (QLineEdit* e : window->findChildren<QLineEdit*>()) {
            if (!e->isReadOnly())
                continue;
            EXPECT_FALSE(ShowsNonFinite(e->text()) || IsBadNumberText(e->text()))
                << where << ": " << e->objectName().toStdString() << " shows "
                << e->text().toStdString();
        }
        for (const Box& box : warnings) {
            EXPECT_TRUE(box.caption == Messages::Caution() ||
                        box.caption == QStringLiteral("Błąd!"))
                << where << ": caption " << box.caption.toStdString();
            EXPECT_FALSE(box.text.trimmed().isEmpty()) << where;
            EXPECT_FALSE(ShowsNonFinite(box.text)) << where << ": " << box.text.toStdString();
            // The report goes to a file of ours, which can always be written.
            EXPECT_NE(box.text, Report::PrinterFailedMessage()) << where;
            EXPECT_NE(box.text, Report::PdfWriteMessage(pdf)) << where;
        }
        warnings.clear();
        if (!pdf.isEmpty()) {
            if (QFileInfo::exists(pdf)) {
                ++reports;
                const QString report = PdfText(pdf);
                EXPECT_FALSE(ShowsNonFinite(report)) << where << ": the report\n"
                                                     << report.toStdString();
                QFile::remove(pdf);
            }
            pdf.clear();
        }
    }

    // The text of a printed or saved report, when poppler's pdftotext is here.
    static QString PdfText(const QString& file) {
        const QString tool = QString::fromLocal8Bit(KALMO_PDFTOTEXT);
        if (!QFileInfo(tool).isExecutable())
            return QString();
        QProcess p;
        p.start(tool, {file, QStringLiteral("-")});
        p.waitForFinished(30000);
        return QString::fromUtf8(p.readAllStandardOutput());
    }

    KalmoWindows windows;
    QTemporaryDir work;
    std::mt19937 rng;
    QString pdf; // the report file the last answered dialog named
    int reports = 0;
};

TEST_F(Monkey, EveryWindowSurvivesARandomStream) {
    const int events = EnvNumber("KALMO_MONKEY_EVENTS", 2000);
    const unsigned seed = unsigned(EnvNumber("KALMO_MONKEY_SEED", 17));
    const QList<CalcWindow*> all =
        windows.frmKalmo3->findChildren<CalcWindow*>(QString(), Qt::FindDirectChildrenOnly);
    ASSERT_GE(all.size(), 11); // three capacity windows and eight selection windows
    // KALMO_MONKEY_WINDOW: only the window of this form name.
    const QString only = qEnvironmentVariable("KALMO_MONKEY_WINDOW");
    for (CalcWindow* window : all) {
        if (!only.isEmpty() && window->objectName() != only)
            continue;
        SCOPED_TRACE(window->objectName().toStdString());
        rng.seed(seed + unsigned(qHash(window->objectName())));
        reports = 0;
        QElapsedTimer clock;
        clock.start();
        for (int i = 0; i < events && !HasFailure(); ++i) {
            if (!window->isVisible()) // "Anuluj" closed it
                ShowAndActivate(window);
            Event(window);
            Check(window, i);
        }
        window->close();
        std::printf("%s: %d events, %d reports printed, %lld ms\n",
                    qPrintable(window->objectName()), events, reports,
                    static_cast<long long>(clock.elapsed()));
    }
}

} // namespace
