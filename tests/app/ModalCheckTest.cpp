#include <gtest/gtest.h>

#include <QDialog>

#include "app/ModalCheck.h"

namespace {

// The test build keeps assertions on: a modal window that opens while a call of the rules
// runs fails at once, and one that opens after it has returned does not.
TEST(ModalCheckDeathTest, AModalWindowOpenedInsideARulesCallFails) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    int rulesCalls = 0;
    const TModalCheck check(rulesCalls);
    QDialog dialog;
    dialog.setModal(true);
    dialog.show();
    dialog.hide();
    rulesCalls = 1;
    QWidget window;
    window.show();
    EXPECT_DEATH(dialog.show(), "a modal window opened inside a call of the rules");
}

}  // namespace
