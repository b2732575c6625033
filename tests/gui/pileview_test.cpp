// The pile view: its picture (read back pixel by pixel against the card
// images' own pixels), its hit test, and drags driven by simulated mouse
// input on a headless window.
#include "cardimages.h"
#include "cardpileview.h"
#include "dragimage.h"
#include "dragsession.h"

#include <QPainter>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

namespace {

const QColor Felt(34, 139, 34);
const QColor FrameGrey(128, 128, 128);

QImage Rgb(const QImage& image) {
    return image.convertToFormat(QImage::Format_RGB32);
}

QImage Grab(QWidget* widget) {
    return Rgb(widget->grab().toImage());
}

// The picture of one card as the image list draws it on a clear canvas.
QImage CardPicture(const TCard& card) {
    QImage image(TCardImages::CardPixelSize(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter canvas(&image);
    TCardImages::DrawCardOnCanvas(card, {0, 0}, canvas);
    return image;
}

// Pixels of `picture` that are fully opaque and differ from `shown` placed at
// `at`; -1 when the picture does not fit there.
int OpaqueMismatches(const QImage& shown, const QImage& picture, QPoint at) {
    if (!shown.rect().contains(QRect(at, picture.size())))
        return -1;
    int mismatches = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb p = picture.pixel(x, y);
            if (qAlpha(p) == 255 && (shown.pixel(at.x() + x, at.y() + y) | 0xFF000000u) != p)
                ++mismatches;
        }
    return mismatches;
}

::testing::AssertionResult SameImage(const QImage& actual, const QImage& expected) {
    if (actual.size() != expected.size())
        return ::testing::AssertionFailure() << "sizes differ";
    for (int y = 0; y < actual.height(); ++y)
        for (int x = 0; x < actual.width(); ++x)
            if (actual.pixel(x, y) != expected.pixel(x, y))
                return ::testing::AssertionFailure()
                       << "first difference at (" << x << ", " << y << "): " << std::hex
                       << actual.pixel(x, y) << " instead of " << expected.pixel(x, y);
    return ::testing::AssertionSuccess();
}

// The frame drawn independently: black outline (0,0)-(w-2,h-2) under a grey
// outline (1,1)-(w-1,h-1).
QRgb FramePixel(int x, int y, int w, int h, QColor background) {
    const auto onOutline = [](int px, int py, int l, int t, int r, int b) {
        return ((px == l || px == r) && py >= t && py <= b) ||
               ((py == t || py == b) && px >= l && px <= r);
    };
    if (onOutline(x, y, 1, 1, w - 1, h - 1))
        return FrameGrey.rgb();
    if (onOutline(x, y, 0, 0, w - 2, h - 2))
        return QColor(Qt::black).rgb();
    return background.rgb();
}

QImage FramedBackground(QSize size, QColor background) {
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, FramePixel(x, y, size.width(), size.height(), background));
    return image;
}

// A felt-green table window holding the views under test; owns the cards.
class PileViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        TCardImages::SetCardSize(FS_LARGE);
        table = std::make_unique<QWidget>();
        QPalette palette = table->palette();
        palette.setColor(QPalette::Window, Felt);
        table->setPalette(palette);
        table->setAutoFillBackground(true);
        table->setGeometry(60, 40, 640, 420);
    }

    void Show() {
        table->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(table.get()));
    }

    TCard* NewCard(int number, bool faceUp = true) {
        cards.push_back(std::make_unique<TCard>(number));
        cards.back()->FaceUp = faceUp;
        return cards.back().get();
    }

    TCardPileView* NewView(QRect bounds, int cardCount = 0, float xOffset = 0.0f,
                           float yOffset = 0.0f) {
        auto* view = new TCardPileView(table.get());
        view->setGeometry(bounds);
        view->SetXOffset(xOffset);
        view->SetYOffset(yOffset);
        for (int i = 0; i < cardCount; ++i)
            view->Pile.AddCard(NewCard((i * 3 + 1) % DeckSize));
        return view;
    }

    QPoint InTable(QWidget* widget, QPoint local) const {
        return widget->mapTo(table.get(), local);
    }
    void Press(QWidget* widget, QPoint local, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mousePress(table->windowHandle(), button, {}, InTable(widget, local));
    }
    void Move(QWidget* widget, QPoint local) {
        QTest::mouseMove(table->windowHandle(), InTable(widget, local));
    }
    void MoveOutside() { QTest::mouseMove(table->windowHandle(), {-30, 60}); }
    void Release(QWidget* widget, QPoint local) {
        QTest::mouseRelease(table->windowHandle(), Qt::LeftButton, {}, InTable(widget, local));
    }

    std::vector<std::unique_ptr<TCard>> cards; // outlive the views
    std::unique_ptr<QWidget> table;
};

