// The Poker Squares window, driven headless by simulated mouse input: clicks
// and drags place cards, the two questions, Select Hand, the options, sizes
// and layout, and the launcher hidden while the game runs.
#include "gamedata.h"
#include "gamehost.h"
#include "gamewindows.h"
#include "pokersquaresform.h"
#include "scoresheet.h"
#include "selecthand.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

// Answers the next question box with the given button and notes its text.
void AnswerNextQuestion(QMessageBox::StandardButton answer, QString* seen) {
    auto* poll = new QTimer;
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, [poll, answer, seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr)
            return;
        if (seen != nullptr)
            *seen = box->text();
        QTest::mouseClick(box->button(answer), Qt::LeftButton);
        poll->deleteLater();
    });
    poll->start();
}

class PokerSquaresWindow : public ::testing::Test {
protected:
    void SetUp() override {
        folder = fs::temp_directory_path() /
                 ("tressalo-squares-" + std::to_string(::getpid()) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
        fs::create_directories(folder);
        InitGameData(folder / "Tressalo.INI");
        WriteIniInteger("Options", "CardSize", 1);
        WriteIniInteger("Options", "BackgroundType", 0);
        WriteIniInteger("Options", "ScoreSystem", 2);
        PlaceWindow(0, 0, 700, 560);
        TGameForm::SetDensityForTesting(96);
    }
    void TearDown() override {
        form.reset();
        TGameForm::SetDensityForTesting(0);
        CloseGameData();
        fs::remove_all(folder);
    }
    static void PlaceWindow(int left, int top, int width, int height) {
        WriteIniInteger("Poker Squares", "State", 0);
        WriteIniInteger("Poker Squares", "Left", left);
        WriteIniInteger("Poker Squares", "Top", top);
        WriteIniInteger("Poker Squares", "Width", width);
        WriteIniInteger("Poker Squares", "Height", height);
    }
    // Opens the window and deals hand 1 (the deal on opening is random).
    void Open() {
        form = std::make_unique<TPokerSquaresForm>();
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        form->StartNewHand(1);
    }

    TCardPileView* Cell(int cell) const {
        return form->CardPileView[static_cast<std::size_t>(cell)];
    }
    TCardPileView* Deck() const { return form->DeckPileView; }
    QWindow* Window() const { return form->windowHandle(); }
    QPoint At(QWidget* widget, QPoint local) const { return widget->mapTo(form.get(), local); }
    void Click(QWidget* widget, QPoint local = {20, 20}) {
        QTest::mouseClick(Window(), Qt::LeftButton, {}, At(widget, local));
    }
    void PressDeckTop() {
        const QPoint top = Deck()->CardPosition(Deck()->Pile.GetCardCount() - 1) + QPoint(30, 40);
        QTest::mousePress(Window(), Qt::LeftButton, {}, At(Deck(), top));
    }
    void MoveTo(QWidget* widget, QPoint local = {20, 20}) {
        QTest::mouseMove(Window(), At(widget, local));
    }
    void ReleaseAt(QWidget* widget, QPoint local = {20, 20}) {
        QTest::mouseRelease(Window(), Qt::LeftButton, {}, At(widget, local));
    }
    std::string TopName() const { return Deck()->Pile.CardAt(TCardPile::TopIndex)->Name; }
    int GamesRecorded() const { return ReadIniInteger("Poker Squares", "Games", 0); }
    // A point of the bare table: between the grid and the deck.
    QPoint Background() const {
        return {Cell(4)->geometry().right() + 3, Deck()->geometry().bottom() + 20};
    }

    fs::path folder;
    std::unique_ptr<TPokerSquaresForm> form;
};

TEST_F(PokerSquaresWindow, OpensWithAFreshRandomDealAndTheCommonControls) {
    form = std::make_unique<TPokerSquaresForm>();
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    const int hand = form->Game().HandNumber();
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Poker Squares [Hand Number %1]").arg(hand));
    EXPECT_EQ(Deck()->Pile.GetCardCount(), 25);
    EXPECT_EQ(Deck()->toolTip(), "The deck contains 25 cards");
    EXPECT_FALSE(form->btnUndo->isEnabled());
    EXPECT_FALSE(form->mnuUndo->isEnabled());
    const QToolButton* buttons[] = {form->btnNewHand, form->btnUndo, form->btnStats,
                                    form->btnOptions, form->btnExit, form->btnHelp};
    const char* hints[] = {"Deal a new hand",  "Undo",           "View statistics",
                           "Set game options", "Exit this game", "Help"};
    const int lefts[] = {8, 54, 99, 145, 190, 236};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(buttons[i]->toolTip(), hints[i]);
        EXPECT_EQ(buttons[i]->geometry(), QRect(lefts[i], 4, 25, 25));
    }
    QStringList captions;
    for (const QAction* action : form->PopupMenu1->actions())
        captions << action->text();
    EXPECT_EQ(captions,
              QStringList({"&Undo", "&New Hand", "&Redeal Hand", "&Select Hand...", "E&xit"}));
    EXPECT_EQ(form->Panel4->lblScorePosition[1]->text(), "Row 1");
    EXPECT_EQ(form->Panel4->lblScorePosition[10]->text(), "Column 5");
    EXPECT_EQ(form->lblScoreMode->text(), "Wild Scoring");
    EXPECT_FALSE(form->lblScoreMode->isVisible());
    for (int row = 1; row <= 10; ++row) {
        EXPECT_EQ(form->Panel4->lblHand[static_cast<std::size_t>(row)]->text(), "None");
        EXPECT_EQ(form->Panel4->lblScore[static_cast<std::size_t>(row)]->text(), "0");
    }
    // Closing straight away asks nothing and records nothing.
    EXPECT_TRUE(form->close());
    EXPECT_EQ(GamesRecorded(), 0);
}

