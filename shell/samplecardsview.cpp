#include "samplecardsview.h"

#include "cardimages.h"

#include <QPainter>

TSampleCardsView::TSampleCardsView(QWidget* parent) : QWidget(parent), Pile(this) {
    setObjectName(QStringLiteral("CardPileView1"));
}

TSampleCardsView::~TSampleCardsView() {
    Pile.Empty(true);
}

void TSampleCardsView::paintEvent(QPaintEvent*) {
    QPainter canvas(this);
    if (BackgroundMode == TBackground::Picture && BackgroundBitmap)
        canvas.drawPixmap(QPoint(0, 0), *BackgroundBitmap,
                          QRect(geometry().topLeft() - BackgroundOrigin, size()));
    for (std::size_t i = 0; i < Pile.Cards.size(); ++i) {
        const QPoint at(static_cast<int>(static_cast<double>(i) * XOffset),
                        static_cast<int>(static_cast<double>(i) * YOffset));
        TCardImages::DrawCardOnCanvas(*Pile.Cards[i], at, canvas);
    }
}