// ---- Painting ----

TEST_F(PileViewTest, FramePixelsAndColourFollowingTheParent) {
    TCardPileView* view = NewView({10, 10, 90, 70});
    view->SetIsBordered(true);
    Show();
    EXPECT_EQ(view->Color(), Felt);
    EXPECT_TRUE(SameImage(Grab(view), FramedBackground({90, 70}, Felt)));

    const QColor own(200, 30, 40);
    view->SetColor(own);
    view->SetIsBordered(false);
    QImage plain(90, 70, QImage::Format_RGB32);
    plain.fill(own);
    EXPECT_TRUE(SameImage(Grab(view), plain));
}

TEST_F(PileViewTest, FanPositionsTruncateTowardZero) {
    struct Case {
        float xOffset, yOffset;
        int count;
        QPoint top;
    };
    const Case cases[] = {
        {8.0f, 0.0f, 25, {192, 0}}, {4.0f, 0.0f, 4, {12, 0}}, {2.5f, 0.0f, 4, {7, 0}},
        {0.0f, 2.5f, 4, {0, 7}},    {2.5f, 4.0f, 4, {7, 12}}, {0.3f, 0.0f, 4, {0, 0}},
    };
    Show();
    for (const Case& c : cases) {
        TCardPileView* view = NewView({0, 0, 300, 160}, c.count, c.xOffset, c.yOffset);
        const QImage shown = Grab(view);
        const QImage top = CardPicture(*view->Pile.Cards.back());
        SCOPED_TRACE(testing::Message() << "offsets " << c.xOffset << ", " << c.yOffset);
        EXPECT_EQ(view->CardPosition(c.count - 1), c.top);
        EXPECT_EQ(OpaqueMismatches(shown, top, c.top), 0);
        // One pixel off in either direction the top card no longer matches.
        EXPECT_NE(OpaqueMismatches(shown, top, c.top + QPoint(1, 0)), 0);
        EXPECT_NE(OpaqueMismatches(shown, top, c.top + QPoint(0, 1)), 0);
        delete view;
    }
}

TEST_F(PileViewTest, TwentyFiveCardFanEndsAt264) {
    TCardPileView* view = NewView({0, 0, 300, 100}, 25, 8.0f);
    Show();
    const QImage shown = Grab(view);
    const QImage top = CardPicture(*view->Pile.Cards.back());
    for (int y = 0; y < 100; ++y) {
        const QRgb last = top.pixel(71, y);
        if (qAlpha(last) == 255) {
            EXPECT_EQ(shown.pixel(263, y), last) << "row " << y;
        }
        for (int x = 264; x < 300; ++x)
            ASSERT_EQ(shown.pixel(x, y), Felt.rgb()) << "at " << x << ", " << y;
    }
}

