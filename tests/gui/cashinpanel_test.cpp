// The cash-in labels and submenu the three cash-in games share.
#include "cashinpanel.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QTest>
#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(CashInPanel, OffersExactlyTheCompleteLinesAndCashesInTheOneClicked) {
    QWidget panel;
    panel.resize(269, 257);
    QMenu popup;
    popup.addAction("&Undo");
    TCashInPanel cashIn(&panel, &popup, {12, 65, 118, 171, 224}, {16, 69, 122, 175, 228});
    std::vector<int> cashed;
    cashIn.OnCashIn = [&cashed](int line) { cashed.push_back(line); };

    EXPECT_EQ(popup.actions().first(), cashIn.mnuCashInEntry);
    EXPECT_EQ(cashIn.mnuCashInEntry->text(), "Cash In");
    EXPECT_EQ(cashIn.lblLines[0]->text(), "Row 1");
    EXPECT_EQ(cashIn.lblLines[9]->text(), "Col 5");
    EXPECT_EQ(cashIn.lblLines[0]->pos(), QPoint(12, 8));
    EXPECT_EQ(cashIn.lblLines[5]->pos(), QPoint(16, 24));
    EXPECT_EQ(cashIn.mnuLines[4]->text(), "Row 5");
    EXPECT_EQ(cashIn.mnuLines[9]->text(), "Column 5");
    // A new hand: nothing complete, no "Cash In" entry.
    EXPECT_FALSE(cashIn.mnuCashInEntry->isVisible());
    for (QLabel* label : cashIn.lblLines)
        EXPECT_FALSE(label->isEnabled());

    std::array<TCashInChoice, LineCount> choices{};
    choices[0] = {true, 8, 26, 3, "Two Pair, 3"};
    choices[7] = {true, 9, 20, 1, "One Pair, 1"};
    cashIn.ShowChoices(choices);
    EXPECT_TRUE(cashIn.mnuCashInEntry->isVisible());
    for (int line = 0; line < LineCount; ++line) {
        const bool complete = line == 0 || line == 7;
        EXPECT_EQ(cashIn.lblLines[line]->isEnabled(), complete) << line;
        EXPECT_EQ(cashIn.mnuLines[line]->isVisible(), complete) << line;
    }
    EXPECT_EQ(cashIn.lblLines[0]->toolTip(), "Two Pair, 3");
    EXPECT_TRUE(cashIn.lblLines[1]->toolTip().isEmpty());

    panel.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));
    QTest::mouseClick(cashIn.lblLines[0], Qt::LeftButton);
    QTest::mouseClick(cashIn.lblLines[1], Qt::LeftButton); // disabled: nothing
    cashIn.mnuLines[7]->trigger();
    cashIn.mnuCashInClick(&popup); // a sender that is no line does nothing
    EXPECT_EQ(cashed, (std::vector<int>{0, 7}));

    cashIn.ShowChoices({});
    EXPECT_FALSE(cashIn.mnuCashInEntry->isVisible());
}

} // namespace
