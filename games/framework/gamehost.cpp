#include "gamehost.h"

#include "gamedata.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>

namespace {
// The stand-in keeps pixmaps, which must go before the application does.
struct TStandInHost : TGameHost {
    void Release() { wallpaper_.reset(); }
};
TStandInHost standIn;
TGameHost* installed = nullptr;

// A small woven tile for the stand-in wallpaper.
QImage WovenTile() {
    QImage tile(32, 32, QImage::Format_RGB32);
    tile.fill(QColor(28, 92, 60));
    QPainter p(&tile);
    p.setPen(QColor(38, 112, 74));
    for (int i = 0; i < 32; i += 4) {
        p.drawLine(i, 0, i, 15);
        p.drawLine(16, i, 31, i);
    }
    p.setPen(QColor(22, 78, 50));
    for (int i = 0; i < 32; i += 4) {
        p.drawLine(0, 16 + i / 2, 15, 16 + i / 2);
        p.drawLine(16 + i / 2, 16, 16 + i / 2, 31);
    }
    return tile;
}

// The toolbar pictures, drawn: 16 x 16 pictograms in black, or grey when disabled.
QPixmap Pictogram(ToolbarButton button, bool disabled) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor ink = disabled ? QColor(160, 160, 160) : QColor(0, 0, 0);
    const QColor accent = disabled ? QColor(190, 190, 190) : QColor(176, 0, 0);
    p.setPen(QPen(ink, 1.2));
    switch (button) {
    case ToolbarButton::NewHand: // two fanned cards
        p.setBrush(Qt::white);
        p.drawRoundedRect(QRectF(2.5, 3.5, 8, 11), 1.5, 1.5);
        p.drawRoundedRect(QRectF(6.5, 1.5, 8, 11), 1.5, 1.5);
        p.setBrush(accent);
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(10.5, 7), 2, 2);
        break;
    case ToolbarButton::Undo: { // a bent arrow back
        QPainterPath path;
        path.moveTo(13, 13);
        path.cubicTo(13, 6, 9, 5, 4, 5);
        p.setPen(QPen(accent, 2));
        p.drawPath(path);
        p.setBrush(accent);
        p.setPen(Qt::NoPen);
        p.drawPolygon(QPolygonF({QPointF(1, 5), QPointF(6, 1), QPointF(6, 9)}));
        break;
    }
    case ToolbarButton::Stats: // a bar chart
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        p.drawRect(QRectF(2, 9, 3, 5));
        p.drawRect(QRectF(6.5, 5, 3, 9));
        p.setBrush(accent);
        p.drawRect(QRectF(11, 2, 3, 12));
        break;
    case ToolbarButton::Options: // a tick in a box
        p.setBrush(Qt::white);
        p.drawRect(QRectF(2.5, 2.5, 11, 11));
        p.setPen(QPen(accent, 2));
        p.drawPolyline(QPolygonF({QPointF(4.5, 8), QPointF(7, 11), QPointF(12, 4.5)}));
        break;
    case ToolbarButton::Exit: // a door with an arrow out
        p.drawRect(QRectF(2.5, 1.5, 7, 13));
        p.setPen(QPen(accent, 2));
        p.drawLine(QPointF(6, 8), QPointF(14, 8));
        p.drawLine(QPointF(11, 5), QPointF(14, 8));
        p.drawLine(QPointF(11, 11), QPointF(14, 8));
        break;
    case ToolbarButton::Help: { // a question mark
        QFont font = p.font();
        font.setBold(true);
        font.setPixelSize(14);
        p.setFont(font);
        p.setPen(disabled ? ink : QColor(0, 0, 160));
        p.drawText(pixmap.rect(), Qt::AlignCenter, QStringLiteral("?"));
        break;
    }
    }
    return pixmap;
}
} // namespace

TGameHost& GameHost() {
    return installed != nullptr ? *installed : standIn;
}

void SetGameHost(TGameHost* host) {
    installed = host;
}

void TGameHost::PlaySound(GameSound /*sound*/) {}

bool TGameHost::ShowOptions(QWidget* /*parent*/) {
    return false;
}

void TGameHost::ShowStatistics(QWidget* /*parent*/) {}

void TGameHost::ShowHelp(QWidget* /*parent*/, int /*topic*/) {}

const QPixmap* TGameHost::Wallpaper() {
    if (!wallpaper_)
        RebuildWallpaper();
    return wallpaper_.get();
}

void TGameHost::RebuildWallpaper() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize size = screen != nullptr ? screen->size() : QSize(1280, 1024);
    if (!wallpaper_ || wallpaper_->size() != size) {
        if (!wallpaper_)
            qAddPostRoutine([] { standIn.Release(); });
        wallpaper_ = std::make_unique<QPixmap>(size);
        wallpaper_->fill(Qt::white);
    }
    const int type = ReadIniInteger("Options", "BackgroundType", OptionDefaults::BackgroundType);
    QImage tile;
    if (type == 1) {
        tile = WovenTile();
    } else if (type == 2) {
        const QString file = QString::fromStdString(ReadIniString("Options", "Bitmap", ""));
        if (QFileInfo::exists(file))
            tile.load(file);
    }
    if (tile.isNull())
        return;
    QPainter p(wallpaper_.get());
    for (int y = 0; y < size.height(); y += tile.height())
        for (int x = 0; x < size.width(); x += tile.width())
            p.drawImage(x, y, tile);
}

QIcon TGameHost::ToolbarIcon(ToolbarButton button) {
    QIcon icon(Pictogram(button, false));
    if (button == ToolbarButton::Undo || button == ToolbarButton::Options ||
        button == ToolbarButton::Help)
        icon.addPixmap(Pictogram(button, true), QIcon::Disabled);
    return icon;
}
