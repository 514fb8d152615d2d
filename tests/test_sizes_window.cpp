// "Wszystkie rozmiary…" of a selection window driven offscreen, in "Dobór
// zaworu - woda" over the real SV20 data file: the button follows the walks of
// "Oblicz", its table shows every size with its margin, a new "Oblicz"
// refreshes it, and Ctrl+C copies it as a spreadsheet takes it.

#include "test_selection_support.h"

#include "app/SizesWindow.h"
#include "selection/Dobor_water.h"

#include <QClipboard>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>

#include <cmath>

namespace {

const QString kIncomplete = QStringLiteral("Brak kompletu danych do wykonania obliczeń!");
const QString kNotFound =
    QStringLiteral("Nie znaleziono zaworu posiadającego wymaganą przepustowość!");

// A shown number read back: "12 170.9" → 12170.9.
double Number(const QString& text) {
    return QString(text).remove(QLatin1Char(' ')).toDouble();
}

// m = 5.03 · π · d²/4 · α · √(Δp · ρ) [kg/h], Δp in MPa: SV20 1" (d 20 mm,
// αc 0.30) at 6.0 bar and b1 10 % (p1 6.6 bar, p2 0), water at 20 °C and
// 7.6 bar absolute (ρ ≈ 998.5 kg/m³): 474.07 × 25.671.
constexpr double kCapacityOf1Inch = 12170.0;

class SizesWindowTest : public SelectionWindowTest {
protected:
    void SetUp() override {
        SelectionWindowTest::SetUp();
        window = new TfrmDoborWater(main.get());
        Connect(window, &Dane::WaterSelectionActive);
        ShowAndActivate(window);
        ChooseType(window, QStringLiteral("SV20"), QStringLiteral("6.0"));
    }

    void Compute(const QString& required) {
        Type(window, "Edit3", required);
        Click(window, "Button1");
    }

    QPushButton* AllSizes() const {
        return Find<QPushButton>(window, QStringLiteral("ButtonAllSizes"));
    }

    SizesWindow* OpenTable() {
        QTest::mouseClick(AllSizes(), Qt::LeftButton);
        return window->SizesShown();
    }

    static QTableWidget* Table(const SizesWindow* sizes) {
        return Find<QTableWidget>(sizes, QStringLiteral("TableSizes"));
    }

    static QString Cell(const QTableWidget* table, int row, int column) {
        const QTableWidgetItem* item = table->item(row, column);
        return item ? item->text() : QString();
    }

    TfrmDoborWater* window;
};

} // namespace

// Enabled after every "Oblicz" that walked the data file, found or not; not
// before the first, nor after one refused before its walk.
TEST_F(SizesWindowTest, ButtonFollowsTheWalks) {
    EXPECT_FALSE(AllSizes()->isEnabled());
    const struct {
        const char* required;
        QString warning; // empty: none
        bool enabled;
    } steps[] = {
        {"12000", {}, true},
        {"9000000", kNotFound, true},
        {"0", kIncomplete, false},
        {"12000", {}, true},
    };
    for (const auto& s : steps) {
        warnings.clear();
        Compute(QString::fromLatin1(s.required));
        EXPECT_EQ(WarningTexts(),
                  s.warning.isEmpty() ? std::vector<QString>{} : std::vector<QString>{s.warning})
            << s.required;
        EXPECT_EQ(AllSizes()->isEnabled(), s.enabled) << s.required;
    }
    // The selection the window shows is its own.
    EXPECT_EQ(Text(window, "Edit2"), "1\"");

    // Tab: "Wybór zaworu", "Wszystkie rozmiary…", "Oblicz".
    Find<QPushButton>(window, QStringLiteral("Button3"))->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), AllSizes());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "Button1");
}