TEST_F(PileViewTest, CardAsLargeAsTheViewHidesTheFrameButAtItsCorners) {
    TCardPileView* view = NewView({5, 5, 72, 100}, 1);
    view->SetIsBordered(true);
    Show();
    const QImage shown = Grab(view);
    const QImage card = CardPicture(*view->Pile.Cards[0]);
    const QImage frame = FramedBackground({72, 100}, Felt);
    int frameShowing = 0;
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 72; ++x) {
            const int alpha = qAlpha(card.pixel(x, y));
            if (alpha == 255)
                ASSERT_EQ(shown.pixel(x, y), card.pixel(x, y)) << x << ", " << y;
            else if (alpha == 0) {
                ASSERT_EQ(shown.pixel(x, y), frame.pixel(x, y)) << x << ", " << y;
                frameShowing += frame.pixel(x, y) != Felt.rgb();
            }
        }
    EXPECT_GT(frameShowing, 0) << "the rounded corners let the frame through";
}

TEST_F(PileViewTest, EmptyViewShowsTheMarkOfItsState) {
    TCardPileView* view = NewView({10, 10, 72, 100});
    view->SetIsBordered(true);
    Show();
    const QImage blank = FramedBackground({72, 100}, Felt);
    QImage previous;
    for (int state : {FS_BLANK, FS_RECYCLE, FS_EMPTY, FS_LATTICE}) {
        view->SetState(static_cast<_PileBitmap>(state));
        QImage expected = blank;
        if (state != FS_BLANK) {
            QPainter canvas(&expected);
            TCardImages::PileImages->Draw(canvas, {0, 0}, state - 1);
        }
        const QImage shown = Grab(view);
        EXPECT_TRUE(SameImage(shown, expected)) << "state " << state;
        EXPECT_NE(shown, previous) << "state " << state << " looks like the one before";
        previous = shown;
    }
}

TEST_F(PileViewTest, BitmapBackgroundIsTheWallpaperUnderTheViewsBounds) {
    // A wallpaper that ends inside the view: the colour shows beyond it.
    QImage pattern(80, 120, QImage::Format_RGB32);
    for (int y = 0; y < pattern.height(); ++y)
        for (int x = 0; x < pattern.width(); ++x)
            pattern.setPixel(x, y, qRgb(x * 3 % 256, y * 2 % 256, (x ^ y) & 0xFF));
    const QPixmap wallpaper = QPixmap::fromImage(pattern);
    TCardPileView* view = NewView({37, 53, 72, 100});
    view->BackgroundBitmap = &wallpaper;
    Show();
    QImage plain(72, 100, QImage::Format_RGB32);
    plain.fill(Felt);
    EXPECT_TRUE(SameImage(Grab(view), plain)) << "FS_NORMAL ignores the wallpaper";

    view->SetBackgroundMode(FS_BITMAP);
    QImage expected = plain;
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 72; ++x)
            if (pattern.rect().contains(37 + x, 53 + y))
                expected.setPixel(x, y, pattern.pixel(37 + x, 53 + y));
    EXPECT_TRUE(SameImage(Grab(view), expected));

    view->BackgroundBitmap = nullptr;
    EXPECT_TRUE(SameImage(Grab(view), plain)) << "no wallpaper: the colour";
}

// ---- Hit test ----

TEST_F(PileViewTest, HitTestPicksTheUpperCard) {
    // Three cards 72 x 100 stepped by (20, 10): [0,72), [20,92), [40,112).
    TCardPileView* view = NewView({10, 10, 160, 140}, 3, 20.0f, 10.0f);
    Show();
    struct Case {
        QPoint at;
        int card; // -1: none
    };
    const Case cases[] = {{{5, 5}, 0},     {{25, 15}, 1}, {{45, 25}, 2},  {{111, 50}, 2},
                          {{112, 50}, -1}, {{30, 5}, 0},  {{45, 119}, 2}, {{45, 120}, -1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "press at " << c.at.x() << ", " << c.at.y());
        Press(view, c.at);
        Release(view, c.at);
        if (c.card < 0) {
            EXPECT_EQ(view->SelectedCard, nullptr);
            EXPECT_EQ(view->SelectedRect, QRect(0, 0, 72, 100)) << "the last rectangle tried";
        } else {
            const QPoint corner(20 * c.card, 10 * c.card);
            EXPECT_EQ(view->SelectedCard, view->Pile.Cards[c.card]);
            EXPECT_EQ(view->SelectedRect, QRect(corner, QSize(72, 100)));
            EXPECT_EQ(view->GrabOffset, c.at - corner);
        }
    }
}

