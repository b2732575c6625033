// A small view of a fanned pile of cards for the options window's sample
// table, drawn with the card images, over either its parent's colour or a
// piece of a background picture.
#pragma once

#include "cardpile.h"

#include <QWidget>

class TSampleCardsView : public QWidget {
    Q_OBJECT
public:
    explicit TSampleCardsView(QWidget* parent = nullptr);
    ~TSampleCardsView() override;

    enum class TBackground { Plain, Picture };

    // The cards shown; the view deletes those still in it when it goes.
    TCardPile Pile;
    double XOffset = 12;
    double YOffset = 12;
    TBackground BackgroundMode = TBackground::Plain;
    // With TBackground::Picture: the picture under the view's parent, whose
    // piece below the view is painted first.  Not owned.
    const QPixmap* BackgroundBitmap = nullptr;
    // Where the picture's top-left corner lies in the parent.
    QPoint BackgroundOrigin;

protected:
    void paintEvent(QPaintEvent* event) override;
};
