#include "wallpapers.h"

#include "texture.h"

#include <array>
#include <cmath>
#include <functional>

using namespace Texture;

namespace {

constexpr std::array<QSize, WallpaperCount> TileSizes = {
    QSize(100, 100), QSize(150, 86),  QSize(96, 96),   QSize(128, 128),
    QSize(64, 56),   QSize(130, 127), QSize(100, 100), QSize(117, 88),
    QSize(271, 167), QSize(80, 80),   QSize(96, 96),   QSize(150, 150)};

using PixelFunction = std::function<QRgb(int x, int y, int w, int h)>;

QImage Paint(QSize size, const PixelFunction& pixel) {
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x)
            line[x] = pixel(x, y, size.width(), size.height());
    }
    return image;
}

// Coarse woven jute: threads 5 pixels apart crossing over and under.
QRgb Burlap(int x, int y, int w, int h) {
    const QColor base(176, 140, 88);
    const int tx = x % 5;
    const int ty = y % 5;
    const bool overWarp = ((x / 5) + (y / 5)) % 2 == 0;
    double thread;
    if (overWarp)
        thread = 1.0 - 0.16 * std::abs(tx - 2); // vertical thread on top
    else
        thread = 1.0 - 0.16 * std::abs(ty - 2); // horizontal thread on top
    const bool gap = (tx == 4 && ty == 4);
    const double fibre =
        PeriodicNoise(x, y, w, h, 50, 50, 3) * 0.25 + Fractal(x, y, w, h, 4, 4, 3, 11) * 0.35;
    double f = 0.62 + 0.3 * thread + fibre * 0.5 - 0.3;
    if (gap)
        f *= 0.45;
    return Shade(base, f);
}

// Chalk dust on a slate board.
QRgb Chalk(int x, int y, int w, int h) {
    const QColor slate(52, 74, 66);
    const QColor chalk(214, 222, 214);
    const double dust = Fractal(x, y, w, h, 6, 4, 4, 21);
    const double streak = PeriodicNoise(x, y, w, h, 3, 20, 22);
    const double grain = PeriodicNoise(x, y, w, h, 75, 43, 23);
    const double t = std::pow(std::clamp(dust * 1.1 - 0.25 + streak * 0.15, 0.0, 1.0), 1.6) * 0.55 +
                     (grain > 0.86 ? 0.18 : 0.0);
    return Mix(slate, chalk, t).rgb();
}

// Fine abrasive grit: sand-coloured with light and dark grains.
QRgb Sandpaper(int x, int y, int w, int h) {
    const QColor base(196, 170, 120);
    const double grain = PeriodicNoise(x, y, w, h, 96, 96, 31);
    const double cloud = Fractal(x, y, w, h, 4, 4, 3, 32);
    double f = 0.85 + (cloud - 0.5) * 0.2;
    if (grain > 0.8)
        f += 0.22;
    else if (grain < 0.18)
        f -= 0.25;
    return Shade(base, f);
}

// A circus red with bright confetti dots in a diagonal lattice.
QRgb RedClown(int x, int y, int w, int h) {
    const QColor red(178, 24, 36);
    static const std::array<QColor, 4> dots = {QColor(255, 214, 40), QColor(60, 130, 230),
                                               QColor(250, 250, 250), QColor(70, 190, 90)};
    const double sheen = Fractal(x, y, w, h, 4, 4, 2, 41);
    QColor colour = Mix(red.darker(120), red.lighter(115), sheen);
    // Dots on a 32 x 32 lattice, every other row shifted by half a step.
    for (int row = -1; row <= 4; ++row) {
        for (int col = -1; col <= 4; ++col) {
            const double cx = col * 32 + (row % 2 != 0 ? 16 : 0) + 8;
            const double cy = row * 32 + 8;
            double dx = std::fmod(std::abs(x - cx), w);
            double dy = std::fmod(std::abs(y - cy), h);
            dx = std::min(dx, w - dx);
            dy = std::min(dy, h - dy);
            const double d = std::sqrt(dx * dx + dy * dy);
            if (d < 5.2) {
                const int index = ((row + 4) * 3 + col + 4) % 4;
                const double edge = std::clamp(5.2 - d, 0.0, 1.0);
                colour = Mix(colour, dots[index], edge);
            }
        }
    }
    return colour.rgb();
}

// Two pine boards side by side, with grain, knots and a dark seam.
QRgb PinePanels(int x, int y, int w, int h) {
    const QColor light(222, 182, 120);
    const QColor dark(170, 112, 58);
    const int board = x / 32;
    const int bx = x % 32;
    const double warp = PeriodicNoise(x, y, w, h, 2, 4, 51 + board) * 10;
    const double grain = 0.5 + 0.5 * std::sin((bx + warp) * 0.9 + board * 2.0);
    const double fibre = PeriodicNoise(x, y, w, h, 64, 4, 53);
    double t = grain * 0.55 + fibre * 0.3;
    // One knot per board.
    const double kx = board * 32 + 16;
    const double ky = board == 0 ? 18 : 42;
    double dy = std::abs(y - ky);
    dy = std::min(dy, h - dy);
    const double knot = std::sqrt((x - kx) * (x - kx) * 1.6 + dy * dy);
    if (knot < 5)
        t = 0.95 - knot * 0.05;
    QColor colour = Mix(light, dark, t);
    if (bx == 0)
        colour = QColor(96, 60, 28);
    else if (bx == 1 || bx == 31)
        colour = colour.darker(125);
    return colour.rgb();
}

