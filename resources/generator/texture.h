// Tileable procedural textures: every function wraps at the tile's edges, so
// a picture tiled edge to edge shows no seams.
#pragma once

#include <QColor>
#include <QImage>
#include <QList>
#include <QPointF>
#include <cstdint>

namespace Texture {

// A small deterministic generator, so the pictures come out the same on
// every build.
class TRandom {
public:
    explicit TRandom(std::uint32_t seed) : state_(seed * 2654435761u + 1u) {}
    std::uint32_t Next();
    // 0 <= result < 1
    double Unit() { return (Next() >> 8) / 16777216.0; }
    int Below(int n) { return static_cast<int>(Unit() * n); }

private:
    std::uint32_t state_;
};

// Value noise on a lattice of cellsX x cellsY cells that wraps around the
// picture, sampled at pixel (x, y) of a w x h tile; result 0..1.
double PeriodicNoise(double x, double y, int w, int h, int cellsX, int cellsY, std::uint32_t seed);

// Several octaves of PeriodicNoise, starting from the given lattice.
double Fractal(double x, double y, int w, int h, int cellsX, int cellsY, int octaves,
               std::uint32_t seed);

// Distances to the nearest and second-nearest of the wrapped feature points
// (cellular noise), for stones and cracks.  cellId receives the nearest
// point's index.
struct TCellular {
    double F1;
    double F2;
    int CellId;
};
class TCellPattern {
public:
    TCellPattern(int w, int h, int count, std::uint32_t seed);
    TCellular At(double x, double y) const;
    QPointF Point(int i) const { return points_[i]; }

private:
    int w_, h_;
    QList<QPointF> points_;
};

QColor Mix(const QColor& a, const QColor& b, double t);
QRgb Shade(const QColor& base, double factor);

} // namespace Texture
