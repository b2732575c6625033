#include "cashinpanel.h"

#include <QAction>
#include <QEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>

TCashInPanel::TCashInPanel(QWidget* parent, QMenu* popup, const std::array<int, 5>& rowLefts,
                           const std::array<int, 5>& columnLefts)
    : QObject(parent), mnuCashIn(new QMenu(QStringLiteral("Cash In"), parent)) {
    QFont small = parent->font();
    small.setPixelSize(11);
    for (int line = 0; line < LineCount; ++line) {
        const bool row = line < GridSide;
        const int k = line % GridSide;
        auto* label =
            new QLabel(QStringLiteral("%1 %2").arg(row ? "Row" : "Col").arg(k + 1), parent);
        label->setFont(small);
        label->move(row ? rowLefts[k] : columnLefts[k], row ? 8 : 24);
        label->adjustSize();
        QPalette grey = label->palette();
        grey.setColor(QPalette::WindowText, QColor(128, 128, 128));
        label->setPalette(grey);
        label->setCursor(Qt::PointingHandCursor);
        label->setEnabled(false);
        label->installEventFilter(this);
        lblLines[line] = label;
        mnuLines[line] = mnuCashIn->addAction(QString::fromStdString(LineCaption(line)));
        mnuLines[line]->setVisible(false);
        QAction* entry = mnuLines[line];
        connect(entry, &QAction::triggered, this, [this, entry] { mnuCashInClick(entry); });
    }
    QAction* before = popup->actions().isEmpty() ? nullptr : popup->actions().first();
    mnuCashInEntry = popup->insertMenu(before, mnuCashIn);
    mnuCashInEntry->setVisible(false);
}

void TCashInPanel::ShowChoices(const std::array<TCashInChoice, LineCount>& choices) {
    bool any = false;
    for (int line = 0; line < LineCount; ++line) {
        const TCashInChoice& choice = choices[line];
        mnuLines[line]->setVisible(choice.Complete);
        lblLines[line]->setEnabled(choice.Complete);
        lblLines[line]->setToolTip(QString::fromStdString(choice.Hint));
        any = any || choice.Complete;
    }
    mnuCashInEntry->setVisible(any);
}

int TCashInPanel::LineOf(const QObject* sender) const {
    for (int line = 0; line < LineCount; ++line)
        if (sender == lblLines[line] || sender == mnuLines[line])
            return line;
    return -1;
}

void TCashInPanel::mnuCashInClick(const QObject* sender) {
    const int line = LineOf(sender);
    if (line >= 0 && OnCashIn)
        OnCashIn(line);
}

bool TCashInPanel::eventFilter(QObject* watched, QEvent* event) {
    // A filter sees the clicks of disabled labels too: those lines are not complete.
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton && LineOf(watched) >= 0 &&
        static_cast<QWidget*>(watched)->isEnabled()) {
        mnuCashInClick(watched);
        return true;
    }
    return QObject::eventFilter(watched, event);
}
