// Writes a contact sheet of the card set as the program draws it: every
// picture of both sizes, and a fanned pile of each size, on the green table,
// on a dark and on a light background.  One sheet at 1x and one at 2x.
//   tressalo_cardsheet OUT.png      (writes OUT.png and OUT@2x.png)
#include "cardimages.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>

namespace {

constexpr int Margin = 12;
constexpr int Gap = 6;
constexpr int PerRow = 15;
constexpr int ImageCount = 59;

struct Band {
    const char* label;
    QColor colour;
};

const Band Bands[] = {
    {"Table", QColor(34, 176, 102)},
    {"Dark", QColor(28, 28, 34)},
    {"Light", QColor(238, 238, 232)},
};

// Picture i of the current set: faces, then backs, then the marks.
void DrawImage(QPainter& p, int i, QPoint at) {
    if (i < 53)
        TCardImages::CardImages->Draw(p, at, i);
    else if (i < 56)
        TCardImages::BackImages->Draw(p, at, i - 53);
    else
        TCardImages::PileImages->Draw(p, at, i - 56);
}

int SectionHeight(QSize card) {
    const int rows = (ImageCount + PerRow - 1) / PerRow;
    return rows * (card.height() + Gap) + card.height() + 3 * Gap;
}

// One size: all pictures in rows, then a fan of the ten of clubs to the king
// of hearts and two face-down cards, as a pile view would draw them.
int DrawSection(QPainter& p, _CardSize size, int top) {
    TCardImages::SetCardSize(size);
    if (size == FS_SMALL)
        TCardImages::LoadSmallCardBitmaps();
    else
        TCardImages::LoadCardBitmaps();
    TCardImages::LoadPileBitmaps();
    const QSize card = TCardImages::CardPixelSize();
    for (int i = 0; i < ImageCount; ++i)
        DrawImage(p, i,
                  QPoint(Margin + (i % PerRow) * (card.width() + Gap),
                         top + (i / PerRow) * (card.height() + Gap)));
    const int fanTop = top + ((ImageCount + PerRow - 1) / PerRow) * (card.height() + Gap) + Gap;
    const int step = size == FS_SMALL ? 12 : 18;
    const int fan[] = {9, 23, 36, 50, 12, 0, 13};
    int x = Margin;
    for (int number : fan) {
        TCard c(number);
        c.FaceUp = true;
        TCardImages::DrawCardOnCanvas(c, QPoint(x, fanTop), p);
        x += step;
    }
    x += card.width();
    for (int back = 0; back < 3; ++back) {
        TCardImages::SetBackIndex(back);
        for (int k = 0; k < 3; ++k) {
            TCardImages::DrawCardOnCanvas(TCard(k), QPoint(x, fanTop), p);
            x += step / 2;
        }
        x += card.width() + Gap;
    }
    return SectionHeight(card);
}

QImage Sheet(int ratio) {
    TCardImages::FreeCardBitmaps();
    TCardImages::PixelRatioSetting = ratio;
    const QSize large = TCardImages::CardPixelSize(FS_LARGE);
    const QSize small = TCardImages::CardPixelSize(FS_SMALL);
    const int width = 2 * Margin + PerRow * (large.width() + Gap);
    const int bandHeight = SectionHeight(large) + SectionHeight(small) + 2 * Margin;
    QImage sheet(QSize(width, bandHeight * 3) * ratio, QImage::Format_RGB32);
    sheet.setDevicePixelRatio(ratio);
    QPainter p(&sheet);
    int top = 0;
    for (const Band& band : Bands) {
        p.fillRect(QRect(0, top, width, bandHeight), band.colour);
        int y = top + Margin;
        y += DrawSection(p, FS_LARGE, y);
        DrawSection(p, FS_SMALL, y);
        top += bandHeight;
    }
    return sheet;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUT.png\n", argv[0]);
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    const QFileInfo info(out);
    const QString doubled = info.path() + QLatin1Char('/') + info.completeBaseName() +
                            QStringLiteral("@2x.") + info.suffix();
    const bool ok = Sheet(1).save(out) && Sheet(2).save(doubled);
    TCardImages::FreeCardBitmaps();
    if (!ok) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    std::printf("%s\n%s\n", qPrintable(out), qPrintable(doubled));
    return 0;
}
