// Timed harness of the Poker Squares window, headless or on a display:
//   - from a click on a cell to the window repainted (the cell, the deck and
//     the score sheet), median and 95th percentile over whole games;
//   - from opening the window to its first picture on screen.
// Run: build/bench/gamewindow_bench [games]   (QT_QPA_PLATFORM=offscreen by default)
#include "gamedata.h"
#include "pokersquaresform.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// Notes that a widget was asked to paint; the paint is over when the event
// processing that delivered it returns.
class PaintWatch : public QObject {
public:
    bool painted = false;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            painted = true;
        return false;
    }
};

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

double Percentile95(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() * 95 / 100];
}

// Runs the event loop until the watched widget has painted (at most a
// second) and returns the clock then.
qint64 WaitForPaint(PaintWatch& watch, const QElapsedTimer& clock) {
    QElapsedTimer limit;
    limit.start();
    while (!watch.painted && limit.elapsed() < 1000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    return clock.nsecsElapsed();
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int games = argc > 1 ? std::max(1, std::atoi(argv[1])) : 8;
    QTemporaryDir folder;
    InitGameData((folder.path() + "/Tressalo.INI").toStdString());
    WriteIniInteger("Options", "CardSize", 1);
    WriteIniInteger("Options", "BackgroundType", 1);
    WriteIniInteger("Poker Squares", "State", 0);
    WriteIniInteger("Poker Squares", "Width", 700);
    WriteIniInteger("Poker Squares", "Height", 560);

    QElapsedTimer clock;
    clock.start();

    // Opening: construction, showing, the deal and the first picture.
    std::vector<double> openings;
    for (int i = 0; i < 10; ++i) {
        PaintWatch watch;
        const qint64 start = clock.nsecsElapsed();
        TPokerSquaresForm form;
        form.DeckPileView->installEventFilter(&watch); // the last view painted
        form.show();
        const qint64 end = WaitForPaint(watch, clock);
        openings.push_back(static_cast<double>(end - start) / 1e6);
        form.close();
    }

    // Clicks: each cell of each game, until the deck, painted last, has repainted.
    std::vector<double> clicks;
    TPokerSquaresForm form;
    form.show();
    (void)QTest::qWaitForWindowExposed(&form);
    for (int game = 0; game < games; ++game) {
        form.StartNewHand(1000 + game);
        QCoreApplication::processEvents();
        for (int cell = 0; cell < GridPlaces; ++cell) {
            TCardPileView* view = form.CardPileView[static_cast<std::size_t>(cell)];
            PaintWatch watch;
            form.DeckPileView->installEventFilter(&watch);
            const QPoint at = view->mapTo(&form, QPoint(20, 20));
            const qint64 start = clock.nsecsElapsed();
            QTest::mouseClick(form.windowHandle(), Qt::LeftButton, {}, at);
            const qint64 end = WaitForPaint(watch, clock);
            form.DeckPileView->removeEventFilter(&watch);
            if (watch.painted)
                clicks.push_back(static_cast<double>(end - start) / 1e6);
        }
    }
    form.close();

    std::printf("open to first picture: first %.2f ms, median %.2f ms (%zu openings)\n",
                openings.front(), Median(openings), openings.size());
    std::printf("click to repainted: median %.3f ms, 95th percentile %.3f ms (%zu clicks)\n",
                Median(clicks), Percentile95(clicks), clicks.size());
    CloseGameData();
    return 0;
}