TEST_F(PileViewTest, EveryPressClearsDragReadyAndDropTargetButOnlyLeftSelects) {
    TCardPileView* view = NewView({10, 10, 160, 140}, 3, 20.0f);
    TCardPileView* other = NewView({300, 10, 72, 100});
    Show();
    Press(view, {50, 20});
    Release(view, {50, 20});
    TCard* selected = view->SelectedCard;
    ASSERT_EQ(selected, view->Pile.Cards[2]);
    std::vector<Qt::MouseButton> seen;
    view->OnMouseDown = [&](TCardPileView* sender, Qt::MouseButton button, Qt::KeyboardModifiers,
                            int, int) {
        EXPECT_EQ(sender, view);
        EXPECT_FALSE(view->DragReady);
        EXPECT_EQ(view->DropTarget, nullptr);
        seen.push_back(button);
    };
    view->DragReady = true;
    view->DropTarget = other;
    Press(view, {5, 5}, Qt::RightButton);
    QTest::mouseRelease(table->windowHandle(), Qt::RightButton, {}, InTable(view, {5, 5}));
    EXPECT_EQ(view->SelectedCard, selected) << "a right press leaves the selection";
    EXPECT_EQ(seen, std::vector<Qt::MouseButton>{Qt::RightButton});
}

// ---- Drag and drop ----

struct DragOverRecord {
    QWidget* sender;
    TDragState state;
    QPoint at;
    QPoint screen;
};

// A deck and two cells in the manner of the games: the deck lets its top card
// go, an enabled cell accepts it and names itself the drop target, leaving a
// cell outside the window or crossing the bare table clears the target.
class DragTest : public PileViewTest {
protected:
    void SetUp() override {
        PileViewTest::SetUp();
        deck = NewView({10, 10, 264, 100}, 0, 8.0f);
        deck->SetAllowDrag(true);
        deck->SetState(FS_EMPTY);
        deck->OnMouseDown = [this](TCardPileView* sender, Qt::MouseButton button,
                                   Qt::KeyboardModifiers, int, int) {
            sender->DragReady = button == Qt::LeftButton && sender->SelectedCard &&
                                (liftAnyCard || sender->SelectedCard == sender->Pile.CardAt(9999));
        };
        deck->OnStartDrag = [this](TCardPileView* sender) {
            countAtStart = static_cast<int>(sender->Pile.Cards.size());
        };
        deck->OnEndDrag = [this](TCardPileView* sender, QWidget* target, int, int) {
            ends.push_back({target, sender->DropTarget.data()});
        };
        cellA = NewView({10, 150, 72, 100});
        cellB = NewView({120, 150, 72, 100});
        for (TCardPileView* cell : {cellA, cellB}) {
            cell->SetIsBordered(true);
            cell->OnDragOver = [this](QWidget* sender, TCardPileView* source, int x, int y,
                                      TDragState state, bool& accept) {
                log.push_back({sender, state, {x, y}, TDragSession::CursorPos()});
                auto* target = static_cast<TCardPileView*>(sender);
                accept = target->isEnabled();
                source->DropTarget = accept ? target : nullptr;
                if (state == dsDragLeave &&
                    !TDragSession::StrictlyInside(table->frameGeometry(),
                                                  TDragSession::CursorPos())) {
                    source->DropTarget = nullptr;
                    accept = false;
                }
            };
        }
        label = new QWidget(table.get());
        label->setGeometry(240, 150, 120, 30);
        TDragSession::SetShowsDragImage(label, true);
        TDragSession::SetDragOverHandler(table.get(), [this](QWidget* sender, TCardPileView* source,
                                                             int x, int y, TDragState state,
                                                             bool& accept) {
            log.push_back({sender, state, {x, y}, TDragSession::CursorPos()});
            accept = false;
            source->DropTarget = nullptr;
        });
    }

