#include "pokermain.h"

#include <QApplication>
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

int main(int argc, char** argv) {
    // Window tests run headless unless told otherwise.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
