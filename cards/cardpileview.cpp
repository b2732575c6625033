#include "cardpileview.h"

#include "cardimages.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>

namespace {

// One step of the fan: the product in floating point, truncated toward zero.
int FanStep(int index, float offset) {
    return static_cast<int>(static_cast<float>(index) * offset);
}

// A one-pixel outline whose corner pixels are topLeft and bottomRight.
void DrawFrame(QPainter& canvas, QPoint topLeft, QPoint bottomRight, const QColor& color) {
    canvas.fillRect(QRect(topLeft, QPoint(bottomRight.x(), topLeft.y())), color);
    canvas.fillRect(QRect(QPoint(topLeft.x(), bottomRight.y()), bottomRight), color);
    canvas.fillRect(QRect(topLeft, QPoint(topLeft.x(), bottomRight.y())), color);
    canvas.fillRect(QRect(QPoint(bottomRight.x(), topLeft.y()), bottomRight), color);
}

} // namespace

TCardPileView::TCardPileView(QWidget* parent) : QWidget(parent) {
    resize(TCardImages::CardPixelSize());
    // Every pixel is painted, so nothing behind the view needs drawing first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    TDragSession::SetShowsDragImage(this, true);
    LoadPileBitmaps();
}

TCardPileView::~TCardPileView() {
    // The cards belong to the game; the piles only forget them.
    drag_.reset();
    Pile.Empty(false);
    DragPile.Empty(false);
}

void TCardPileView::LoadPileBitmaps() {
    TCardImages::LoadPileBitmaps();
}

void TCardPileView::SetXOffset(float offset) {
    if (offset != xOffset_) {
        xOffset_ = offset;
        update();
    }
}

void TCardPileView::SetYOffset(float offset) {
    if (offset != yOffset_) {
        yOffset_ = offset;
        update();
    }
}

void TCardPileView::SetIsBordered(bool bordered) {
    if (bordered != isBordered_) {
        isBordered_ = bordered;
        update();
    }
}

void TCardPileView::SetState(_PileBitmap state) {
    if (state != state_) {
        state_ = state;
        update();
    }
}

void TCardPileView::SetBackgroundMode(_BackgroundType mode) {
    if (mode != backgroundMode_) {
        backgroundMode_ = mode;
        update();
    }
}

QColor TCardPileView::Color() const {
    return palette().color(QPalette::Window);
}

void TCardPileView::SetColor(const QColor& color) {
    QPalette own = palette();
    own.setColor(QPalette::Window, color);
    setPalette(own);
    update();
}

QPoint TCardPileView::CardPosition(int index) const {
    return {FanStep(index, xOffset_), FanStep(index, yOffset_)};
}

// ---- Painting ----

void TCardPileView::paintEvent(QPaintEvent*) {
    // The whole view is composed off screen and copied in one step.
    const qreal ratio = devicePixelRatioF();
    QPixmap buffer(size() * ratio);
    buffer.setDevicePixelRatio(ratio);
    {
        QPainter canvas(&buffer);
        Paint(canvas);
    }
    QPainter screen(this);
    screen.drawPixmap(0, 0, buffer);
}

void TCardPileView::Paint(QPainter& canvas) const {
    const int w = width();
    const int h = height();
    canvas.fillRect(0, 0, w, h, Color());
    if (backgroundMode_ == FS_BITMAP && BackgroundBitmap) {
        // The piece of wallpaper the parent paints behind the view's bounds;
        // where the wallpaper ends the colour stays.
        canvas.drawPixmap(-pos(), *BackgroundBitmap);
    }
    if (isBordered_) {
        DrawFrame(canvas, {0, 0}, {w - 2, h - 2}, Qt::black);
        DrawFrame(canvas, {1, 1}, {w - 1, h - 1}, QColor(128, 128, 128));
    }
    const int count = static_cast<int>(Pile.Cards.size());
    if (count == 0) {
        if (state_ >= FS_RECYCLE && state_ <= FS_LATTICE) {
            TCardImages::LoadPileBitmaps();
            TCardImages::PileImages->Draw(canvas, {0, 0}, state_ - 1);
        }
        return;
    }
    for (int i = 0; i < count; ++i)
        TCardImages::DrawCardOnCanvas(*Pile.Cards[i], CardPosition(i), canvas);
}

// ---- Mouse ----

void TCardPileView::HitTest(int x, int y) {
    SelectedCard = nullptr;
    const QSize card = TCardImages::CardPixelSize();
    // The top card is tried first, so an overlap belongs to the upper card.
    for (int i = static_cast<int>(Pile.Cards.size()) - 1; i >= 0; --i) {
        SelectedRect = QRect(CardPosition(i), card);
        if (SelectedRect.contains(x, y)) {
            SelectedCard = Pile.Cards[i];
            GrabOffset = QPoint(x, y) - SelectedRect.topLeft();
            return;
        }
    }
}

