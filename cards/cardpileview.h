// The control that shows one pile of cards, fanned by a fixed step over a
// plain or wallpaper background, and lifts cards out of it by drag and drop.
//
// The view is a light child widget: it paints on its parent's surface and has
// no native window.  Dragging is done inside the program (TDragSession): the
// view finds the card under the pointer, lifts that card and every card above
// it into DragPile, and when the drag ends hands them to the view the game
// named in DropTarget, or takes them back on top of its own pile.
#pragma once

#include "cardpile.h"
#include "dragsession.h"

#include <QPixmap>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QWidget>
#include <functional>
#include <memory>

// What an empty view shows: nothing, or one of the three empty-pile marks.
enum _PileBitmap : int { FS_BLANK = 0, FS_RECYCLE = 1, FS_EMPTY = 2, FS_LATTICE = 3 };

// How the background is painted: a solid colour or the window's wallpaper.
enum _BackgroundType : int { FS_NORMAL = 0, FS_BITMAP = 1 };

class TCardPileView : public QWidget {
    Q_OBJECT
public:
    using TMouseEvent = std::function<void(TCardPileView* sender, Qt::MouseButton button,
                                           Qt::KeyboardModifiers shift, int x, int y)>;
    using TMouseMoveEvent =
        std::function<void(TCardPileView* sender, Qt::KeyboardModifiers shift, int x, int y)>;
    using TNotifyEvent = std::function<void(TCardPileView* sender)>;
    // target: the control the drag was dropped on when it accepted the drop,
    // else null; x, y in the target's coordinates (0, 0 without a target).
    using TEndDragEvent = std::function<void(TCardPileView* sender, QWidget* target, int x, int y)>;

    explicit TCardPileView(QWidget* parent = nullptr);
    ~TCardPileView() override;
    TCardPileView(const TCardPileView&) = delete;
    TCardPileView& operator=(const TCardPileView&) = delete;

    // Builds the empty-pile marks at the current card size, once.
    static void LoadPileBitmaps();

    // Settings; each setter repaints when the value changes.
    float XOffset() const { return xOffset_; }
    void SetXOffset(float offset);
    float YOffset() const { return yOffset_; }
    void SetYOffset(float offset);
    bool IsBordered() const { return isBordered_; }
    void SetIsBordered(bool bordered);
    bool AllowDrag() const { return allowDrag_; }
    void SetAllowDrag(bool allow) { allowDrag_ = allow; }
    bool DragDelayed() const { return dragDelayed_; }
    void SetDragDelayed(bool delayed) { dragDelayed_ = delayed; }
    _PileBitmap State() const { return state_; }
    void SetState(_PileBitmap state);
    _BackgroundType BackgroundMode() const { return backgroundMode_; }
    void SetBackgroundMode(_BackgroundType mode);
    // The fill colour; it follows the parent's window colour until set here.
    QColor Color() const;
    void SetColor(const QColor& color);

    // Where card i of a pile is drawn: the step times i, truncated toward zero.
    QPoint CardPosition(int index) const;

    // The picture of the cards lifted by the current or last drag and the
    // point of it that stays under the pointer.
    const QPixmap& GetDragImages() const { return dragImage_; }
    QPoint DragHotSpot() const { return dragHotSpot_; }
    // The drag in progress from this view, or null.
    TDragSession* ActiveDrag() const { return drag_.get(); }
    // Ends a drag in progress from this view and takes the cards back.
    void CancelDrag();

    TCardPile Pile;                            // the cards shown; index 0 is drawn first
    TCard* SelectedCard = nullptr;             // card under the last left press, or null
    TCardPile DragPile;                        // cards lifted by the current or last drag
    bool DragReady = false;                    // set by the game's OnMouseDown to allow a drag
    QPointer<TCardPileView> DropTarget;        // the view to receive the dragged cards
    QRect SelectedRect;                        // the card rectangle the hit test tried last
    QPoint GrabOffset;                         // the press point inside the selected card
    const QPixmap* BackgroundBitmap = nullptr; // wallpaper for FS_BITMAP; not owned

    TMouseEvent OnMouseDown;
    TMouseMoveEvent OnMouseMove;
    TMouseEvent OnMouseUp;
    TNotifyEvent OnStartDrag;
    TDragOverEvent OnDragOver; // this view as a drop target
    TEndDragEvent OnEndDrag;
    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

    // Delivers the lifted cards to DropTarget or returns them, then OnEndDrag.
    virtual void DoEndDrag(QWidget* target, int x, int y);

private:
    void HitTest(int x, int y);
    void LiftSelectedCards();
    void BuildDragImage();
    void BeginDrag(QPoint screenPos);
    void FinishDrag(QPoint screenPos);
    void Paint(QPainter& canvas) const;

    float xOffset_ = 0.0f;
    float yOffset_ = 0.0f;
    bool isBordered_ = false;
    bool allowDrag_ = false;
    bool dragDelayed_ = false;
    _PileBitmap state_ = FS_BLANK;
    _BackgroundType backgroundMode_ = FS_NORMAL;

    QPixmap dragImage_;
    QPoint dragHotSpot_;
    std::unique_ptr<TDragSession> drag_;
    bool leftPressed_ = false;  // the left button went down on this view and is still down
    bool clickPending_ = false; // its release over the view is a click
    QPoint pressScreenPos_;
};
