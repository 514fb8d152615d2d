// What the windows keep between two openings: the valve and the pressures the
// last "Oblicz" read, whatever was chosen or typed afterwards and closed without
// "Oblicz"; and the captions of the groups, which differ between the windows.

#include "test_selection_support.h"

#include "capacity/Flow_air.h"
#include "selection/Dobor_air.h"
#include "selection/Dobor_mix.h"
#include "selection/Dobor_steam.h"
#include "selection/Dobor_water.h"
#include "selection/Ekspansja.h"
#include "selection/Moc.h"
#include "selection/Para_woda.h"
#include "selection/Wymiennik.h"
#include "valves/Wybor_zaworu.h"

#include <QGroupBox>

#include <functional>

namespace {

class WindowRecord : public SelectionWindowTest {
public:
    using SelectionWindowTest::Connect;
    using SelectionWindowTest::main;
    TfrmWybor_zaworu* wybor = nullptr; // the capacity windows' valve choice dialog

protected:
    void SetUp() override {
        SelectionWindowTest::SetUp();
        wybor = new TfrmWybor_zaworu(main.get());
    }

    // "Wybór zaworu" of a capacity window: type, size and set pressure, "OK".
    void ChooseValve(QWidget* window, const QString& type, const QString& size,
                     const QString& pressure) {
        onModal = [&](QDialog* dialog) {
            dialog->show();
            ClickItem(Find<QListWidget>(dialog, QStringLiteral("ListBox_typ")), type);
            ClickItem(Find<QListWidget>(dialog, QStringLiteral("ListBox_Size")), size);
            ClickItem(Find<QListWidget>(dialog, QStringLiteral("ListBox_Cisnienie")), pressure);
            QTest::mouseClick(Find<QPushButton>(dialog, QStringLiteral("Button1")), Qt::LeftButton);
            return dialog->result();
        };
        Click(window, "Button3");
        onModal = nullptr;
    }
};

// A window of the pattern: how it is made and given its dialog, what it needs
// typed, how a valve is chosen in it, and the names of its fields.
struct Window {
    const char* name;
    std::function<QWidget*(WindowRecord&)> open;
    const char *requirement, *requirementText; // a field "Oblicz" needs, and its text
    // the valve chosen first and the one chosen later: type, size (capacity
    // window only) and set pressure
    QStringList first, later;
    const char *type, *setPressure, *overpressure, *relievingPressure, *result;
};

void PrintTo(const Window& w, std::ostream* os) {
    *os << w.name;
}

template <class W> std::function<QWidget*(WindowRecord&)> Selection(bool* flag) {
    return [flag](WindowRecord& t) {
        auto* w = new W(t.main.get());
        t.Connect(w, flag);
        return w;
    };
}

class Reopen : public WindowRecord, public ::testing::WithParamInterface<Window> {};

const Window kWindows[] = {
    {"water",
     Selection<TfrmDoborWater>(&Dane::WaterSelectionActive),
     "Edit3",
     "3000",
     {"SV20", "6.0"},
     {"SV10", "5.0"},
     "Edit11",
     "Edit6",
     "Edit4",
     "Edit8",
     "Edit10"},
    {"steam",
     Selection<TfrmDoborPara>(&Dane::SteamSelectionActive),
     "Edit3",
     "300",
     {"SV20", "6.0"},
     {"SV10", "5.0"},
     "Edit11",
     "Edit6",
     "Edit4",
     "Edit8",
     "Edit10"},
    {"air",
     Selection<TfrmDoborAir>(&Dane::AirSelectionActive),
     "Edit9",
     "2",
     {"SV20", "6.0"},
     {"SV10", "5.0"},
     "Edit11",
     "Edit6",
     "Edit4",
     "Edit8",
     "Edit10"},
    {"heat power",
     Selection<TfrmMoc>(&Dane::PowerSelectionActive),
     "Edit3",
     "100",
     {"SV20", "6.0"},
     {"SV10", "5.0"},
     "Edit11",
     "Edit6",
     "Edit4",
     "Edit8",
     "Edit10"},
    {"steam and water",
     Selection<TfrmDoborMix>(&Dane::MixSelectionActive),
     "Edit3",
     "300",
     {"SV20", "6.0"},
     {"SV10", "5.0"},
     "Edit11",
     "Edit6",
     "Edit4",
     "Edit8",
     "Edit10"},
    {"air capacity",
     [](WindowRecord& t) {
         auto* w = new TfrmFlow_air(t.main.get());
         w->SetValveDialog(t.wybor);
         EXPECT_TRUE(t.wybor->AddWindow(&Dane::AirCapacityActive, w->ValveFields()));
         return w;
     },
     "Edit8",
     "0",
     {"SV10", "1/2\"", "5.0"},
     {"SV20", "1\"", "8.0"},
     "Edit11",
     "Edit1",
     "Edit3",
     "Edit4",
     "Edit2"},
};

// After a successful "Oblicz": another valve, another b1, or both, then the
// window closed without "Oblicz" and opened again. It shows the valve, b1 and
// p1 of the "Oblicz", and "Oblicz" computes the same result for them.
TEST_P(Reopen, ShowsWhatTheLastObliczRead) {
    const Window& w = GetParam();
    const auto choose = [&](QWidget* window, const QStringList& valve) {
        if (valve.size() == 3)
            ChooseValve(window, valve[0], valve[1], valve[2]);
        else
            ChooseType(window, valve[0], valve[1]);
        ShowAndActivate(window);
    };
    QWidget* window = w.open(*this);
    // The valve and the pressures, numbers as numbers ("5.0" and " 5.00" alike).
    const auto inputs = [&] {
        std::vector<QString> shown;
        for (const char* field : {w.type, w.setPressure, w.overpressure, w.relievingPressure}) {
            bool number = false;
            const double value = Text(window, field).toDouble(&number);
            shown.push_back(number ? QString::number(value) : Text(window, field));
        }
        return shown;
    };
    for (const bool newValve : {true, false})
        for (const bool newOverpressure : {true, false}) {
            if (!newValve && !newOverpressure)
                continue;
            SCOPED_TRACE(std::string("new valve ") + (newValve ? "yes" : "no") + ", new b1 " +
                         (newOverpressure ? "yes" : "no"));
            ShowAndActivate(window);
            choose(window, w.first);
            Type(window, w.overpressure, QStringLiteral("10"));
            Type(window, w.requirement, QString::fromLatin1(w.requirementText));
            Click(window, "Button1");
            ASSERT_EQ(WarningTexts(), std::vector<QString>{});
            const std::vector<QString> read = inputs();
            const QString result = Text(window, w.result);

            if (newValve)
                choose(window, w.later);
            if (newOverpressure)
                Type(window, w.overpressure, QStringLiteral("20"));
            ASSERT_NE(inputs(), read);
            Click(window, "Button2");
            ShowAndActivate(window);
            EXPECT_EQ(inputs(), read);
            Click(window, "Button1");
            EXPECT_EQ(WarningTexts(), std::vector<QString>{});
            EXPECT_EQ(Text(window, w.result), result);
            Click(window, "Button2");
        }
}

INSTANTIATE_TEST_SUITE_P(Windows, Reopen, ::testing::ValuesIn(kWindows), [](const auto& info) {
    QString name = QString::fromLatin1(info.param.name);
    return name.remove(QLatin1Char(' ')).toStdString();
});

// The captions of the groups "Dane", the exchanger's, the valve type's and the
// results', in each of the ways the windows write them.
TEST_F(WindowRecord, GroupCaptions) {
    const struct {
        const char* window;
        std::function<SelectionWindow*(QWidget*)> make;
        std::vector<QString> captions; // GroupBox1 to GroupBox4, the last only in exchangers
    } cases[] = {
        {"water",
         [](QWidget* m) { return new TfrmDoborWater(m); },
         {"Dane", "Wybrany typ zaworu bezpieczeństwa", "Wyniki obliczeń"}},
        {"air",
         [](QWidget* m) { return new TfrmDoborAir(m); },
         {" Dane ", " Wybrany typ zaworu bezpieczeństwa ", " Wyniki obliczeń "}},
        {"thermal expansion",
         [](QWidget* m) { return new TfrmEkspansja(m); },
         {" Dane ", " Wybrany typ zaworu bezpieczeństwa ", " Wyniki obliczeń "}},
        {"water-water",
         [](QWidget* m) { return new TfrmWymiennik(m); },
         {" Dane ", "Wybrany typ zaworu bezpieczeństwa", " Wyniki obliczeń ", "Dane wymiennika"}},
        {"steam-water",
         [](QWidget* m) { return new TfrmPara_woda(m); },
         {" Dane ", " Wybrany typ zaworu bezpieczeństwa ", " Wyniki obliczeń ",
          " Dane wymiennika "}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.window);
        SelectionWindow* window = c.make(main.get());
        window->EnsureBuilt();
        std::vector<QString> captions;
        for (size_t i = 1; i <= c.captions.size(); ++i)
            captions.push_back(
                Find<QGroupBox>(window, QStringLiteral("GroupBox%1").arg(i))->title());
        EXPECT_EQ(captions, c.captions);
    }
}

} // namespace