    void Deal(int count) {
        for (int i = 0; i < count; ++i)
            deck->Pile.AddCard(NewCard(10 + i));
    }
    std::vector<TCard*> DeckCards() const { return deck->Pile.Cards; }
    QPoint TopCardCentre() const {
        return deck->CardPosition(deck->Pile.GetCardCount() - 1) + QPoint(36, 50);
    }
    std::vector<TDragState> StatesOf(QWidget* sender) const {
        std::vector<TDragState> states;
        for (const auto& r : log)
            if (r.sender == sender)
                states.push_back(r.state);
        return states;
    }

    TCardPileView* deck = nullptr;
    TCardPileView* cellA = nullptr;
    TCardPileView* cellB = nullptr;
    QWidget* label = nullptr; // shows the drag image, takes no part
    bool liftAnyCard = false;
    int countAtStart = -1;
    std::vector<DragOverRecord> log;
    struct End {
        QWidget* target;
        TCardPileView* dropTarget;
    };
    std::vector<End> ends;
};

TEST_F(DragTest, DeliversTheTopCardToTheNamedTarget) {
    Deal(3);
    const auto before = DeckCards();
    Show();
    Press(deck, TopCardCentre());
    Move(cellA, {30, 40});
    Move(cellA, {31, 41});
    ASSERT_NE(deck->ActiveDrag(), nullptr);
    EXPECT_EQ(deck->DropTarget, cellA);
    Release(cellA, {31, 41});
    EXPECT_EQ(deck->ActiveDrag(), nullptr);
    EXPECT_EQ(cellA->Pile.Cards, std::vector<TCard*>{before[2]});
    EXPECT_EQ(deck->Pile.Cards, std::vector<TCard*>(before.begin(), before.begin() + 2));
    ASSERT_EQ(ends.size(), 1u);
    EXPECT_EQ(ends[0].target, cellA);
    EXPECT_EQ(ends[0].dropTarget, cellA) << "still set after a delivery";
    EXPECT_EQ(countAtStart, 2) << "the card was lifted before OnStartDrag";
    // The picture of the cell now shows the card.
    EXPECT_EQ(OpaqueMismatches(Grab(cellA), CardPicture(*before[2]), {0, 0}), 0);
}

TEST_F(DragTest, LiftsTheSelectedCardAndEveryCardAboveInOrder) {
    liftAnyCard = true;
    Deal(4);
    const auto before = DeckCards();
    Show();
    Press(deck, {8 + 4, 50}); // card 1 shows from x = 8 to 16
    Move(cellA, {30, 40});
    EXPECT_EQ(deck->DragPile.Cards, std::vector<TCard*>(before.begin() + 1, before.end()));
    EXPECT_EQ(deck->Pile.Cards, std::vector<TCard*>{before[0]});
    Release(cellA, {30, 40});
    EXPECT_EQ(cellA->Pile.Cards, std::vector<TCard*>(before.begin() + 1, before.end()));
    EXPECT_EQ(deck->DragPile.Cards.size(), 3u) << "kept until the next drag";
}

TEST_F(DragTest, CardsGoBackOnTopWithoutATarget) {
    // The source as its own target, the bare table, and outside the window.
    deck->OnDragOver = [](QWidget* sender, TCardPileView* source, int, int, TDragState,
                          bool& accept) {
        accept = true;
        source->DropTarget = static_cast<TCardPileView*>(sender);
    };
    liftAnyCard = true;
    Deal(3);
    const auto before = DeckCards();
    Show();
    const std::vector<std::function<void()>> releases = {
        [&] {
            Move(deck, {150, 50});
            Release(deck, {150, 50});
        },
        [&] {
            Move(cellA, {30, 30});
            Move(table.get(), {400, 350});
            Release(table.get(), {400, 350});
        },
        [&] {
            Move(cellA, {30, 30});
            MoveOutside();
            QTest::mouseRelease(table->windowHandle(), Qt::LeftButton, {}, {-30, 60});
        },
    };
    for (std::size_t i = 0; i < releases.size(); ++i) {
        SCOPED_TRACE(testing::Message() << "case " << i);
        ends.clear();
        Press(deck, {12, 50});
        Move(deck, {14, 52});
        EXPECT_EQ(deck->Pile.Cards.size(), 1u);
        releases[i]();
        EXPECT_EQ(deck->Pile.Cards, before);
        EXPECT_TRUE(cellA->Pile.Cards.empty());
        EXPECT_EQ(deck->DropTarget, nullptr);
        ASSERT_EQ(ends.size(), 1u);
        EXPECT_EQ(ends[0].dropTarget, nullptr);
    }
}

