// The card images: the generated resource set, the three image lists, size
// changes and the drawing of faces and backs, at 1x and 2x.
#include "cardimages.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

constexpr QRgb Key = 0xFFFF00FFu;
constexpr QRgb Table = 0xFF22B066u; // the green table
constexpr int FirstCard = 100, FirstBack = 153, FirstMark = 156, Last = 158;

QString Name(bool small, int number) {
    return QStringLiteral("%1%2").arg(small ? "sFSCARD" : "FSCARD").arg(number);
}

QImage Resource(bool small, int number, int ratio = 1) {
    return TCardImages::LoadResourceImage(Name(small, number), ratio)
        .convertToFormat(QImage::Format_RGB32);
}

// Every test starts from nothing loaded, large cards, back 0, 1x pictures.
class CardImages : public ::testing::Test {
protected:
    void SetUp() override { Reset(); }
    void TearDown() override { Reset(); }
    static void Reset() {
        TCardImages::FreeCardBitmaps();
        TCardImages::CurrentCardSize = FS_LARGE;
        TCardImages::BackIndex = 0;
        TCardImages::PixelRatioSetting = 1;
        TCard::SetEnsureImagesHook(nullptr);
    }
    static void LoadCurrent() {
        if (TCardImages::CurrentCardSize == FS_SMALL)
            TCardImages::LoadSmallCardBitmaps();
        else
            TCardImages::LoadCardBitmaps();
        TCardImages::LoadPileBitmaps();
    }
};

// A canvas of logical size `size` at `ratio`, filled with the table colour.
QImage Canvas(QSize size, int ratio) {
    QImage canvas(size * ratio, QImage::Format_RGB32);
    canvas.setDevicePixelRatio(ratio);
    canvas.fill(Table);
    return canvas;
}

// What a card picture looks like drawn at device offset `at` on the table:
// the picture where it is not the key colour, the table elsewhere.
QImage Composite(const QImage& canvasTemplate, const QImage& picture, QPoint at) {
    QImage expected = canvasTemplate.copy();
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (picture.pixel(x, y) != Key)
                expected.setPixel(at.x() + x, at.y() + y, picture.pixel(x, y));
    return expected;
}

TEST_F(CardImages, EveryPictureHasItsLogicalSizeAndATwiceAsLargeVersion) {
    for (const bool small : {false, true}) {
        const QSize logical = TCardImages::CardPixelSize(small ? FS_SMALL : FS_LARGE);
        for (int number = FirstCard; number <= Last; ++number) {
            for (const int ratio : {1, 2}) {
                SCOPED_TRACE(Name(small, number).toStdString() + " x" + std::to_string(ratio));
                const QImage image = TCardImages::LoadResourceImage(Name(small, number), ratio);
                ASSERT_FALSE(image.isNull());
                EXPECT_EQ(image.size(), logical * ratio);
                EXPECT_EQ(image.devicePixelRatio(), ratio);
                EXPECT_EQ(image.deviceIndependentSize().toSize(), logical);
            }
        }
    }
}

TEST_F(CardImages, ResourceNamesMatchWithoutRegardToCaseAndNothingElse) {
    for (const char* name : {"fscard113", "FsCaRd113", "FSCARD113"})
        EXPECT_EQ(TCardImages::LoadResourceImage(QLatin1String(name), 1), Resource(false, 113))
            << name;
    for (const char* name : {"sfscard140", "SFSCARD140", "sFsCard140"})
        EXPECT_EQ(TCardImages::LoadResourceImage(QLatin1String(name), 2), Resource(true, 140, 2))
            << name;
    EXPECT_NE(Resource(false, 113), Resource(false, 114));
    for (const char* name : {"FSCARD99", "FSCARD159", "FSCARD1000", "FSCARD", "XFSCARD100",
                             "FSCARD100 ", "SSFSCARD100", "", "FSCARD+10"})
        EXPECT_TRUE(TCardImages::LoadResourceImage(QLatin1String(name), 1).isNull()) << name;
}

bool NearKey(QRgb c) {
    return c != Key && qRed(c) > 200 && qBlue(c) > 200 && qGreen(c) < 90;
}

