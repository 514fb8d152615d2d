#include "GuiTest.h"
TEST_F(GuiTest, Placeholder) {
    SUCCEED();
}