TEST_F(DragTest, OneCardDeckStaysEmptyDuringTheDrag) {
    Deal(1);
    TCard* card = deck->Pile.Cards[0];
    Show();
    Press(deck, {36, 50});
    Move(table.get(), {400, 350});
    EXPECT_EQ(countAtStart, 0);
    EXPECT_TRUE(deck->Pile.Cards.empty());
    // The empty deck shows its red cross while the card is away.
    QImage expected(deck->size(), QImage::Format_RGB32);
    expected.fill(Felt);
    {
        QPainter canvas(&expected);
        TCardImages::PileImages->Draw(canvas, {0, 0}, FS_EMPTY - 1);
    }
    EXPECT_TRUE(SameImage(Grab(deck), expected));
    Release(table.get(), {400, 350});
    EXPECT_EQ(deck->Pile.Cards, std::vector<TCard*>{card});
}

TEST_F(DragTest, DragImageHasOneStepPerCardAndKeepsTheGrabPoint) {
    liftAnyCard = true;
    Deal(3);
    const auto before = DeckCards();
    Show();
    const QPoint press(8 + 5, 37); // card 1 at x = 8, grabbed 5 right of its edge
    Press(deck, press);
    Move(cellA, {20, 20});
    const QPixmap& image = deck->GetDragImages();
    EXPECT_EQ(image.deviceIndependentSize().toSize(), QSize(2 * 8 + 72, 100));
    EXPECT_EQ(deck->GrabOffset, QPoint(5, 37));
    EXPECT_EQ(deck->DragHotSpot(), deck->GrabOffset);
    const QImage picture = Rgb(image.toImage());
    EXPECT_EQ(OpaqueMismatches(picture, CardPicture(*before[2]), {8, 0}), 0);
    EXPECT_EQ(qAlpha(image.toImage().pixel(87, 50)), 0) << "transparent beyond the fan";

    // Over a control that shows the picture, its hot spot is under the pointer.
    const TDragImage* shown = deck->ActiveDrag()->Image();
    ASSERT_NE(shown, nullptr);
    EXPECT_TRUE(shown->isVisible());
    EXPECT_EQ(shown->mapToGlobal(QPoint(0, 0)),
              cellA->mapToGlobal(QPoint(20, 20)) - deck->GrabOffset);
    Move(label, {10, 10});
    EXPECT_TRUE(shown->isVisible());
    EXPECT_EQ(shown->mapToGlobal(QPoint(0, 0)),
              label->mapToGlobal(QPoint(10, 10)) - deck->GrabOffset);
    EXPECT_EQ(table->childAt(InTable(label, {10, 10})), label) << "the picture takes no input";
    // Over one that does not, the picture hides.
    TDragSession::SetShowsDragImage(label, false);
    Move(label, {12, 10});
    EXPECT_FALSE(shown->isVisible());
    Release(label, {12, 10});
}