TEST_F(PokerSquaresWindow, AClickPlacesTheOfferedCard) {
    Open();
    Click(Cell(7));
    ASSERT_EQ(Cell(7)->Pile.GetCardCount(), 1);
    EXPECT_EQ(Cell(7)->Pile.CardAt(0)->Name, "8S");
    EXPECT_FALSE(Cell(7)->isEnabled());
    EXPECT_FALSE(Cell(7)->IsBordered());
    EXPECT_EQ(TopName(), "JS");
    EXPECT_EQ(Deck()->toolTip(), "The deck contains 24 cards");
    EXPECT_TRUE(form->btnUndo->isEnabled());
    EXPECT_EQ(form->Panel4->lblScore[2]->text(), "8"); // row 2, a lone eight under Wild
    EXPECT_EQ(form->Panel4->lblTotalScore->text(), "16");
    // A second click on the filled cell reaches nothing.
    Click(Cell(7));
    EXPECT_EQ(Cell(7)->Pile.GetCardCount(), 1);
    EXPECT_EQ(form->Game().MoveCount, 1);
    // Undo brings it back: the cell free and framed, the card on the deck.
    Click(form->btnUndo, {12, 12});
    EXPECT_EQ(Cell(7)->Pile.GetCardCount(), 0);
    EXPECT_TRUE(Cell(7)->isEnabled());
    EXPECT_TRUE(Cell(7)->IsBordered());
    EXPECT_EQ(TopName(), "8S");
    EXPECT_FALSE(form->btnUndo->isEnabled());
    EXPECT_EQ(form->Panel4->lblTotalScore->text(), "0");
}

TEST_F(PokerSquaresWindow, ADragOverAFreeCellAndThenTheScorePanelLandsInThatCell) {
    Open();
    PressDeckTop();
    MoveTo(Cell(3));
    MoveTo(Cell(3), {25, 30});
    MoveTo(form->Panel4->lblHand[4], {10, 5});
    ReleaseAt(form->Panel4->lblHand[4], {10, 5});
    ASSERT_EQ(Cell(3)->Pile.GetCardCount(), 1);
    EXPECT_EQ(Cell(3)->Pile.CardAt(0)->Name, "8S");
    EXPECT_FALSE(Cell(3)->isEnabled());
    EXPECT_EQ(TopName(), "JS");
    EXPECT_TRUE(Deck()->Pile.CardAt(TCardPile::TopIndex)->FaceUp);
    EXPECT_EQ(form->Game().MoveCount, 1);
    EXPECT_TRUE(form->btnUndo->isEnabled());
}

