#include "pokermain.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

TEST(MainWindow, OpensTitledAndClosesCleanly) {
    TPokerMainForm form;
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Tressalo"));
    EXPECT_TRUE(form.close());
    EXPECT_FALSE(form.isVisible());
}

} // namespace
