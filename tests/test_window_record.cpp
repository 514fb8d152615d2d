// What the windows keep between two openings: the valve and the pressures the
// last "Oblicz" read, whatever was chosen or typed afterwards and closed without
// "Oblicz"; and the captions of the groups, which differ between the windows.

#include "test_capacity_fixture.h"
#include "test_selection_support.h"

#include "capacity/Flow_air.h"
#include "selection/Dobor_air.h"
#include "selection/Dobor_mix.h"
#include "selection/Dobor_steam.h"
#include "selection/Dobor_water.h"
#include "selection/Moc.h"
#include "selection/Para_woda.h"
#include "selection/Wymiennik.h"
#include "valves/Wybor_zaworu.h"

#include <QGroupBox>

#include <array>
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
            return CapacityWindowTest::AnswerValveChoice(dialog, type, size, pressure);
        };
        Click(window, "Button3");
        onModal = nullptr;
    }
};

// A window of the pattern: how it is made and given its dialog, what it needs
// typed, the valve chosen first and the one chosen later (type, the size in a
// capacity window, set pressure), and its fields of the type, p, b1, p1 and
// the result.
struct Window {
    const char* name;
    std::function<QWidget*(WindowRecord&)> open;
    const char *requirement, *requirementText;
    QStringList first, later;
    std::array<const char*, 5> fields;
};

void PrintTo(const Window& w, std::ostream* os) {
    *os << w.name;
}

// A selection window: SV20 at 6.0 bar first, SV10 at 5.0 later.
template <class W>
Window Selection(const char* name, bool* flag, const char* requirement, const char* text) {
    const auto open = [flag](WindowRecord& t) {
        auto* w = new W(t.main.get());
        t.Connect(w, flag);
        return w;
    };
    return {name,
            open,
            requirement,
            text,
            {"SV20", "6.0"},
            {"SV10", "5.0"},
            {"Edit11", "Edit6", "Edit4", "Edit8", "Edit10"}};
}

QWidget* OpenAirCapacity(WindowRecord& t) {
    auto* w = new TfrmFlow_air(t.main.get());
    w->SetChoiceDialog(t.wybor);
    EXPECT_TRUE(t.wybor->AddWindow(&Dane::AirCapacityActive, w->ValveFields()));
    return w;
}

const Window kWindows[] = {
    Selection<TfrmDoborWater>("water", &Dane::WaterSelectionActive, "Edit3", "3000"),
    Selection<TfrmDoborPara>("steam", &Dane::SteamSelectionActive, "Edit3", "300"),
    Selection<TfrmDoborAir>("air", &Dane::AirSelectionActive, "Edit9", "2"),
    Selection<TfrmMoc>("heat power", &Dane::PowerSelectionActive, "Edit3", "100"),
    Selection<TfrmDoborMix>("steam and water", &Dane::MixSelectionActive, "Edit3", "300"),
    {"air capacity",
     OpenAirCapacity,
     "Edit8",
     "0",
     {"SV10", "1/2\"", "5.0"},
     {"SV20", "1\"", "8.0"},
     {"Edit11", "Edit1", "Edit3", "Edit4", "Edit2"}},
};

class Reopen : public WindowRecord, public ::testing::WithParamInterface<Window> {};

// After a successful "Oblicz": another valve (1), another b1 (2) or both (3),
// then the window closed without "Oblicz" and opened again. It shows the valve,
// b1 and p1 of the "Oblicz", and "Oblicz" computes the same result for them.
TEST_P(Reopen, ShowsWhatTheLastObliczRead) {
    const Window& w = GetParam();
    const char *type = w.fields[0], *setPressure = w.fields[1], *overpressure = w.fields[2],
               *relievingPressure = w.fields[3], *result = w.fields[4];
    QWidget* window = w.open(*this);
    const auto choose = [&](const QStringList& valve) {
        if (valve.size() == 3)
            ChooseValve(window, valve[0], valve[1], valve[2]);
        else
            ChooseType(window, valve[0], valve[1]);
        ShowAndActivate(window);
    };
    // The valve and the pressures, numbers as numbers ("5.0" and " 5.00" alike).
    const auto inputs = [&] {
        std::vector<QString> shown;
        for (const char* field : {type, setPressure, overpressure, relievingPressure}) {
            bool number = false;
            const double value = Text(window, field).toDouble(&number);
            shown.push_back(number ? QString::number(value) : Text(window, field));
        }
        return shown;
    };
    for (const int change : {1, 2, 3}) {
        SCOPED_TRACE(change);
        ShowAndActivate(window);
        choose(w.first);
        Type(window, overpressure, QStringLiteral("10"));
        Type(window, w.requirement, QString::fromLatin1(w.requirementText));
        Click(window, "Button1");
        ASSERT_EQ(WarningTexts(), std::vector<QString>{});
        const std::vector<QString> read = inputs();
        const QString computed = Text(window, result);
        if (change & 1)
            choose(w.later);
        if (change & 2)
            Type(window, overpressure, QStringLiteral("20"));
        ASSERT_NE(inputs(), read);
        Click(window, "Button2");
        ShowAndActivate(window);
        EXPECT_EQ(inputs(), read);
        Click(window, "Button1");
        EXPECT_EQ(WarningTexts(), std::vector<QString>{});
        EXPECT_EQ(Text(window, result), computed);
        Click(window, "Button2");
    }
}

INSTANTIATE_TEST_SUITE_P(Windows, Reopen, ::testing::ValuesIn(kWindows), [](const auto& info) {
    return QString::fromLatin1(info.param.name).remove(QLatin1Char(' ')).toStdString();
});

// The captions of the groups "Dane", the valve type's, the results' and the
// exchanger's where the window writes them between blanks, or some of them.
TEST_F(WindowRecord, GroupCaptions) {
    const QString type = QStringLiteral("Wybrany typ zaworu bezpieczeństwa");
    const struct {
        FormWindow* window;
        std::vector<QString> captions; // GroupBox1 to GroupBox4
    } cases[] = {
        {new TfrmDoborAir(main.get()), {" Dane ", ' ' + type + ' ', " Wyniki obliczeń "}},
        {new TfrmWymiennik(main.get()), {" Dane ", type, " Wyniki obliczeń ", "Dane wymiennika"}},
        {new TfrmPara_woda(main.get()),
         {" Dane ", ' ' + type + ' ', " Wyniki obliczeń ", " Dane wymiennika "}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.window->objectName().toStdString());
        c.window->EnsureBuilt();
        std::vector<QString> captions;
        for (size_t i = 1; i <= c.captions.size(); ++i)
            captions.push_back(
                Find<QGroupBox>(c.window, QStringLiteral("GroupBox%1").arg(i))->title());
        EXPECT_EQ(captions, c.captions);
    }
}

} // namespace
