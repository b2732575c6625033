#include "cardimages.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <stdexcept>

_CardSize TCardImages::CurrentCardSize = FS_LARGE;
int TCardImages::BackIndex = 0;
std::unique_ptr<TImageList> TCardImages::CardImages;
std::unique_ptr<TImageList> TCardImages::BackImages;
std::unique_ptr<TImageList> TCardImages::PileImages;
bool TCardImages::BitmapsLoaded = false;

TImageList::TImageList(int width, int height) : size_(width, height) {}

void TImageList::AddMasked(const QImage& image) {
    QImage masked = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < masked.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(masked.scanLine(y));
        for (int x = 0; x < masked.width(); ++x)
            if ((line[x] | 0xFF000000u) == FuchsiaKey)
                line[x] = 0;
    }
    masked.setDevicePixelRatio(image.devicePixelRatio());
    images_.push_back(QPixmap::fromImage(masked));
}

const QPixmap& TImageList::Image(int index) const {
    return images_.at(static_cast<std::size_t>(index));
}

void TImageList::Draw(QPainter& canvas, QPoint at, int index) const {
    canvas.drawPixmap(at, Image(index));
}

QSize TCardImages::CardPixelSize(_CardSize size) {
    return size == FS_SMALL ? QSize(45, 63) : QSize(72, 100);
}

QSize TCardImages::CardPixelSize() {
    return CardPixelSize(CurrentCardSize);
}

namespace {

void EnsureImages() {
    if (TCardImages::CurrentCardSize == FS_SMALL)
        TCardImages::LoadSmallCardBitmaps();
    else
        TCardImages::LoadCardBitmaps();
}

void LoadSet(const char* format, _CardSize size) {
    if (TCardImages::BitmapsLoaded)
        return;
    const QSize pixels = TCardImages::CardPixelSize(size);
    TCardImages::CardImages = std::make_unique<TImageList>(pixels.width(), pixels.height());
    TCardImages::BackImages = std::make_unique<TImageList>(pixels.width(), pixels.height());
    for (int i = 0; i <= 52; ++i)
        TCardImages::CardImages->AddMasked(
            TCardImages::LoadResourceImage(QString::asprintf(format, 100 + i), 2));
    for (int i = 0; i < 3; ++i)
        TCardImages::BackImages->AddMasked(
            TCardImages::LoadResourceImage(QString::asprintf(format, 153 + i), 2));
    TCardImages::BitmapsLoaded = true;
}

} // namespace

void TCardImages::Install() {
    TCard::SetEnsureImagesHook(&EnsureImages);
}

void TCardImages::LoadCardBitmaps() {
    LoadSet("FSCARD%d", FS_LARGE);
}

void TCardImages::LoadSmallCardBitmaps() {
    LoadSet("sFSCARD%d", FS_SMALL);
}

void TCardImages::FreeCardBitmaps() {
    CardImages.reset();
    BackImages.reset();
    PileImages.reset();
    BitmapsLoaded = false;
}

void TCardImages::SetCardSize(int size) {
    const _CardSize wanted = size == 0 ? FS_SMALL : FS_LARGE;
    if (wanted == CurrentCardSize)
        return;
    FreeCardBitmaps();
    CurrentCardSize = wanted;
    EnsureImages();
    LoadPileBitmaps();
}

void TCardImages::LoadPileBitmaps() {
    if (PileImages)
        return;
    const QSize pixels = CardPixelSize();
    const char* format = CurrentCardSize == FS_SMALL ? "sFSCARD%d" : "FSCARD%d";
    PileImages = std::make_unique<TImageList>(pixels.width(), pixels.height());
    for (int i = 156; i <= 158; ++i)
        PileImages->AddMasked(LoadResourceImage(QString::asprintf(format, i), 2));
}

void TCardImages::DrawCardOnCanvas(const TCard& card, QPoint point, QPainter& canvas) {
    EnsureImages();
    if (card.FaceUp)
        CardImages->Draw(canvas, point, card.Number);
    else
        BackImages->Draw(canvas, point, BackIndex);
}

void TCardImages::GetCardBitmap(const TCard& card, QPixmap& bitmap) {
    EnsureImages();
    bitmap = CardImages->Image(card.Number);
}

QImage TCardImages::LoadResourceImage(const QString& name, int devicePixelRatio) {
    const QString key = name.toUpper();
    const bool small = key.startsWith(QLatin1String("SFSCARD"));
    const int number = key.mid(small ? 7 : 6).toInt();
    const QSize pixels = CardPixelSize(small ? FS_SMALL : FS_LARGE);
    // Placeholder artwork until the generated card set is in place.
    QImage image(pixels * devicePixelRatio, QImage::Format_RGB32);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(QColor(255, 0, 255));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF card(0.5, 0.5, pixels.width() - 1, pixels.height() - 1);
    if (number >= 156) {
        p.setPen(QPen(number == 157 ? Qt::red : Qt::darkGreen, 3));
        p.drawEllipse(card.adjusted(8, 8, -8, -8));
    } else {
        p.setPen(Qt::black);
        p.setBrush(number >= 153 ? QColor(30, 60, 160) : QColor(Qt::white));
        p.drawRoundedRect(card, 4, 4);
        if (number < 152) {
            const int n = number - 100;
            p.setPen(n >= 26 ? Qt::red : Qt::black);
            p.drawText(card, Qt::AlignCenter,
                       QString::fromStdString(ValueLetters[static_cast<std::size_t>(n % 13)] +
                                              SuitLetters[static_cast<std::size_t>(n / 13)]));
        }
    }
    return image;
}
