// The cash-in choices of Poker Elimination, Poker Puzzle and Poker Columns:
// ten small line labels ("Row 1" ... "Col 5") and the popup menu's "Cash In"
// submenu ("Row 1" ... "Column 5").  A complete line has its entry shown and
// its label enabled, with the hand and its points as the label's hint.
#pragma once

#include "handslots.h"

#include <QObject>
#include <array>
#include <functional>

class QAction;
class QLabel;
class QMenu;
class QWidget;

class TCashInPanel : public QObject {
    Q_OBJECT
public:
    // The labels go into parent: rows at top 8 with the given lefts, columns
    // at top 24.  The submenu becomes the first entry of popup.
    TCashInPanel(QWidget* parent, QMenu* popup, const std::array<int, 5>& rowLefts,
                 const std::array<int, 5>& columnLefts);

    std::array<QLabel*, LineCount> lblLines{}; // lblR1 ... lblR5, lblC1 ... lblC5
    QMenu* mnuCashIn;
    QAction* mnuCashInEntry;                    // the submenu's entry in the popup
    std::array<QAction*, LineCount> mnuLines{}; // mnuRow1 ... mnuCol5

    // Called with the line whose label or menu entry was clicked.
    std::function<void(int line)> OnCashIn;

    void ShowChoices(const std::array<TCashInChoice, LineCount>& choices);
    // The line of a label or menu entry, or -1 for anything else.
    int LineOf(const QObject* sender) const;
    // mnuCashInClick: cashes in the sender's line; other senders do nothing.
    void mnuCashInClick(const QObject* sender);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
