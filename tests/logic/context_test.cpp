#include "context.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

// Each position is told apart by its MoveCount.
void Move(int n) {
    GameContext.MoveCount = n;
    GameContext.TotalScore = 10 * n;
    PushGameContext();
}

class UndoRing : public ::testing::Test {
protected:
    void SetUp() override {
        beeps = 0;
        SetUndoBeepHook([this] { ++beeps; });
        ResetUndoHistory();
        Move(0); // the dealt position
    }
    void TearDown() override { SetUndoBeepHook(nullptr); }
    int beeps = 0;
};

TEST_F(UndoRing, UndoAfterTheDealBeepsAndChangesNothing) {
    EXPECT_EQ(GameContext.UndoDepth, 1);
    UndoGameContext();
    EXPECT_EQ(beeps, 1);
    EXPECT_EQ(GameContext.MoveCount, 0);
    EXPECT_EQ(GameContext.UndoDepth, 1);
    EXPECT_EQ(UndoHistory.LatestSlot, 1);
}

TEST_F(UndoRing, ThreeMovesThreeUndos) {
    for (int n = 1; n <= 3; ++n)
        Move(n);
    for (int n = 2; n >= 0; --n) {
        UndoGameContext();
        EXPECT_EQ(GameContext.MoveCount, n);
        EXPECT_EQ(GameContext.TotalScore, 10 * n);
        EXPECT_EQ(GameContext.UndoDepth, n + 1);
    }
    EXPECT_EQ(beeps, 0);
    UndoGameContext();
    EXPECT_EQ(beeps, 1);
}

TEST_F(UndoRing, AHundredAndFiftyMovesAllowExactlyAHundredUndos) {
    for (int n = 1; n <= 150; ++n)
        Move(n);
    EXPECT_EQ(GameContext.UndoDepth, 101);
    for (int i = 0; i < 100; ++i)
        UndoGameContext();
    EXPECT_EQ(beeps, 0);
    EXPECT_EQ(GameContext.MoveCount, 50);
    EXPECT_EQ(GameContext.UndoDepth, 1);
    UndoGameContext();
    EXPECT_EQ(beeps, 1);
    EXPECT_EQ(GameContext.MoveCount, 50);
}

TEST_F(UndoRing, ANewMoveReplacesTheUndoneOnes) {
    for (int n = 1; n <= 5; ++n)
        Move(n);
    UndoGameContext();
    UndoGameContext();
    Move(99);
    UndoGameContext();
    EXPECT_EQ(GameContext.MoveCount, 3);
    UndoGameContext();
    UndoGameContext();
    UndoGameContext();
    EXPECT_EQ(GameContext.MoveCount, 0);
    EXPECT_EQ(beeps, 0);
}

TEST_F(UndoRing, WrapsAfterAHundredAndOnePushes) {
    ResetUndoHistory();
    for (int n = 0; n < 101; ++n)
        Move(n);
    EXPECT_EQ(UndoHistory.LatestSlot, 101);
    EXPECT_EQ(UndoHistory.NextSlot, 0);
    Move(101);
    EXPECT_EQ(UndoHistory.LatestSlot, 0);
    EXPECT_EQ(UndoHistory.NextSlot, 1);
    EXPECT_EQ(UndoHistory.Slots[0].MoveCount, 101);
    UndoGameContext();
    EXPECT_EQ(UndoHistory.LatestSlot, 101);
    EXPECT_EQ(UndoHistory.NextSlot, 0);
    EXPECT_EQ(GameContext.MoveCount, 100);
}

TEST_F(UndoRing, ResetTouchesOnlyTheDepthOfTheRecord) {
    GameContext.Places[3] = {12, 1, 1, 1};
    GameContext.Hole = 7;
    ResetUndoHistory();
    EXPECT_EQ(GameContext.UndoDepth, 0);
    EXPECT_EQ(GameContext.Places[3].CardNumber, 12);
    EXPECT_EQ(GameContext.Hole, 7);
    EXPECT_EQ(UndoHistory.Depth, 0);
    EXPECT_EQ(UndoHistory.LatestSlot, 0);
    EXPECT_EQ(UndoHistory.NextSlot, 1);
    TGameContext zero;
    std::memset(&zero, 0, sizeof zero);
    EXPECT_EQ(std::memcmp(&UndoHistory.Slots[1], &zero, sizeof zero), 0);
}

TEST_F(UndoRing, UndoCopiesTheWholeRecord) {
    GameContext.Places[0] = {5, 1, 1, 1};
    GameContext.HoldMarks[2] = 1;
    GameContext.Counter2 = 44;
    Move(1);
    GameContext.Places[0].CardNumber = -1; // emptied: the other bytes stay as they were
    GameContext.HoldMarks[2] = 0;
    GameContext.Counter2 = 45;
    Move(2);
    UndoGameContext();
    EXPECT_EQ(GameContext.Places[0].CardNumber, 5);
    EXPECT_EQ(GameContext.HoldMarks[2], 1);
    EXPECT_EQ(GameContext.Counter2, 44);
    EXPECT_EQ(GameContext.UndoDepth, 2);
}

} // namespace
