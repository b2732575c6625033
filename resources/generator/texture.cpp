#include "texture.h"

#include <algorithm>
#include <cmath>

namespace Texture {

std::uint32_t TRandom::Next() {
    // xorshift32: small, fast and the same everywhere.
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return state_;
}

namespace {

double LatticeValue(int ix, int iy, std::uint32_t seed) {
    std::uint32_t h = static_cast<std::uint32_t>(ix) * 374761393u +
                      static_cast<std::uint32_t>(iy) * 668265263u + seed * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return (h & 0xFFFFFF) / 16777215.0;
}

double Smooth(double t) {
    return t * t * (3 - 2 * t);
}

int Wrap(int i, int n) {
    return ((i % n) + n) % n;
}

} // namespace

double PeriodicNoise(double x, double y, int w, int h, int cellsX, int cellsY, std::uint32_t seed) {
    const double fx = x * cellsX / w;
    const double fy = y * cellsY / h;
    const int x0 = static_cast<int>(std::floor(fx));
    const int y0 = static_cast<int>(std::floor(fy));
    const double tx = Smooth(fx - x0);
    const double ty = Smooth(fy - y0);
    const double a = LatticeValue(Wrap(x0, cellsX), Wrap(y0, cellsY), seed);
    const double b = LatticeValue(Wrap(x0 + 1, cellsX), Wrap(y0, cellsY), seed);
    const double c = LatticeValue(Wrap(x0, cellsX), Wrap(y0 + 1, cellsY), seed);
    const double d = LatticeValue(Wrap(x0 + 1, cellsX), Wrap(y0 + 1, cellsY), seed);
    return (a + (b - a) * tx) + ((c + (d - c) * tx) - (a + (b - a) * tx)) * ty;
}

double Fractal(double x, double y, int w, int h, int cellsX, int cellsY, int octaves,
               std::uint32_t seed) {
    double sum = 0;
    double amplitude = 1;
    double total = 0;
    for (int o = 0; o < octaves; ++o) {
        sum += amplitude * PeriodicNoise(x, y, w, h, cellsX << o, cellsY << o, seed + 97u * o);
        total += amplitude;
        amplitude *= 0.5;
    }
    return sum / total;
}

TCellPattern::TCellPattern(int w, int h, int count, std::uint32_t seed) : w_(w), h_(h) {
    TRandom random(seed);
    for (int i = 0; i < count; ++i)
        points_.append(QPointF(random.Unit() * w, random.Unit() * h));
}

TCellular TCellPattern::At(double x, double y) const {
    TCellular result{1e9, 1e9, 0};
    for (int i = 0; i < points_.size(); ++i) {
        // The nearest copy of the point in the wrapped plane.
        double dx = std::abs(points_[i].x() - x);
        double dy = std::abs(points_[i].y() - y);
        dx = std::min(dx, w_ - dx);
        dy = std::min(dy, h_ - dy);
        const double d = std::sqrt(dx * dx + dy * dy);
        if (d < result.F1) {
            result.F2 = result.F1;
            result.F1 = d;
            result.CellId = i;
        } else if (d < result.F2) {
            result.F2 = d;
        }
    }
    return result;
}

QColor Mix(const QColor& a, const QColor& b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    return QColor::fromRgbF(static_cast<float>(a.redF() + (b.redF() - a.redF()) * t),
                            static_cast<float>(a.greenF() + (b.greenF() - a.greenF()) * t),
                            static_cast<float>(a.blueF() + (b.blueF() - a.blueF()) * t));
}

QRgb Shade(const QColor& base, double factor) {
    auto channel = [factor](int v) {
        return std::clamp(static_cast<int>(std::lround(v * factor)), 0, 255);
    };
    return qRgb(channel(base.red()), channel(base.green()), channel(base.blue()));
}

} // namespace Texture
