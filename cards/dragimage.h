// The picture of the dragged cards that follows the pointer.  It floats above
// the other controls of the window the pointer is over, takes no mouse input,
// and is transparent where the cards are.
#pragma once

#include <QPixmap>
#include <QWidget>

class TDragImage : public QWidget {
    Q_OBJECT
public:
    explicit TDragImage(const QPixmap& picture);

    const QPixmap& Picture() const { return picture_; }
    // Shows the picture over window with its top-left corner at screenPos.
    void ShowOver(QWidget* window, QPoint screenPos);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap picture_;
};