// SV20 at 6.0 bar for 12 000 kg/h: every size in file order, the first that
// covers the requirement selected; each margin is (m − mw) / mw of its row.
TEST_F(SizesWindowTest, TableShowsEverySizeWithItsMargin) {
    Compute(QStringLiteral("12000"));
    const SizesWindow* sizes = OpenTable();
    ASSERT_NE(sizes, nullptr);
    EXPECT_TRUE(sizes->isVisible());
    EXPECT_EQ(sizes->windowTitle(), "Wszystkie rozmiary – Dobór zaworu - woda");
    EXPECT_EQ(sizes->parentWidget(), window);
    EXPECT_TRUE(sizes->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(Find<QLabel>(sizes, QStringLiteral("LabelSizes"))->text(),
              "Typ: SV20\nCiśnienie nastawy: 6.0 bar\nmw = 12 000.0 kg/h");

    const QTableWidget* table = Table(sizes);
    QStringList headers;
    for (int c = 0; c < table->columnCount(); ++c)
        headers << table->horizontalHeaderItem(c)->text();
    EXPECT_EQ(headers, (QStringList{"Wielkość", "d [mm]", "m [kg/h]", "mw [kg/h]", "Zapas [%]"}));

    QStringList names;
    int selected = -1;
    for (int row = 0; row < table->rowCount(); ++row) {
        names << Cell(table, row, 0);
        const double m = Number(Cell(table, row, 2));
        EXPECT_EQ(Cell(table, row, 3), "12 000.0");
        const double margin = Cell(table, row, 4).toDouble();
        EXPECT_NEAR(margin, (m - 12000) / 12000 * 100, 0.051) << row;
        // The sizes before the selected one fall short, in red.
        EXPECT_EQ(margin < 0, row < 2) << row;
        EXPECT_EQ(table->item(row, 4)->foreground().color() == Qt::red, margin < 0) << row;
        if (table->item(row, 0)->font().bold()) {
            EXPECT_EQ(selected, -1) << "a second selected row " << row;
            selected = row;
        }
    }
    EXPECT_EQ(names, (QStringList{"1/2\"", "3/4\"", "1\"", "1 1/4\"", "1 1/2\"", "2\""}));
    ASSERT_EQ(selected, 2);
    EXPECT_EQ(table->verticalHeaderItem(selected)->text(), "►");
    EXPECT_EQ(table->selectionModel()->selectedRows().size(), 1);
    EXPECT_EQ(table->currentRow(), selected);
    EXPECT_NEAR(Number(Cell(table, selected, 2)), kCapacityOf1Inch, kCapacityOf1Inch * 5e-4);
}

// A relieving pressure beyond 200 bar (b1 5000 %) leaves every size without a
// capacity: the walk read the file, and each row shows why across the number
// columns, in the copied text too.
TEST_F(SizesWindowTest, SizeWithoutNumbersShowsItsReason) {
    const QString reason =
        QStringLiteral("Wartość ciśnienia zrzutowego poza dopuszczalnym zakresem 0 - 200 bar!");
    Type(window, "Edit4", QStringLiteral("5000"));
    Compute(QStringLiteral("12000"));
    EXPECT_EQ(WarningTexts(), std::vector<QString>{reason});
    const SizesWindow* sizes = OpenTable();
    ASSERT_NE(sizes, nullptr);
    const QTableWidget* table = Table(sizes);
    ASSERT_EQ(table->rowCount(), 6);
    for (int row = 0; row < table->rowCount(); ++row) {
        EXPECT_EQ(Cell(table, row, 2), reason) << row;
        EXPECT_EQ(table->columnSpan(row, 2), 3) << row;
        EXPECT_EQ(table->item(row, 4), nullptr) << row;
    }
    EXPECT_EQ(table->selectionModel()->selectedRows().size(), 0);
    EXPECT_EQ(sizes->CopiedText().section('\n', 1, 1), "1/2\"\t12.0\t" + reason);
}

// A new "Oblicz" refreshes the open table; it hides with its window, and an
// "Oblicz" refused before its walk hides it too.
TEST_F(SizesWindowTest, NewComputationRefreshesTheOpenTable) {
    Compute(QStringLiteral("12000"));
    const SizesWindow* sizes = OpenTable();
    ASSERT_NE(sizes, nullptr);
    Compute(QStringLiteral("20000"));
    EXPECT_TRUE(sizes->isVisible());
    EXPECT_EQ(Find<QLabel>(sizes, QStringLiteral("LabelSizes"))->text().section('\n', 2),
              "mw = 20 000.0 kg/h");
    const QTableWidget* table = Table(sizes);
    EXPECT_EQ(table->currentRow(), 4); // 1 1/4" falls short of 20 000 kg/h
    EXPECT_EQ(Cell(table, 4, 0), "1 1/2\"");

    Compute(QStringLiteral("0"));
    EXPECT_FALSE(sizes->isVisible());
    Compute(QStringLiteral("12000"));
    OpenTable();
    window->hide();
    EXPECT_FALSE(sizes->isVisible());
}

// Ctrl+C: a header row, then each size with plain numbers apart by tabs.
TEST_F(SizesWindowTest, CtrlCCopiesTheTableForASpreadsheet) {
    Compute(QStringLiteral("12000"));
    SizesWindow* sizes = OpenTable();
    ASSERT_NE(sizes, nullptr);
    QApplication::clipboard()->clear();
    ShowAndActivate(sizes);
    QTableWidget* table = Table(sizes);
    table->setFocus();
    QTest::keyClick(table, Qt::Key_C, Qt::ControlModifier);

    const QStringList lines = QApplication::clipboard()->text().split('\n');
    ASSERT_EQ(lines.size(), 1 + 6 + 1); // the last line ends with its newline
    EXPECT_EQ(lines[0], "Wielkość\td [mm]\tm [kg/h]\tmw [kg/h]\tZapas [%]");
    const QStringList row = lines[3].split('\t');
    ASSERT_EQ(row.size(), 6);
    EXPECT_EQ(row[0], "1\"");
    EXPECT_EQ(row[1], "20.0");
    EXPECT_NEAR(row[2].toDouble(), kCapacityOf1Inch, kCapacityOf1Inch * 5e-4);
    EXPECT_EQ(row[3], "12000.0");
    EXPECT_NEAR(row[4].toDouble(), (row[2].toDouble() - 12000) / 12000 * 100, 0.051);
    EXPECT_EQ(row[5], "wybrany");
}