TEST_F(PokerSquaresWindow, DropsNoFreeCellClaimedGoBackToTheDeck) {
    Open();
    Click(Cell(0)); // 8S placed; JS on offer
    const std::vector<std::pair<const char*, std::function<void()>>> drops = {
        {"over a free cell, then the bare table",
         [&] {
             MoveTo(Cell(6));
             QTest::mouseMove(Window(), Background());
             QTest::mouseRelease(Window(), Qt::LeftButton, {}, Background());
         }},
        {"on a filled cell",
         [&] {
             MoveTo(Cell(0));
             ReleaseAt(Cell(0));
         }},
        {"over a free cell, then out of the window",
         [&] {
             MoveTo(Cell(6));
             QTest::mouseMove(Window(), QPoint(-40, 80));
             QTest::mouseRelease(Window(), Qt::LeftButton, {}, QPoint(-40, 80));
         }},
        {"back on the deck",
         [&] {
             MoveTo(Deck(), {10, 10});
             ReleaseAt(Deck(), {10, 10});
         }},
    };
    for (const auto& [name, drop] : drops) {
        SCOPED_TRACE(name);
        PressDeckTop();
        drop();
        EXPECT_EQ(Deck()->Pile.GetCardCount(), 24);
        EXPECT_EQ(TopName(), "JS");
        EXPECT_TRUE(Deck()->Pile.CardAt(TCardPile::TopIndex)->FaceUp);
        EXPECT_FALSE(Deck()->Pile.CardAt(22)->FaceUp);
        EXPECT_EQ(Cell(6)->Pile.GetCardCount(), 0);
        EXPECT_EQ(form->Game().MoveCount, 1);
    }
}

TEST_F(PokerSquaresWindow, ClosingInTheMiddleOfADragLosesNoCard) {
    Open();
    PressDeckTop();
    MoveTo(Cell(6));
    ASSERT_NE(Deck()->ActiveDrag(), nullptr);
    ASSERT_EQ(Deck()->Pile.GetCardCount(), 24);
    EXPECT_TRUE(form->close()); // no move made: no question
    EXPECT_EQ(Deck()->ActiveDrag(), nullptr);
    EXPECT_EQ(Cell(6)->Pile.GetCardCount(), 0);
    // The lifted card went back and was let go with the rest (the leak check
    // of the sanitizer build would see it otherwise).
    EXPECT_EQ(Deck()->Pile.GetCardCount(), 0);
    EXPECT_EQ(GamesRecorded(), 1); // only the hand replaced by Open's deal
}

TEST_F(PokerSquaresWindow, LeavingAnUnfinishedHandAsksFirst) {
    Open();
    Click(Cell(0));
    const int before = GamesRecorded();
    QString question;

    AnswerNextQuestion(QMessageBox::No, &question);
    Click(form->btnNewHand, {12, 12});
    EXPECT_EQ(question, "Are you sure you want to abandon this hand and deal a new one?");
    EXPECT_EQ(form->Game().MoveCount, 1);
    EXPECT_EQ(form->Game().HandNumber(), 1);
    EXPECT_EQ(GamesRecorded(), before);

    AnswerNextQuestion(QMessageBox::No, &question);
    EXPECT_FALSE(form->close());
    EXPECT_EQ(question, "Are you sure you want to abandon this hand and exit this game?");
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(Cell(0)->Pile.GetCardCount(), 1);

    AnswerNextQuestion(QMessageBox::Yes, nullptr);
    Click(form->btnNewHand, {12, 12});
    EXPECT_EQ(GamesRecorded(), before + 1);
    EXPECT_EQ(ReadIniInteger("Poker Squares", "Score", -1), 16); // 8S alone in row 1 and column 1
    EXPECT_NE(form->Game().HandNumber(), 1);
    EXPECT_EQ(form->Game().MoveCount, 0);
    EXPECT_FALSE(form->btnUndo->isEnabled());

    Click(Cell(12));
    AnswerNextQuestion(QMessageBox::Yes, nullptr);
    EXPECT_TRUE(form->close());
    EXPECT_EQ(GamesRecorded(), before + 2);
    EXPECT_EQ(ReadIniInteger("Poker Squares", "State", -1), 0);
    EXPECT_EQ(ReadIniInteger("Poker Squares", "Width", -1), 700);
    EXPECT_EQ(Deck()->Pile.GetCardCount(), 0); // the piles are emptied
}