// Cards and backs: key colour in the four rounded corners and nowhere else,
// and the pixels bordering it are the dark card edge, never a blend.
TEST_F(CardImages, CardsAndBacksAreKeyedExactlyInTheirRoundedCorners) {
    for (const bool small : {false, true}) {
        for (int number = FirstCard; number < FirstMark; ++number) {
            for (const int ratio : {1, 2}) {
                SCOPED_TRACE(Name(small, number).toStdString() + " x" + std::to_string(ratio));
                const QImage image = Resource(small, number, ratio);
                const int w = image.width(), h = image.height();
                const int corner = 6 * ratio; // larger than either size's corner radius
                for (QPoint at :
                     {QPoint(0, 0), QPoint(w - 1, 0), QPoint(0, h - 1), QPoint(w - 1, h - 1)})
                    EXPECT_EQ(image.pixel(at), Key);
                int edgeFaults = 0, stray = 0, blends = 0;
                for (int y = 0; y < h; ++y) {
                    for (int x = 0; x < w; ++x) {
                        const QRgb c = image.pixel(x, y);
                        blends += NearKey(c);
                        const bool inCorner =
                            (x < corner || x >= w - corner) && (y < corner || y >= h - corner);
                        if (c == Key) {
                            stray += !inCorner;
                            continue;
                        }
                        const bool bordersKey = (x > 0 && image.pixel(x - 1, y) == Key) ||
                                                (x < w - 1 && image.pixel(x + 1, y) == Key) ||
                                                (y > 0 && image.pixel(x, y - 1) == Key) ||
                                                (y < h - 1 && image.pixel(x, y + 1) == Key);
                        if (bordersKey && std::max({qRed(c), qGreen(c), qBlue(c)}) > 90)
                            ++edgeFaults;
                    }
                }
                EXPECT_EQ(stray, 0);
                EXPECT_EQ(edgeFaults, 0);
                EXPECT_EQ(blends, 0);
            }
        }
    }
}

// Marks: transparent all round, only the shape drawn, no blends into the key.
TEST_F(CardImages, MarksAreTransparentExceptTheirShape) {
    for (const bool small : {false, true}) {
        for (int number = FirstMark; number <= Last; ++number) {
            for (const int ratio : {1, 2}) {
                SCOPED_TRACE(Name(small, number).toStdString() + " x" + std::to_string(ratio));
                const QImage image = Resource(small, number, ratio);
                const int w = image.width(), h = image.height();
                int shape = 0, blends = 0, rim = 0;
                for (int y = 0; y < h; ++y)
                    for (int x = 0; x < w; ++x) {
                        const QRgb c = image.pixel(x, y);
                        shape += c != Key;
                        blends += NearKey(c);
                        if ((x == 0 || y == 0 || x == w - 1 || y == h - 1) && c != Key)
                            ++rim;
                    }
                EXPECT_EQ(rim, 0);
                EXPECT_EQ(blends, 0);
                EXPECT_GT(shape, w * h / 20);
                EXPECT_LT(shape, w * h * 3 / 4);
                const QRgb centre = image.pixel(w / 2, h / 2);
                if (number == FirstMark) { // a ring: open in the middle
                    EXPECT_EQ(centre, Key);
                } else if (number == FirstMark + 1) { // a cross: drawn where its bars meet
                    EXPECT_NE(centre, Key);
                }
            }
        }
    }
}

// The lists hold the pictures with the key made transparent, nothing else.
TEST_F(CardImages, ListsMaskExactlyTheKeyedPixels) {
    for (const int ratio : {1, 2}) {
        for (const _CardSize size : {FS_LARGE, FS_SMALL}) {
            Reset();
            TCardImages::PixelRatioSetting = ratio;
            TCardImages::CurrentCardSize = size;
            LoadCurrent();
            const QSize logical = TCardImages::CardPixelSize(size);
            for (int number = FirstCard; number <= Last; ++number) {
                SCOPED_TRACE(Name(size == FS_SMALL, number).toStdString() + " x" +
                             std::to_string(ratio));
                const TImageList* list = number < FirstBack   ? TCardImages::CardImages.get()
                                         : number < FirstMark ? TCardImages::BackImages.get()
                                                              : TCardImages::PileImages.get();
                const int index = number - (number < FirstBack   ? FirstCard
                                            : number < FirstMark ? FirstBack
                                                                 : FirstMark);
                ASSERT_EQ(QSize(list->Width(), list->Height()), logical);
                const QPixmap& pixmap = list->Image(index);
                EXPECT_EQ(pixmap.devicePixelRatio(), ratio);
                const QImage held = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
                const QImage source = Resource(size == FS_SMALL, number, ratio);
                ASSERT_EQ(held.size(), source.size());
                int faults = 0;
                for (int y = 0; y < held.height(); ++y)
                    for (int x = 0; x < held.width(); ++x) {
                        const QRgb s = source.pixel(x, y), c = held.pixel(x, y);
                        faults += s == Key ? qAlpha(c) != 0 : c != s;
                    }
                EXPECT_EQ(faults, 0);
            }
        }
    }
}

