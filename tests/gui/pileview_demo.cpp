// A window of pile views to look at: fanned piles, framed cells and the
// empty-pile marks, on a green table and on a wallpaper table.
//   pileview_demo [--drag] [--grab FILE]
// --drag lifts the deck's top card and holds it over a cell of the wallpaper
// table; --grab saves a picture of the window and quits.
#include "cardimages.h"
#include "cardpileview.h"

#include <QApplication>
#include <QPainter>
#include <QTest>
#include <QTimer>
#include <memory>
#include <vector>

namespace {

// A table painted with a wallpaper from its top-left corner.
class TWallTable : public QWidget {
public:
    explicit TWallTable(QWidget* parent) : QWidget(parent), wall_(1200, 900) {
        QPainter p(&wall_);
        for (int y = 0; y < wall_.height(); y += 24)
            for (int x = 0; x < wall_.width(); x += 24) {
                const bool dark = ((x + y) / 24) % 2 != 0;
                p.fillRect(x, y, 24, 24, dark ? QColor(96, 62, 40) : QColor(128, 86, 52));
                p.setPen(QColor(150, 110, 70));
                p.drawLine(x, y + 23, x + 23, y);
            }
    }
    const QPixmap& Wall() const { return wall_; }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.drawPixmap(0, 0, wall_);
    }

private:
    QPixmap wall_;
};

struct TDemo {
    std::vector<std::unique_ptr<TCard>> cards;
    QWidget window;
    std::vector<TCardPileView*> views;

    TCard* Card(int number, bool faceUp) {
        cards.push_back(std::make_unique<TCard>(number));
        cards.back()->FaceUp = faceUp;
        return cards.back().get();
    }

    TCardPileView* View(QWidget* table, QRect bounds, float dx, float dy) {
        auto* view = new TCardPileView(table);
        view->setGeometry(bounds);
        view->SetXOffset(dx);
        view->SetYOffset(dy);
        views.push_back(view);
        return view;
    }

    // The same set of piles on either table.
    void Fill(QWidget* table, int firstCard) {
        TCardPileView* deck = View(table, {8, 8, 264, 100}, 8.0f, 0.0f);
        deck->SetAllowDrag(true);
        deck->SetState(FS_EMPTY);
        for (int i = 0; i < 25; ++i)
            deck->Pile.AddCard(Card((firstCard + i * 5) % DeckSize, i == 24));
        deck->OnMouseDown = [](TCardPileView* sender, Qt::MouseButton button, Qt::KeyboardModifiers,
                               int, int) {
            sender->DragReady = button == Qt::LeftButton && sender->SelectedCard &&
                                sender->SelectedCard == sender->Pile.CardAt(TCardPile::TopIndex);
        };
        deck->OnStartDrag = [](TCardPileView* sender) { sender->update(); };

        TCardPileView* column = View(table, {8, 120, 72, 100 + 4 * 22}, 0.0f, 22.0f);
        for (int i = 0; i < 5; ++i)
            column->Pile.AddCard(Card((firstCard + 30 + i * 7) % DeckSize, true));

        const _PileBitmap marks[] = {FS_BLANK, FS_RECYCLE, FS_EMPTY, FS_LATTICE};
        for (int i = 0; i < 4; ++i) {
            TCardPileView* cell = View(table, {96 + i * 80, 120, 72, 100}, 0.0f, 0.0f);
            cell->SetIsBordered(true);
            cell->SetState(marks[i]);
            cell->OnDragOver = [deck](QWidget* sender, TCardPileView* source, int, int, TDragState,
                                      bool& accept) {
                accept = source == deck;
                source->DropTarget = accept ? static_cast<TCardPileView*>(sender) : nullptr;
            };
        }
        TCardPileView* framedCard = View(table, {96, 232, 72, 100}, 0.0f, 0.0f);
        framedCard->SetIsBordered(true);
        framedCard->Pile.AddCard(Card((firstCard + 12) % DeckSize, true));
        TCardPileView* backs = View(table, {184, 232, 150, 100}, 2.5f, 0.0f);
        for (int i = 0; i < 12; ++i)
            backs->Pile.AddCard(Card((firstCard + 40 + i) % DeckSize, i == 11));
        TDragSession::SetShowsDragImage(table, true);
        TDragSession::SetDragOverHandler(
            table, [](QWidget*, TCardPileView* source, int, int, TDragState, bool& accept) {
                accept = false;
                source->DropTarget = nullptr;
            });
    }
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    TCardImages::SetBackIndex(1);

    TDemo demo;
    demo.window.setWindowTitle(QStringLiteral("Pile views"));
    demo.window.resize(2 * 420, 350);
    auto* green = new QWidget(&demo.window);
    green->setGeometry(0, 0, 420, 350);
    QPalette felt = green->palette();
    felt.setColor(QPalette::Window, QColor(0x22, 0xB0, 0x66));
    green->setPalette(felt);
    green->setAutoFillBackground(true);
    auto* wall = new TWallTable(&demo.window);
    wall->setGeometry(420, 0, 420, 350);
    demo.Fill(green, 0);
    const std::size_t firstWallView = demo.views.size();
    demo.Fill(wall, 3);
    for (std::size_t i = firstWallView; i < demo.views.size(); ++i) {
        demo.views[i]->BackgroundBitmap = &wall->Wall();
        demo.views[i]->SetBackgroundMode(FS_BITMAP);
    }
    demo.window.show();
    if (!QTest::qWaitForWindowExposed(&demo.window))
        return 1;

    if (args.contains(QStringLiteral("--drag"))) {
        // Pick the green deck's top card and hold it over the wallpaper's
        // framed ring cell, grabbed near its top-left corner.
        QWindow* handle = demo.window.windowHandle();
        const QPoint deckTop = demo.views[0]->mapTo(&demo.window, QPoint(192 + 10, 12));
        QTest::mousePress(handle, Qt::LeftButton, {}, deckTop);
        TCardPileView* ring = demo.views[firstWallView + 3];
        QTest::mouseMove(handle, ring->mapTo(&demo.window, QPoint(30, 30)));
        QTest::mouseMove(handle, ring->mapTo(&demo.window, QPoint(34, 34)));
    }
    const int grabAt = static_cast<int>(args.indexOf(QStringLiteral("--grab")));
    if (grabAt >= 0 && grabAt + 1 < args.size()) {
        return demo.window.grab().save(args[grabAt + 1]) ? 0 : 1;
    }
    return QApplication::exec();
}
