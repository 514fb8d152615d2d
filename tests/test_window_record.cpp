// The captions of the groups, which differ between the windows.

#include "test_selection_support.h"

#include "selection/Dobor_air.h"
#include "selection/Dobor_water.h"
#include "selection/Ekspansja.h"
#include "selection/Para_woda.h"
#include "selection/Wymiennik.h"

#include <QGroupBox>

#include <functional>

namespace {

class WindowRecord : public SelectionWindowTest {};

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
