// The numeric field lets in only digits and points, whatever way the text comes.

#include "GuiTest.h"
#include "app/NumEdit.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMimeData>
#include <QTest>
#include <QVBoxLayout>

#include <memory>

namespace {

class NumEditTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        window = std::make_unique<QWidget>();
        auto* layout = new QVBoxLayout(window.get());
        edit = new NumEdit(QStringLiteral("Edit3"), window.get());
        layout->addWidget(edit);
        ShowAndActivate(window.get());
        edit->setFocus();
    }

    std::unique_ptr<QWidget> window;
    NumEdit* edit = nullptr;
};

TEST_F(NumEditTest, CommaBecomesAPoint) {
    QTest::keyClicks(edit, QStringLiteral("1,5"));
    EXPECT_EQ(edit->text(), "1.5");
}

TEST_F(NumEditTest, OtherCharactersChangeNothing) {
    QTest::keyClicks(edit, QStringLiteral("12"));
    for (const char* typed : {"-", "a", " ", "+", "e", "E", "/", "ą", "\t", "\x16"}) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier,
                        QString::fromUtf8(typed));
        QApplication::sendEvent(edit, &press);
        EXPECT_EQ(edit->text(), "12") << typed;
    }
}

TEST_F(NumEditTest, OnlyTheEditingKeysReachTheField) {
    QTest::keyClicks(edit, QStringLiteral("123"));
    QTest::keyClick(edit, Qt::Key_Left);
    QTest::keyClick(edit, Qt::Key_Backspace);
    EXPECT_EQ(edit->text(), "13");
    QTest::keyClick(edit, Qt::Key_Home);
    QTest::keyClick(edit, Qt::Key_Delete);
    EXPECT_EQ(edit->text(), "3");
    QTest::keyClick(edit, Qt::Key_End);
    QTest::keyClicks(edit, QStringLiteral(".5"));
    EXPECT_EQ(edit->text(), "3.5");

    // Keys outside the filter: no effect on text or cursor.
    const int cursor = edit->cursorPosition();
    for (Qt::Key key : {Qt::Key_Up, Qt::Key_Down, Qt::Key_PageUp, Qt::Key_Return, Qt::Key_Escape})
        QTest::keyClick(edit, key);
    EXPECT_EQ(edit->cursorPosition(), cursor);
    EXPECT_EQ(edit->text(), "3.5");
}

TEST_F(NumEditTest, KeyboardClipboardShortcutsAreSwallowed) {
    QApplication::clipboard()->setText(QStringLiteral("99"));
    QTest::keyClicks(edit, QStringLiteral("7"));
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Insert, Qt::ShiftModifier);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(edit->text(), "7");
}

TEST_F(NumEditTest, PasteIsFiltered) {
    // The context menu's "Paste" takes this path.
    QApplication::clipboard()->setText(QStringLiteral("a1,5 bar"));
    edit->paste();
    EXPECT_EQ(edit->text(), "1.5");
    EXPECT_EQ(edit->cursorPosition(), 3);
}

TEST_F(NumEditTest, DropIsFiltered) {
    QMimeData data;
    data.setText(QStringLiteral("x2,5-"));
    const QPointF at(edit->rect().center());
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(edit, &enter);
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(edit, &drop);
    EXPECT_EQ(edit->text(), "2.5");
}

TEST_F(NumEditTest, FixedPointTextKeepsItsLeadingBlank) {
    edit->setText(QStringLiteral(" 0.0"));
    QTest::keyClick(edit, Qt::Key_End);
    QTest::keyClicks(edit, QStringLiteral("5"));
    EXPECT_EQ(edit->text(), " 0.05");
}

TEST(NumericTextFilter, RewritesAndKeepsTheCursorOnTheSameCharacter) {
    NumericTextFilter filter;
    QString text = QStringLiteral("a1,2b3");
    int pos = 4; // after "a1,2"
    EXPECT_EQ(filter.validate(text, pos), QValidator::Acceptable);
    EXPECT_EQ(text, "1.23");
    EXPECT_EQ(pos, 3);
}

} // namespace
