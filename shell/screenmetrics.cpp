#include "screenmetrics.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace {
std::function<TScreenMetrics()> metricsSource;
} // namespace

TScreenMetrics CurrentScreenMetrics() {
    if (metricsSource)
        return metricsSource();
    TScreenMetrics metrics;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        metrics.Width = screen->size().width();
        metrics.Height = screen->size().height();
        metrics.BitsPerPixel = screen->depth();
        metrics.Planes = 1;
        metrics.DotsPerInch = static_cast<int>(std::lround(screen->logicalDotsPerInch()));
    }
    return metrics;
}

void SetScreenMetricsSource(std::function<TScreenMetrics()> source) {
    metricsSource = std::move(source);
}