void TCardPileView::mousePressEvent(QMouseEvent* event) {
    if (drag_) {
        // Another button during a drag: the drag is abandoned, not restarted.
        CancelDrag();
        return;
    }
    const QPoint at = event->position().toPoint();
    DragReady = false;
    DropTarget = nullptr;
    if (event->button() == Qt::LeftButton) {
        HitTest(at.x(), at.y());
        leftPressed_ = true;
        clickPending_ = true;
        pressScreenPos_ = event->globalPosition().toPoint();
    }
    if (OnMouseDown)
        OnMouseDown(this, event->button(), event->modifiers(), at.x(), at.y());
}

void TCardPileView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && OnDblClick && !drag_)
        OnDblClick(this);
    mousePressEvent(event);
    // The second press of a double click is not a click of its own.
    clickPending_ = false;
}

void TCardPileView::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    const QPoint screenPos = event->globalPosition().toPoint();
    if (drag_) {
        if (!event->buttons().testFlag(Qt::LeftButton)) {
            // The release never reached us (the grab was taken away).
            CancelDrag();
            return;
        }
        drag_->MoveTo(screenPos);
    } else if (leftPressed_ && event->buttons().testFlag(Qt::LeftButton) && DragReady &&
               allowDrag_ && Pile.CardIndex(SelectedCard) >= 0) {
        LiftSelectedCards();
        BuildDragImage();
        BeginDrag(screenPos);
    }
    if (OnMouseMove)
        OnMouseMove(this, event->modifiers(), at.x(), at.y());
}

void TCardPileView::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (drag_ && event->button() == Qt::LeftButton) {
        leftPressed_ = false;
        clickPending_ = false;
        const bool started = drag_->Started();
        FinishDrag(event->globalPosition().toPoint());
        // A delayed drag that never left the press point was only a click.
        if (!started && rect().contains(at) && OnClick)
            OnClick(this);
        return;
    }
    const bool clicked = clickPending_ && event->button() == Qt::LeftButton;
    if (event->button() == Qt::LeftButton) {
        leftPressed_ = false;
        clickPending_ = false;
    }
    if (OnMouseUp)
        OnMouseUp(this, event->button(), event->modifiers(), at.x(), at.y());
    if (clicked && rect().contains(at) && OnClick)
        OnClick(this);
}

// ---- Drag and drop ----

void TCardPileView::LiftSelectedCards() {
    DragPile.Empty(false);
    const int n = static_cast<int>(Pile.Cards.size());
    const int k = Pile.CardIndex(SelectedCard);
    for (int i = k; i < n; ++i)
        DragPile.AddCard(Pile.Cards[i]);
    for (int i = n - 1; i >= k; --i)
        Pile.RemoveCard(Pile.Cards[i]);
}

void TCardPileView::BuildDragImage() {
    const int m = static_cast<int>(DragPile.Cards.size());
    const QSize card = TCardImages::CardPixelSize();
    // One step wider and higher than the fan per card, card sizes as floats.
    const QSize size(
        static_cast<int>(static_cast<float>(m) * xOffset_ + static_cast<float>(card.width())),
        static_cast<int>(static_cast<float>(m) * yOffset_ + static_cast<float>(card.height())));
    const qreal ratio = devicePixelRatioF();
    QImage image(size * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    {
        QPainter canvas(&image);
        for (int i = 0; i < m; ++i)
            TCardImages::DrawCardOnCanvas(*DragPile.Cards[i], CardPosition(i), canvas);
    }
    dragImage_ = QPixmap::fromImage(image);
    dragHotSpot_ = GrabOffset;
}

void TCardPileView::BeginDrag(QPoint screenPos) {
    drag_ = std::make_unique<TDragSession>(this, dragImage_, dragHotSpot_, pressScreenPos_,
                                           dragDelayed_, [this] { CancelDrag(); });
    if (OnStartDrag)
        OnStartDrag(this);
    if (drag_)
        drag_->MoveTo(screenPos);
}

void TCardPileView::FinishDrag(QPoint screenPos) {
    const TDragSession::TDrop drop = drag_->Drop(screenPos);
    drag_.reset();
    DoEndDrag(drop.Target, drop.Position.x(), drop.Position.y());
}

void TCardPileView::CancelDrag() {
    if (!drag_)
        return;
    leftPressed_ = false;
    clickPending_ = false;
    drag_->Abandon();
    drag_.reset();
    // A cancelled drag moves nothing, whatever target was named on the way.
    DropTarget = nullptr;
    DoEndDrag(nullptr, 0, 0);
}

void TCardPileView::DoEndDrag(QWidget* target, int x, int y) {
    if (!DropTarget || DropTarget == this) {
        DropTarget = nullptr;
        Pile.AddPile(DragPile);
        setVisible(true);
        update();
    } else {
        DropTarget->Pile.AddPile(DragPile);
        DropTarget->update();
    }
    if (OnEndDrag)
        OnEndDrag(this, target, x, y);
}