TEST_F(DragTest, DragOverEnterMoveLeaveReachTheControlUnderThePointer) {
    Deal(2);
    Show();
    Press(deck, TopCardCentre());
    Move(cellA, {10, 20});
    Move(cellA, {11, 22});
    Move(cellB, {40, 50});
    Release(cellB, {41, 51});
    EXPECT_EQ(StatesOf(cellA), (std::vector<TDragState>{dsDragEnter, dsDragMove, dsDragLeave}));
    EXPECT_EQ(StatesOf(cellB), (std::vector<TDragState>{dsDragEnter, dsDragMove, dsDragLeave}));
    // Positions are the pointer in the receiver's coordinates; the leave of A
    // happens with the pointer already over B.
    std::vector<QPoint> atA;
    for (const auto& r : log)
        if (r.sender == cellA)
            atA.push_back(r.at);
    EXPECT_EQ(atA, (std::vector<QPoint>{
                       {10, 20}, {11, 22}, cellA->mapFrom(table.get(), InTable(cellB, {40, 50}))}));
    EXPECT_EQ(log.back().screen, cellB->mapToGlobal(QPoint(41, 51)));
    EXPECT_EQ(cellB->Pile.Cards.size(), 1u);
    ASSERT_EQ(ends.size(), 1u);
    EXPECT_EQ(ends[0].target, cellB);
}

TEST_F(DragTest, ReleaseOverAControlTakingNoPartDeliversToTheLastTarget) {
    Deal(2);
    TCard* top = deck->Pile.Cards[1];
    Show();
    Press(deck, TopCardCentre());
    Move(cellA, {30, 30});
    Move(label, {10, 10});
    EXPECT_EQ(deck->DropTarget, cellA) << "left A inside the window";
    Release(label, {10, 10});
    EXPECT_EQ(cellA->Pile.Cards, std::vector<TCard*>{top});
    ASSERT_EQ(ends.size(), 1u);
    EXPECT_EQ(ends[0].target, nullptr) << "the label did not accept the drop";
    EXPECT_EQ(ends[0].dropTarget, cellA);
}

TEST_F(DragTest, LeavingTheWindowClearsTheTargetByTheLeaveRule) {
    Deal(2);
    const auto before = DeckCards();
    Show();
    Press(deck, TopCardCentre());
    Move(cellA, {30, 30});
    MoveOutside();
    ASSERT_EQ(StatesOf(cellA).back(), dsDragLeave);
    EXPECT_EQ(log.back().screen, table->mapToGlobal(QPoint(-30, 60)));
    EXPECT_EQ(deck->DropTarget, nullptr);
    QTest::mouseRelease(table->windowHandle(), Qt::LeftButton, {}, {-30, 60});
    EXPECT_EQ(deck->Pile.Cards, before);
}

TEST_F(DragTest, StrictlyInsideExcludesTheEdges) {
    const QRect r(100, 50, 200, 80); // left < x < 300, top < y < 130
    struct Case {
        QPoint p;
        bool inside;
    };
    for (const Case& c : {Case{{101, 51}, true}, Case{{299, 129}, true}, Case{{100, 60}, false},
                          Case{{300, 60}, false}, Case{{150, 50}, false}, Case{{150, 130}, false}})
        EXPECT_EQ(TDragSession::StrictlyInside(r, c.p), c.inside) << c.p.x() << ", " << c.p.y();
}

TEST_F(DragTest, DisabledControlLeavesTheDragToItsContainer) {
    Deal(2);
    cellB->setEnabled(false);
    Show();
    Press(deck, TopCardCentre());
    Move(cellA, {30, 30});
    Move(cellB, {30, 30});
    EXPECT_TRUE(StatesOf(cellB).empty());
    EXPECT_EQ(StatesOf(table.get()), std::vector<TDragState>{dsDragEnter});
    EXPECT_EQ(deck->DropTarget, nullptr) << "the table refuses and clears the target";
    Release(cellB, {30, 30});
    EXPECT_TRUE(cellB->Pile.Cards.empty());
    EXPECT_EQ(deck->Pile.Cards.size(), 2u);
}

