// Start-up cost of the card images: the time to load the whole set (53
// faces, 3 backs, 3 marks) of each size at 1x and 2x, and the memory the
// loaded pictures take.  Run headless: QT_QPA_PLATFORM=offscreen.
#include "cardimages.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

double LoadMilliseconds(_CardSize size) {
    TCardImages::FreeCardBitmaps();
    TCardImages::CurrentCardSize = size;
    QElapsedTimer timer;
    timer.start();
    if (size == FS_SMALL)
        TCardImages::LoadSmallCardBitmaps();
    else
        TCardImages::LoadCardBitmaps();
    TCardImages::LoadPileBitmaps();
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

qint64 Bytes(const TImageList& list) {
    qint64 total = 0;
    for (int i = 0; i < list.Count(); ++i) {
        const QPixmap& image = list.Image(i);
        total += qint64(image.width()) * image.height() * image.depth() / 8;
    }
    return total;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    constexpr int Rounds = 30;
    std::printf("%-6s %-5s %10s %10s %10s %10s\n", "size", "ratio", "first ms", "median ms",
                "min ms", "KiB");
    for (const int ratio : {1, 2}) {
        for (const _CardSize size : {FS_LARGE, FS_SMALL}) {
            TCardImages::PixelRatioSetting = ratio;
            const double first = LoadMilliseconds(size);
            std::vector<double> times;
            for (int i = 0; i < Rounds; ++i)
                times.push_back(LoadMilliseconds(size));
            std::sort(times.begin(), times.end());
            const qint64 bytes = Bytes(*TCardImages::CardImages) + Bytes(*TCardImages::BackImages) +
                                 Bytes(*TCardImages::PileImages);
            std::printf("%-6s %-5d %10.2f %10.2f %10.2f %10lld\n",
                        size == FS_SMALL ? "small" : "large", ratio, first, times[Rounds / 2],
                        times.front(), static_cast<long long>(bytes / 1024));
        }
    }
    TCardImages::FreeCardBitmaps();
    return 0;
}
