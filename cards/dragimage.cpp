#include "dragimage.h"

#include <QPainter>

TDragImage::TDragImage(const QPixmap& picture) : picture_(picture) {
    // Never a target of the mouse: the control under the picture is found
    // and receives the events.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    resize(picture_.deviceIndependentSize().toSize());
}

void TDragImage::ShowOver(QWidget* window, QPoint screenPos) {
    if (parentWidget() != window) {
        setParent(window);
        resize(picture_.deviceIndependentSize().toSize());
    }
    move(window->mapFromGlobal(screenPos));
    raise();
    if (isHidden())
        show();
}

void TDragImage::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, picture_);
}
