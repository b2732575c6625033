// Drag and drop of cards inside the program.
//
// A drag belongs to the pile view it started from, which keeps the mouse
// (the grab every press gives the pressed control) until the button is
// released.  On every move the session finds the control
// under the pointer and sends it drag-over events (enter, move, leave) with an
// accept flag; the picture of the dragged cards follows the pointer over the
// controls that show it.  Any widget can take part: the game windows register
// a drag-over handler on their form and on the panels or labels they choose,
// and every pile view is a drop target through its OnDragOver.  A control
// without a handler refuses the drop and leaves the source's DropTarget alone.
#pragma once

#include <QObject>
#include <QPixmap>
#include <QPoint>
#include <QPointer>
#include <functional>

class QWidget;
class TCardPileView;
class TDragImage;

enum TDragState : int { dsDragEnter = 0, dsDragLeave = 1, dsDragMove = 2 };

// sender: the control under the pointer; source: the view the cards come
// from; x, y: the pointer in the sender's coordinates.  accept starts true and
// the handler sets it to say whether a drop here would be taken.
using TDragOverEvent = std::function<void(QWidget* sender, TCardPileView* source, int x, int y,
                                          TDragState state, bool& accept)>;

class TDragSession : public QObject {
    Q_OBJECT
public:
    // Starts a drag from source with the given picture; the pointer was
    // pressed at pressScreenPos.  A delayed drag sends no drag-over events and
    // shows no picture until the pointer has moved the platform's drag
    // distance from there.
    TDragSession(TCardPileView* source, const QPixmap& image, QPoint hotSpot, QPoint pressScreenPos,
                 bool delayed, std::function<void()> cancel);
    ~TDragSession() override;
    TDragSession(const TDragSession&) = delete;
    TDragSession& operator=(const TDragSession&) = delete;

    // The pointer moved to screenPos with the button down.
    void MoveTo(QPoint screenPos);
    // The button was released at screenPos: the control under the pointer gets
    // its leave event, and the result is that control if it accepted the drop.
    struct TDrop {
        QWidget* Target = nullptr;
        QPoint Position; // in the target's coordinates
    };
    TDrop Drop(QPoint screenPos);
    // Ends the drag without a drop: the control under the pointer gets its
    // leave event with the drop refused.
    void Abandon();

    bool Started() const { return started_; }
    QWidget* CurrentTarget() const { return current_; }
    bool Accepted() const { return accepted_; }
    // The picture following the pointer (shown only over controls that show it).
    const TDragImage* Image() const;

    // The drag in progress, or null.
    static TDragSession* Current() { return current; }
    // The pointer's last position in screen coordinates as seen by a drag
    // (the position a leave handler compares with its window's rectangle).
    static QPoint CursorPos() { return cursorPos; }
    // True when p lies strictly inside r: left < x < left + width and
    // top < y < top + height.
    static bool StrictlyInside(const QRect& r, QPoint p);

    // Drop-target registry.  A handler is kept until it is replaced, cleared
    // with an empty function, or its widget is destroyed.
    static void SetDragOverHandler(QWidget* widget, TDragOverEvent handler);
    // Whether the picture of the dragged cards is shown while the pointer is
    // over this widget (pile views show it from the start).
    static void SetShowsDragImage(QWidget* widget, bool shows);
    static bool ShowsDragImage(const QWidget* widget);

    // The control that would receive drag-over events at screenPos: the
    // deepest visible child under the point, or the nearest enabled ancestor
    // when that child is disabled.
    QWidget* ControlAt(QPoint screenPos) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool SendDragOver(QWidget* target, QPoint screenPos, TDragState state);
    void ShowFeedback(QPoint screenPos);

    QPointer<TCardPileView> source_;
    // Owned by the session; while shown it is a child of the window under the
    // pointer, which takes it along should that window go first.
    QPointer<TDragImage> image_;
    QPoint hotSpot_;
    QPoint pressPos_;
    bool started_ = false;
    bool finished_ = false;
    QPointer<QWidget> current_;
    bool accepted_ = false;
    bool cursorSet_ = false;
    std::function<void()> cancel_;

    static TDragSession* current;
    static QPoint cursorPos;
};