TEST_F(CardImages, SetCardSizeReloadsOnlyOnAChange) {
    LoadCurrent();
    const TImageList* faces = TCardImages::CardImages.get();
    const TImageList* backs = TCardImages::BackImages.get();
    const TImageList* marks = TCardImages::PileImages.get();

    for (int same : {1, 5, -3}) { // any value but 0 means large
        TCardImages::SetCardSize(same);
        EXPECT_EQ(TCardImages::CardImages.get(), faces);
        EXPECT_EQ(TCardImages::BackImages.get(), backs);
        EXPECT_EQ(TCardImages::PileImages.get(), marks);
        EXPECT_EQ(TCardImages::GetCardSize(), FS_LARGE);
    }

    TCardImages::SetCardSize(0);
    EXPECT_EQ(TCardImages::GetCardSize(), FS_SMALL);
    EXPECT_TRUE(TCardImages::BitmapsLoaded);
    for (const TImageList* list : {TCardImages::CardImages.get(), TCardImages::BackImages.get(),
                                   TCardImages::PileImages.get()}) {
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(QSize(list->Width(), list->Height()), QSize(45, 63));
        EXPECT_EQ(list->Image(0).deviceIndependentSize().toSize(), QSize(45, 63));
    }
    EXPECT_EQ(TCardImages::CardImages->Count(), 53);
    EXPECT_EQ(TCardImages::BackImages->Count(), 3);
    EXPECT_EQ(TCardImages::PileImages->Count(), 3);

    const TImageList* smallFaces = TCardImages::CardImages.get();
    TCardImages::SetCardSize(0);
    EXPECT_EQ(TCardImages::CardImages.get(), smallFaces);

    TCardImages::SetCardSize(7);
    EXPECT_EQ(TCardImages::GetCardSize(), FS_LARGE);
    EXPECT_EQ(TCardImages::CardImages->Width(), 72);
    EXPECT_EQ(TCardImages::PileImages->Height(), 100);
}

TEST_F(CardImages, LoadedSetsAndMarksAreNotReloaded) {
    TCardImages::LoadCardBitmaps();
    const TImageList* faces = TCardImages::CardImages.get();
    // Faces and backs are guarded as a pair: the other size does nothing.
    TCardImages::LoadSmallCardBitmaps();
    EXPECT_EQ(TCardImages::CardImages.get(), faces);
    EXPECT_EQ(TCardImages::CardImages->Width(), 72);
    EXPECT_EQ(TCardImages::PileImages, nullptr);

    TCardImages::LoadPileBitmaps();
    const TImageList* marks = TCardImages::PileImages.get();
    TCardImages::CurrentCardSize = FS_SMALL;
    TCardImages::LoadPileBitmaps();
    EXPECT_EQ(TCardImages::PileImages.get(), marks);

    TCardImages::FreeCardBitmaps();
    EXPECT_FALSE(TCardImages::BitmapsLoaded);
    EXPECT_EQ(TCardImages::CardImages, nullptr);
    EXPECT_EQ(TCardImages::BackImages, nullptr);
    EXPECT_EQ(TCardImages::PileImages, nullptr);
    TCardImages::LoadPileBitmaps(); // now at the current (small) size
    EXPECT_EQ(TCardImages::PileImages->Width(), 45);
}

TEST_F(CardImages, EveryNewCardLoadsTheCurrentSize) {
    TCardImages::Install();
    TCardImages::CurrentCardSize = FS_SMALL;
    const TCard card(3, 12);
    EXPECT_TRUE(TCardImages::BitmapsLoaded);
    EXPECT_EQ(TCardImages::CardImages->Width(), 45);
    EXPECT_EQ(TCardImages::BackImages->Height(), 63);
}