TEST_F(PokerSquaresWindow, AFullGridIsRecordedWithoutAQuestionAndTheEmptyDeckDealsAgain) {
    Open();
    for (int cell = 0; cell < GridPlaces; ++cell)
        Click(Cell(cell));
    EXPECT_EQ(Deck()->Pile.GetCardCount(), 0);
    EXPECT_EQ(Deck()->State(), FS_EMPTY);
    const int total = form->Game().TotalScore;
    const int before = GamesRecorded();
    Click(Deck(), {30, 40}); // no question: a dialog would block here
    EXPECT_EQ(GamesRecorded(), before + 1);
    EXPECT_EQ(ReadIniInteger("Poker Squares", "Best", -1), total);
    EXPECT_EQ(Deck()->Pile.GetCardCount(), 25);
    for (int cell = 0; cell < GridPlaces; ++cell) {
        EXPECT_TRUE(Cell(cell)->isEnabled());
        EXPECT_TRUE(Cell(cell)->IsBordered());
    }
}

TEST_F(PokerSquaresWindow, SelectHandCancelCloseBoxNumberAndText) {
    Open();
    Click(Cell(0));
    struct Case {
        const char* name;
        std::function<void(TSelectHandForm&)> act;
        int hand;      // the deal afterwards
        int moveCount; // 1 when nothing was dealt
    };
    const Case cases[] = {
        {"Cancel", [](TSelectHandForm& f) { QTest::mouseClick(f.CancelBtn, Qt::LeftButton); }, 1,
         1},
        {"close box", [](TSelectHandForm& f) { f.close(); }, 1, 1},
        {"a number",
         [](TSelectHandForm& f) {
             f.EditHandNumber->setText("123");
             QTest::mouseClick(f.OKBtn, Qt::LeftButton);
         },
         123, 0},
        {"text deals the current hand again",
         [](TSelectHandForm& f) {
             f.EditHandNumber->setText("abc");
             QTest::mouseClick(f.OKBtn, Qt::LeftButton);
         },
         123, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto* poll = new QTimer;
        poll->setInterval(5);
        QString shownNumber;
        QObject::connect(poll, &QTimer::timeout, [&, poll] {
            auto* dialog = qobject_cast<TSelectHandForm*>(QApplication::activeModalWidget());
            if (dialog == nullptr)
                return;
            poll->deleteLater();
            shownNumber = dialog->EditHandNumber->selectedText();
            c.act(*dialog);
        });
        poll->start();
        // A moved hand asks before it is replaced.
        if (c.moveCount == 0 && form->Game().MoveCount > 0)
            AnswerNextQuestion(QMessageBox::Yes, nullptr);
        const int current = form->Game().HandNumber();
        form->mnuSelectHand->trigger();
        EXPECT_EQ(shownNumber, QString::number(current));
        EXPECT_EQ(form->Game().HandNumber(), c.hand);
        EXPECT_EQ(form->Game().MoveCount, c.moveCount);
        EXPECT_EQ(form->windowTitle(),
                  QStringLiteral("Poker Squares [Hand Number %1]").arg(c.hand));
    }
}

TEST_F(PokerSquaresWindow, RedealDealsTheSameCards) {
    Open();
    form->StartNewHand(NewRandomHand);
    std::vector<std::string> dealt;
    for (const TCard* card : Deck()->Pile.Cards)
        dealt.push_back(card->Name);
    const QString caption = form->windowTitle();
    Click(Cell(3));
    Click(Cell(4));
    AnswerNextQuestion(QMessageBox::Yes, nullptr);
    form->mnuRedealHand->trigger();
    std::vector<std::string> again;
    for (const TCard* card : Deck()->Pile.Cards)
        again.push_back(card->Name);
    EXPECT_EQ(again, dealt);
    EXPECT_EQ(form->windowTitle(), caption);
}

TEST_F(PokerSquaresWindow, SizeLimitAndGridForBothCardSizesAt96Dpi) {
    struct Case {
        int cardSize;
        QSize base;
        QSize card;
        int g, v; // gaps at the base size
    };
    const Case cases[] = {{0, {556, 391}, {45, 63}, 6, 12}, {1, {692, 558}, {72, 100}, 6, 9}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.cardSize);
        WriteIniInteger("Options", "CardSize", c.cardSize);
        PlaceWindow(10, 10, c.base.width(), c.base.height());
        Open();
        const int frame =
            form->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, form.get());
        EXPECT_EQ(form->minimumSize(), QSize(c.base.width() + 2 * frame, c.base.height()));
        form->resize(c.base); // held to the limit
        EXPECT_EQ(form->width(), c.base.width() + 2 * frame);
        form->resize(c.base.width() + 2 * frame, c.base.height());
        const int panelLeft = form->width() - 285 - 8;
        EXPECT_EQ(form->PanelScore->geometry(),
                  QRect(panelLeft, c.base.height() - 277 - 8, 285, 277));
        const int g = (panelLeft - 5 * c.card.width()) / 6;
        EXPECT_EQ(Deck()->geometry(),
                  QRect(panelLeft, c.v, 8 * 24 + c.card.width(), c.card.height()));
        for (int cell = 0; cell < GridPlaces; ++cell) {
            const int r = cell / 5, k = cell % 5;
            EXPECT_EQ(Cell(cell)->geometry(),
                      QRect(g + k * (c.card.width() + g), c.v + r * (c.card.height() + c.v),
                            c.card.width(), c.card.height()));
        }
        form->close();
        form.reset();
    }
}

