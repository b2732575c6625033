#include "dragsession.h"

#include "cardpileview.h"
#include "dragimage.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>
#include <unordered_map>

TDragSession* TDragSession::current = nullptr;
QPoint TDragSession::cursorPos;

namespace {

struct TTargetInfo {
    TDragOverEvent handler;
    bool showsImage = false;
};

// Registered widgets; an entry goes away with its widget.
std::unordered_map<const QWidget*, TTargetInfo>& Registry() {
    static std::unordered_map<const QWidget*, TTargetInfo> registry;
    return registry;
}

TTargetInfo& InfoFor(QWidget* widget) {
    auto& registry = Registry();
    auto found = registry.find(widget);
    if (found != registry.end())
        return found->second;
    QObject::connect(widget, &QObject::destroyed, [widget] { Registry().erase(widget); });
    return registry[widget];
}

// A pile view's handler is its own OnDragOver; other widgets use the registry.
TDragOverEvent HandlerOf(QWidget* widget) {
    if (auto* view = qobject_cast<TCardPileView*>(widget))
        return view->OnDragOver;
    auto found = Registry().find(widget);
    return found == Registry().end() ? TDragOverEvent() : found->second.handler;
}

} // namespace

void TDragSession::SetDragOverHandler(QWidget* widget, TDragOverEvent handler) {
    InfoFor(widget).handler = std::move(handler);
}

void TDragSession::SetShowsDragImage(QWidget* widget, bool shows) {
    InfoFor(widget).showsImage = shows;
}

bool TDragSession::ShowsDragImage(const QWidget* widget) {
    auto found = Registry().find(widget);
    return found != Registry().end() && found->second.showsImage;
}

bool TDragSession::StrictlyInside(const QRect& r, QPoint p) {
    return r.left() < p.x() && p.x() < r.left() + r.width() && r.top() < p.y() &&
           p.y() < r.top() + r.height();
}

TDragSession::TDragSession(TCardPileView* source, const QPixmap& image, QPoint hotSpot,
                           QPoint pressScreenPos, bool delayed, std::function<void()> cancel)
    : source_(source), image_(new TDragImage(image)), hotSpot_(hotSpot), pressPos_(pressScreenPos),
      started_(!delayed), cancel_(std::move(cancel)) {
    current = this;
    cursorPos = pressScreenPos;
    qApp->installEventFilter(this);
}

TDragSession::~TDragSession() {
    qApp->removeEventFilter(this);
    if (cursorSet_)
        QApplication::restoreOverrideCursor();
    delete image_.data();
    if (current == this)
        current = nullptr;
}

const TDragImage* TDragSession::Image() const {
    return image_.data();
}

QWidget* TDragSession::ControlAt(QPoint screenPos) const {
    QWidget* window = nullptr;
    QWidget* own = source_ ? source_->window() : nullptr;
    if (own && own->isVisible() && own->geometry().contains(screenPos)) {
        window = own;
    } else {
        const QWidget* modal = QApplication::activeModalWidget();
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (!top->isVisible() || top->windowFlags().testFlag(Qt::WindowTransparentForInput) ||
                (modal && top != modal) || !top->geometry().contains(screenPos))
                continue;
            window = top;
            break;
        }
    }
    if (!window)
        return nullptr;
    QWidget* child = window->childAt(window->mapFromGlobal(screenPos));
    QWidget* control = child ? child : window;
    // A disabled control takes no part: its container answers for it.
    while (control != window && !control->isEnabled())
        control = control->parentWidget();
    return control;
}

bool TDragSession::SendDragOver(QWidget* target, QPoint screenPos, TDragState state) {
    const TDragOverEvent handler = HandlerOf(target);
    if (!handler)
        return false;
    bool accept = true;
    const QPoint local = target->mapFromGlobal(screenPos);
    handler(target, source_, local.x(), local.y(), state, accept);
    return accept;
}

void TDragSession::MoveTo(QPoint screenPos) {
    if (finished_)
        return;
    cursorPos = screenPos;
    if (!started_) {
        if ((screenPos - pressPos_).manhattanLength() < QApplication::startDragDistance())
            return;
        started_ = true;
    }
    QWidget* under = ControlAt(screenPos);
    if (under != current_) {
        if (current_)
            SendDragOver(current_, screenPos, dsDragLeave);
        current_ = under;
        accepted_ = current_ && SendDragOver(current_, screenPos, dsDragEnter);
    } else {
        accepted_ = current_ && SendDragOver(current_, screenPos, dsDragMove);
    }
    ShowFeedback(screenPos);
}

TDragSession::TDrop TDragSession::Drop(QPoint screenPos) {
    if (finished_)
        return {};
    if (!started_ || screenPos != cursorPos)
        MoveTo(screenPos);
    finished_ = true;
    if (image_)
        image_->hide();
    TDrop drop;
    if (!started_ || !current_)
        return drop;
    // The control under the pointer hears that the drag leaves it; its answer
    // says whether it took the drop.
    QPointer<QWidget> target = current_;
    if (SendDragOver(target, screenPos, dsDragLeave) && target) {
        drop.Target = target;
        drop.Position = target->mapFromGlobal(screenPos);
    }
    return drop;
}

void TDragSession::Abandon() {
    if (finished_)
        return;
    finished_ = true;
    if (image_)
        image_->hide();
    if (started_ && current_)
        SendDragOver(current_, cursorPos, dsDragLeave);
}

void TDragSession::ShowFeedback(QPoint screenPos) {
    if (image_ && current_ && ShowsDragImage(current_))
        image_->ShowOver(current_->window(), screenPos - hotSpot_);
    else if (image_)
        image_->hide();
    const QCursor cursor(accepted_ ? Qt::DragMoveCursor : Qt::ForbiddenCursor);
    if (cursorSet_) {
        QApplication::changeOverrideCursor(cursor);
    } else {
        QApplication::setOverrideCursor(cursor);
        cursorSet_ = true;
    }
}

bool TDragSession::eventFilter(QObject* watched, QEvent* event) {
    if (finished_)
        return false;
    const bool escape = event->type() == QEvent::KeyPress &&
                        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape;
    // Closing the source's window ends the drag first, so the window's own
    // close handling finds the cards back in their pile.
    const bool closing = event->type() == QEvent::Close && source_ && watched == source_->window();
    if (!escape && !closing)
        return false;
    // The cancel ends this session: nothing of it may be touched afterwards.
    const std::function<void()> cancel = cancel_;
    cancel();
    return escape;
}