TEST_F(CardImages, FaceDownCardsDrawBackBackIndexWhateverTheCard) {
    LoadCurrent();
    const QPoint at(3, 5);
    const QImage blank = Canvas(QSize(80, 110), 1);
    for (int back = 0; back < 3; ++back) {
        TCardImages::SetBackIndex(back);
        const QImage expected = Composite(blank, Resource(false, FirstBack + back), at);
        for (int number = 0; number < 52; ++number) {
            QImage canvas = blank.copy();
            QPainter painter(&canvas);
            TCardImages::DrawCardOnCanvas(TCard(number), at, painter);
            painter.end();
            ASSERT_EQ(canvas, expected) << "back " << back << ", card " << number;
        }
    }
}

TEST_F(CardImages, BackIndexStaysWithinTheThreeBacks) {
    for (auto [set, held] : {std::pair{1, 1}, {2, 2}, {7, 2}, {-1, 0}}) {
        TCardImages::SetBackIndex(set);
        EXPECT_EQ(TCardImages::GetBackIndex(), held) << set;
    }
    // Even set directly out of range, a face-down card draws one of them.
    LoadCurrent();
    TCardImages::BackIndex = 9;
    QImage canvas = Canvas(QSize(72, 100), 1);
    QPainter painter(&canvas);
    TCardImages::DrawCardOnCanvas(TCard(0), QPoint(0, 0), painter);
    painter.end();
    EXPECT_EQ(canvas, Composite(Canvas(QSize(72, 100), 1), Resource(false, 155), QPoint(0, 0)));
}

// The face-up ace of spades is resource 113, copied unscaled with the table
// showing through its corners; at 2x the same at twice the pixels, still at
// the same logical place and size.
TEST_F(CardImages, FaceUpAceOfSpadesDrawsResource113AtItsOwnSize) {
    for (const int ratio : {1, 2}) {
        for (const _CardSize size : {FS_LARGE, FS_SMALL}) {
            SCOPED_TRACE("x" + std::to_string(ratio) + (size == FS_SMALL ? " small" : " large"));
            Reset();
            TCardImages::PixelRatioSetting = ratio;
            TCardImages::CurrentCardSize = size;
            LoadCurrent();
            TCard ace(FS_SPADES, FS_ACE, 1);
            ASSERT_EQ(ace.Number, 13);
            const QPoint at(3, 5);
            const QImage blank = Canvas(QSize(80, 110), ratio);
            QImage canvas = blank.copy();
            QPainter painter(&canvas);
            TCardImages::DrawCardOnCanvas(ace, at, painter);
            painter.end();
            EXPECT_EQ(canvas, Composite(blank, Resource(size == FS_SMALL, 113, ratio), at * ratio));
        }
    }
}

// 2x pictures drawn on an ordinary 1x canvas still cover exactly the card's
// logical rectangle.
TEST_F(CardImages, SharpPicturesKeepTheirLogicalSizeOnAnOrdinaryCanvas) {
    TCardImages::PixelRatioSetting = 2;
    LoadCurrent();
    const QPoint at(4, 6);
    QImage canvas = Canvas(QSize(90, 120), 1);
    QPainter painter(&canvas);
    TCard card(FS_HEARTS, FS_KING, 1);
    TCardImages::DrawCardOnCanvas(card, at, painter);
    painter.end();
    QRect drawn;
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x)
            if (canvas.pixel(x, y) != Table)
                drawn |= QRect(x, y, 1, 1);
    EXPECT_EQ(drawn, QRect(at, QSize(72, 100)));
}

TEST_F(CardImages, GetCardBitmapYieldsTheFaceEvenFaceDown) {
    LoadCurrent();
    for (int number : {0, 13, 38, 51}) {
        const TCard card(number); // face down
        QPixmap bitmap;
        TCardImages::GetCardBitmap(card, bitmap);
        EXPECT_EQ(bitmap.toImage(), TCardImages::CardImages->Image(number).toImage()) << number;
        EXPECT_NE(bitmap.toImage(), TCardImages::BackImages->Image(0).toImage()) << number;
    }
}

} // namespace
