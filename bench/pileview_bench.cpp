// Paint time of a pile view: a 25-card fan (the Poker Squares deck) on a
// colour and on wallpaper.  Prints the median of many timed paints.
#include "cardimages.h"
#include "cardpileview.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

namespace {

constexpr int Samples = 2000;
constexpr int PaintsPerSample = 5;

double MedianMicroseconds(const std::function<void()>& paint) {
    for (int i = 0; i < 50; ++i) // warm the caches and the image lists
        paint();
    std::vector<double> samples;
    samples.reserve(Samples);
    QElapsedTimer timer;
    for (int s = 0; s < Samples; ++s) {
        timer.start();
        for (int i = 0; i < PaintsPerSample; ++i)
            paint();
        samples.push_back(static_cast<double>(timer.nsecsElapsed()) / 1000.0 / PaintsPerSample);
    }
    std::nth_element(samples.begin(), samples.begin() + Samples / 2, samples.end());
    return samples[Samples / 2];
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TCardImages::SetCardSize(FS_LARGE);

    std::vector<std::unique_ptr<TCard>> cards;
    QWidget table;
    table.resize(800, 600);
    TCardPileView view(&table);
    view.setGeometry(400, 8, 264, 100);
    view.SetXOffset(8.0f);
    view.SetIsBordered(true);
    for (int i = 0; i < 25; ++i) {
        cards.push_back(std::make_unique<TCard>(i * 2));
        cards.back()->FaceUp = i == 24;
        view.Pile.AddCard(cards.back().get());
    }
    QImage target(view.size(), QImage::Format_ARGB32_Premultiplied);
    const auto paint = [&] { view.render(&target); };

    std::printf("25-card fan, colour:     %8.1f us per paint (median of %d)\n",
                MedianMicroseconds(paint), Samples);

    QPixmap wallpaper(1920, 1080);
    {
        QPainter p(&wallpaper);
        for (int y = 0; y < 1080; y += 40)
            for (int x = 0; x < 1920; x += 40)
                p.fillRect(x, y, 40, 40,
                           ((x + y) / 40) % 2 ? QColor(90, 60, 30) : QColor(120, 80, 40));
    }
    view.BackgroundBitmap = &wallpaper;
    view.SetBackgroundMode(FS_BITMAP);
    std::printf("25-card fan, wallpaper:  %8.1f us per paint (median of %d)\n",
                MedianMicroseconds(paint), Samples);

    for (TCard* card : view.Pile.Cards)
        card->FaceUp = true;
    std::printf("25-card fan, all faces:  %8.1f us per paint (median of %d)\n",
                MedianMicroseconds(paint), Samples);
    view.Pile.Empty(false);
    return 0;
}