TEST_F(DragTest, DelayedDragWaitsForTheDragDistance) {
    deck->SetDragDelayed(true);
    int clicks = 0;
    deck->OnClick = [&](TCardPileView*) { ++clicks; };
    Deal(2);
    const auto before = DeckCards();
    Show();
    const QPoint start = TopCardCentre();
    const int distance = QApplication::startDragDistance();
    ASSERT_GT(distance, 1);

    // A short move lifts the card but does not start the drag; releasing
    // there is a click and the card comes back.
    Press(deck, start);
    Move(deck, start + QPoint(1, 0));
    ASSERT_NE(deck->ActiveDrag(), nullptr);
    EXPECT_FALSE(deck->ActiveDrag()->Started());
    EXPECT_FALSE(deck->ActiveDrag()->Image()->isVisible());
    EXPECT_EQ(deck->Pile.Cards.size(), 1u);
    Release(deck, start + QPoint(1, 0));
    EXPECT_EQ(deck->Pile.Cards, before);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(ends.size(), 1u);

    // Past the distance it drags as usual.
    Press(deck, start);
    Move(deck, start + QPoint(1, 0));
    Move(cellA, {30, 30});
    EXPECT_TRUE(deck->ActiveDrag()->Started());
    Release(cellA, {30, 30});
    EXPECT_EQ(cellA->Pile.Cards, std::vector<TCard*>{before[1]});
    EXPECT_EQ(clicks, 1);
}

TEST_F(DragTest, EscapeCancelsAndTheCardsComeBack) {
    Deal(2);
    const auto before = DeckCards();
    Show();
    Press(deck, TopCardCentre());
    Move(cellA, {30, 30});
    ASSERT_EQ(deck->DropTarget, cellA);
    QTest::keyClick(table->windowHandle(), Qt::Key_Escape);
    EXPECT_EQ(deck->ActiveDrag(), nullptr);
    EXPECT_EQ(deck->Pile.Cards, before);
    EXPECT_TRUE(cellA->Pile.Cards.empty());
    ASSERT_EQ(ends.size(), 1u);
    EXPECT_EQ(ends[0].dropTarget, nullptr);
    EXPECT_EQ(StatesOf(cellA).back(), dsDragLeave);
    Release(cellA, {30, 30}); // the late release does nothing more
    EXPECT_EQ(ends.size(), 1u);
    EXPECT_EQ(deck->Pile.Cards, before);
}

TEST_F(DragTest, ClosingTheWindowMidDragPutsTheCardsBackFirst) {
    Deal(2);
    const auto before = DeckCards();
    Show();
    Press(deck, TopCardCentre());
    Move(cellA, {30, 30});
    table->close();
    EXPECT_EQ(deck->ActiveDrag(), nullptr);
    EXPECT_EQ(deck->Pile.Cards, before);
}

TEST_F(DragTest, ClicksAndDoubleClicksButNotAfterADrag) {
    int clicks = 0, doubles = 0, deckClicks = 0;
    cellA->OnClick = [&](TCardPileView* sender) {
        EXPECT_EQ(sender, cellA);
        ++clicks;
    };
    cellA->OnDblClick = [&](TCardPileView*) { ++doubles; };
    deck->OnClick = [&](TCardPileView*) { ++deckClicks; };
    Deal(2);
    Show();
    Press(cellA, {10, 10});
    Release(cellA, {10, 10});
    EXPECT_EQ(clicks, 1);
    Press(cellA, {10, 10});
    Release(cellB, {10, 10}); // released elsewhere: no click
    EXPECT_EQ(clicks, 1);
    QTest::mouseDClick(table->windowHandle(), Qt::LeftButton, {}, InTable(cellA, {20, 20}));
    EXPECT_EQ(doubles, 1);
    EXPECT_EQ(clicks, 2) << "only the first press of a double click clicks";

    Press(deck, TopCardCentre());
    Move(deck, TopCardCentre() + QPoint(2, 0));
    Release(deck, TopCardCentre() + QPoint(2, 0));
    EXPECT_EQ(deckClicks, 0);
    Press(deck, {200, 50}); // beyond the fan: no card, so no drag

    Release(deck, {200, 50});
    EXPECT_EQ(deckClicks, 1);
}

} // namespace