// A host whose options window changes the store the way the player would.
struct OptionsHost : TGameHost {
    std::function<void()> change;
    bool appearance = false;
    bool ShowOptions(QWidget*) override {
        change();
        return appearance;
    }
};

TEST_F(PokerSquaresWindow, TheOptionsRepriceTheGridAndChangeItsLook) {
    Open();
    Click(Cell(0)); // 8S
    Click(Cell(1)); // JS
    Click(Cell(2)); // 8D: a pair in row 1
    EXPECT_EQ(form->Panel4->lblScore[1]->text(), QString::number(2 * 27));
    OptionsHost host;
    SetGameHost(&host);
    host.change = [] { WriteIniInteger("Options", "ScoreSystem", 1); };
    form->btnOptionsClick();
    EXPECT_EQ(form->Panel4->lblHand[1]->text(), "One Pair");
    EXPECT_EQ(form->Panel4->lblScore[1]->text(), "2");
    EXPECT_EQ(form->Panel4->lblTotalScore->text(), "2");
    EXPECT_EQ(form->lblScoreMode->text(), "American Scoring");

    host.appearance = true;
    host.change = [] {
        WriteIniInteger("Options", "BackgroundType", 1);
        WriteIniInteger("Options", "CardSize", 0);
    };
    form->btnOptionsClick();
    EXPECT_EQ(Cell(5)->BackgroundMode(), FS_BITMAP);
    EXPECT_EQ(Deck()->BackgroundMode(), FS_BITMAP);
    EXPECT_NE(Cell(5)->BackgroundBitmap, nullptr);
    EXPECT_EQ(Cell(5)->size(), QSize(45, 63)); // the grid is laid out again at once
    EXPECT_EQ(Deck()->width(), 8 * 24 + 45);
    SetGameHost(nullptr);
}

// Notes the help topics asked for.
struct HelpHost : TGameHost {
    std::vector<int> topics;
    void ShowHelp(QWidget*, int topic) override { topics.push_back(topic); }
};

TEST_F(PokerSquaresWindow, HelpButtonAndF1OpenTheGamesTopic) {
    Open();
    HelpHost host;
    SetGameHost(&host);
    QTest::mouseClick(form->btnHelp, Qt::LeftButton);
    QTest::keyClick(form.get(), Qt::Key_F1);
    EXPECT_EQ(host.topics, std::vector<int>({185, 185}));
    SetGameHost(nullptr);
}

TEST_F(PokerSquaresWindow, TheLauncherHidesWhileTheGameRunsAndComesBack) {
    QWidget launcher;
    launcher.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&launcher));
    bool hiddenMeanwhile = false;
    bool closed = false;
    auto* poll = new QTimer;
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, [&, poll] {
        auto* game = qobject_cast<TPokerSquaresForm*>(QApplication::activeModalWidget());
        if (game == nullptr || !game->isVisible())
            return;
        poll->deleteLater();
        hiddenMeanwhile = !launcher.isVisible();
        closed = game->close(); // a fresh deal: no question
    });
    poll->start();
    EXPECT_TRUE(OpenGameWindow(0, &launcher));
    EXPECT_TRUE(closed);
    EXPECT_TRUE(hiddenMeanwhile);
    EXPECT_TRUE(launcher.isVisible());
    EXPECT_FALSE(OpenGameWindow(7, &launcher));
}

} // namespace