// Grey with scattered light and dark flecks.
QRgb GrayFleck(int x, int y, int w, int h) {
    const QColor grey(150, 152, 156);
    const double cloud = Fractal(x, y, w, h, 5, 5, 4, 61);
    const double fleck = PeriodicNoise(x, y, w, h, 65, 63, 62);
    const double fleck2 = PeriodicNoise(x, y, w, h, 43, 41, 63);
    double f = 0.88 + (cloud - 0.5) * 0.25;
    if (fleck > 0.84)
        f = 0.55;
    else if (fleck2 > 0.86)
        f = 1.25;
    return Shade(grey, f);
}

// Dry clay split into plates by dark cracks.
QRgb CrackedEarth(int x, int y, int w, int h) {
    static const TCellPattern cells(100, 100, 14, 71);
    const QColor clay(168, 120, 74);
    const TCellular c = cells.At(x, y);
    const double edge = c.F2 - c.F1;
    const double dirt = Fractal(x, y, w, h, 5, 5, 4, 72);
    const double plate = 0.85 + 0.1 * ((c.CellId * 37) % 7) / 7.0;
    double f = plate + (dirt - 0.5) * 0.35 - std::max(0.0, 6 - c.F1) * 0.0;
    if (edge < 1.6)
        f = 0.35 + edge * 0.15;
    else if (edge < 3.2)
        f *= 0.82 + (edge - 1.6) * 0.1;
    return Shade(clay, f);
}

// Glazed brown tiles, three across and two down, with pale grout.
QRgb BrownTile(int x, int y, int w, int h) {
    const int tx = x % 39;
    const int ty = y % 44;
    if (tx < 2 || ty < 2)
        return qRgb(210, 196, 170);
    const QColor glaze(124, 72, 40);
    const int tile = (x / 39) + 3 * (y / 44);
    const double mottle = Fractal(x, y, w, h, 6, 4, 3, 80 + tile);
    double f = 0.8 + mottle * 0.4 + (tile % 3) * 0.04;
    if (tx == 2 || ty == 2)
        f *= 1.25; // raised edge catching the light
    if (tx == 38 || ty == 43)
        f *= 0.7;
    return Shade(glaze, f);
}

// A blue sky with soft white clouds.
QRgb Clouds(int x, int y, int w, int h) {
    const QColor sky(86, 140, 214);
    const QColor cloud(248, 250, 255);
    const double n = Fractal(x, y, w, h, 5, 3, 5, 91);
    const double t = std::clamp((n - 0.42) * 2.6, 0.0, 1.0);
    return Mix(sky, cloud, t).rgb();
}

QRgb Speckles(int x, int y, int w, int h, const QColor& base, std::uint32_t seed) {
    const double cloud = Fractal(x, y, w, h, 4, 4, 3, seed);
    const double speck = PeriodicNoise(x, y, w, h, w / 2, h / 2, seed + 1);
    const double speck2 = PeriodicNoise(x, y, w, h, w / 3, h / 3, seed + 2);
    QColor colour = Mix(base.darker(115), base.lighter(110), cloud);
    if (speck > 0.83)
        colour = Mix(colour, QColor(235, 240, 245), (speck - 0.83) * 6);
    else if (speck2 < 0.12)
        colour = colour.darker(150);
    return colour.rgb();
}

QRgb BlueSpeckles(int x, int y, int w, int h) {
    return Speckles(x, y, w, h, QColor(40, 78, 150), 101);
}

QRgb GreenSpeckles(int x, int y, int w, int h) {
    return Speckles(x, y, w, h, QColor(34, 120, 66), 111);
}

// Rounded river stones packed together, lit from the top left.
QRgb Rocks(int x, int y, int w, int h) {
    static const TCellPattern cells(150, 150, 22, 121);
    const TCellular c = cells.At(x, y);
    const double edge = c.F2 - c.F1;
    if (edge < 2.0)
        return Shade(QColor(60, 56, 50), 0.6 + edge * 0.15);
    static const std::array<QColor, 5> stones = {QColor(140, 136, 128), QColor(118, 110, 100),
                                                 QColor(160, 150, 134), QColor(104, 108, 112),
                                                 QColor(132, 120, 104)};
    const QColor stone = stones[static_cast<std::size_t>(c.CellId % 5)];
    const QPointF centre = cells.Point(c.CellId);
    double dx = x - centre.x();
    double dy = y - centre.y();
    if (dx > w / 2.0)
        dx -= w;
    if (dx < -w / 2.0)
        dx += w;
    if (dy > h / 2.0)
        dy -= h;
    if (dy < -h / 2.0)
        dy += h;
    // Rounded: darker toward the rim, brighter on the upper left.
    const double rim = std::clamp(edge / 12.0, 0.0, 1.0);
    const double light = -(dx + dy) / 40.0;
    const double grain = Fractal(x, y, w, h, 10, 10, 2, 122 + c.CellId);
    const double f = 0.65 + 0.35 * rim + std::clamp(light, -0.2, 0.2) + (grain - 0.5) * 0.15;
    return Shade(stone, f);
}

const std::array<PixelFunction, WallpaperCount> Painters = {
    Burlap,       Chalk,     Sandpaper, RedClown,     PinePanels,    GrayFleck,
    CrackedEarth, BrownTile, Clouds,    BlueSpeckles, GreenSpeckles, Rocks};

} // namespace

QSize WallpaperTileSize(int n) {
    return TileSizes.at(static_cast<std::size_t>(n));
}

QImage MakeWallpaper(int n) {
    return Paint(WallpaperTileSize(n), Painters.at(static_cast<std::size_t>(n)));
}
