#include "cardimages.h"

#include <QGuiApplication>
#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <QRegularExpression>
#include <algorithm>

_CardSize TCardImages::CurrentCardSize = FS_LARGE;
int TCardImages::BackIndex = 0;
std::unique_ptr<TImageList> TCardImages::CardImages;
std::unique_ptr<TImageList> TCardImages::BackImages;
std::unique_ptr<TImageList> TCardImages::PileImages;
bool TCardImages::BitmapsLoaded = false;
int TCardImages::PixelRatioSetting = 0;

// The generated card set lives in a static library; registering it here also
// makes sure the linker keeps it.
static void RegisterCardArt() {
    static const bool registered = [] {
        Q_INIT_RESOURCE(cardart);
        return true;
    }();
    (void)registered;
}

namespace {

constexpr int FaceCount = 53; // 52 cards and the joker
constexpr int BackCount = 3;
constexpr int FirstFace = 100;
constexpr int FirstBack = 153;
constexpr int FirstMark = 156;
constexpr int LastResource = 158;

} // namespace

TImageList::TImageList(int width, int height) : size_(width, height) {}

void TImageList::AddMasked(const QImage& image) {
    const int ratio = image.devicePixelRatio() > 1.0 ? 2 : 1;
    QImage masked = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QSize pixels = size_ * ratio;
    if (masked.size() != pixels) // nearest pixels, so the key colour stays exact
        masked = masked.scaled(pixels, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    for (int y = 0; y < masked.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(masked.scanLine(y));
        for (int x = 0; x < masked.width(); ++x)
            if ((line[x] | 0xFF000000u) == FuchsiaKey)
                line[x] = 0;
    }
    masked.setDevicePixelRatio(ratio);
    images_.push_back(QPixmap::fromImage(masked));
}

const QPixmap& TImageList::Image(int index) const {
    return images_.at(static_cast<std::size_t>(index));
}

void TImageList::Draw(QPainter& canvas, QPoint at, int index) const {
    const QPixmap& image = Image(index);
    // On a device of another resolution the picture has to be resampled;
    // smoothly, or thin lines would break up.
    const QPaintDevice* device = canvas.device();
    const bool resampled = device && device->devicePixelRatio() != image.devicePixelRatio();
    const bool smooth = canvas.testRenderHint(QPainter::SmoothPixmapTransform);
    if (resampled && !smooth)
        canvas.setRenderHint(QPainter::SmoothPixmapTransform, true);
    canvas.drawPixmap(at, image); // logical size: pixels / device pixel ratio
    if (resampled && !smooth)
        canvas.setRenderHint(QPainter::SmoothPixmapTransform, false);
}

QSize TCardImages::CardPixelSize(_CardSize size) {
    return size == FS_SMALL ? QSize(45, 63) : QSize(72, 100);
}

QSize TCardImages::CardPixelSize() {
    return CardPixelSize(CurrentCardSize);
}

int TCardImages::ArtPixelRatio() {
    if (PixelRatioSetting == 1 || PixelRatioSetting == 2)
        return PixelRatioSetting;
    return qGuiApp && qGuiApp->devicePixelRatio() > 1.0 ? 2 : 1;
}

namespace {

void EnsureImages() {
    if (TCardImages::CurrentCardSize == FS_SMALL)
        TCardImages::LoadSmallCardBitmaps();
    else
        TCardImages::LoadCardBitmaps();
}

const char* NameFormat(_CardSize size) {
    return size == FS_SMALL ? "sFSCARD%d" : "FSCARD%d";
}

std::unique_ptr<TImageList> LoadList(_CardSize size, int first, int count) {
    const QSize pixels = TCardImages::CardPixelSize(size);
    const int ratio = TCardImages::ArtPixelRatio();
    auto list = std::make_unique<TImageList>(pixels.width(), pixels.height());
    for (int i = 0; i < count; ++i)
        list->AddMasked(
            TCardImages::LoadResourceImage(QString::asprintf(NameFormat(size), first + i), ratio));
    return list;
}

// Faces and backs are loaded as a pair; while a set is loaded, asking for
// either size does nothing (sizes change through SetCardSize).
void LoadSet(_CardSize size) {
    if (TCardImages::BitmapsLoaded)
        return;
    TCardImages::CardImages = LoadList(size, FirstFace, FaceCount);
    TCardImages::BackImages = LoadList(size, FirstBack, BackCount);
    TCardImages::BitmapsLoaded = true;
}

} // namespace

void TCardImages::Install() {
    TCard::SetEnsureImagesHook(&EnsureImages);
}

void TCardImages::LoadCardBitmaps() {
    LoadSet(FS_LARGE);
}

void TCardImages::LoadSmallCardBitmaps() {
    LoadSet(FS_SMALL);
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

void TCardImages::SetBackIndex(int index) {
    BackIndex = std::clamp(index, 0, BackCount - 1);
}

void TCardImages::LoadPileBitmaps() {
    if (PileImages)
        return;
    PileImages = LoadList(CurrentCardSize, FirstMark, LastResource - FirstMark + 1);
}

void TCardImages::DrawCardOnCanvas(const TCard& card, QPoint point, QPainter& canvas) {
    EnsureImages();
    if (card.FaceUp) {
        if (card.Number >= 0 && card.Number < CardImages->Count())
            CardImages->Draw(canvas, point, card.Number);
    } else {
        BackImages->Draw(canvas, point, std::clamp(BackIndex, 0, BackCount - 1));
    }
}

void TCardImages::GetCardBitmap(const TCard& card, QPixmap& bitmap) {
    EnsureImages();
    if (card.Number >= 0 && card.Number < CardImages->Count())
        bitmap = CardImages->Image(card.Number);
    else
        bitmap = QPixmap();
}

QImage TCardImages::LoadResourceImage(const QString& name, int devicePixelRatio) {
    static const QRegularExpression pattern(QStringLiteral("^(S?)FSCARD(\\d{3})$"),
                                            QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = pattern.match(name);
    if (!match.hasMatch())
        return {};
    const int number = match.captured(2).toInt();
    if (number < FirstFace || number > LastResource)
        return {};
    RegisterCardArt();
    const bool small = !match.captured(1).isEmpty();
    const int ratio = devicePixelRatio > 1 ? 2 : 1;
    QImage image(QStringLiteral(":/cards/%1%2%3.png")
                     .arg(small ? "SFSCARD" : "FSCARD")
                     .arg(number)
                     .arg(ratio == 2 ? "@2x" : ""));
    image.setDevicePixelRatio(ratio);
    return image;
}
