#include "wallpaper.h"

#include "gamedata.h"
#include "programresources.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPainter>
#include <memory>

QPixmap* WallpaperBitmap = nullptr;

namespace {
std::unique_ptr<QPixmap> ownedWallpaper;
} // namespace

void CreateWallpaperBitmap(QSize size) {
    // A picture must go before the application does, whoever forgets it.
    static const bool freedAtExit = [] {
        qAddPostRoutine(FreeWallpaperBitmap);
        return true;
    }();
    (void)freedAtExit;
    ownedWallpaper = std::make_unique<QPixmap>(size);
    ownedWallpaper->fill(Qt::white);
    WallpaperBitmap = ownedWallpaper.get();
}

void FreeWallpaperBitmap() {
    WallpaperBitmap = nullptr;
    ownedWallpaper.reset();
}

QImage WallpaperTile(int imageNum) {
    if (imageNum < 0 || imageNum >= WallpaperCount)
        imageNum = 0;
    return LoadProgramPicture(QStringLiteral("WALLBMP%1").arg(100 + imageNum));
}

QString WallpaperName(int imageNum) {
    return LoadResString(100 + imageNum);
}

void TileImage(QPixmap& picture, const QImage& tile) {
    // A tile without size would never advance.
    if (tile.width() <= 0 || tile.height() <= 0)
        return;
    QPainter canvas(&picture);
    for (int y = 0; y < picture.height(); y += tile.height())
        for (int x = 0; x < picture.width(); x += tile.width())
            canvas.drawImage(x, y, tile);
}

void RebuildWallpaper() {
    if (!WallpaperBitmap)
        return;
    const int kind = ReadIniInteger("Options", "BackgroundType", OptionDefaults::BackgroundType);
    QImage tile;
    if (kind == 1) {
        tile = WallpaperTile(ReadIniInteger("Options", "ImageNum", OptionDefaults::ImageNum));
    } else if (kind == 2) {
        const QString file =
            QString::fromStdString(ReadIniString("Options", "Bitmap", OptionDefaults::Bitmap));
        if (!file.isEmpty() && QFileInfo(file).isFile())
            tile = QImage(file);
    }
    TileImage(*WallpaperBitmap, tile);
}
