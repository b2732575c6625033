// The windows created once at start and kept, hidden, until the end: the
// Select Hand dialog (when the game windows have registered it), the
// statistics window and the options window, created in that order.
#pragma once

#include <QWidget>
#include <memory>

class TStatsDialogForm;
class TOptionsDialogForm;

class TSharedForms {
public:
    TSharedForms();
    ~TSharedForms();
    TSharedForms(const TSharedForms&) = delete;
    TSharedForms& operator=(const TSharedForms&) = delete;

private:
    std::unique_ptr<QWidget> selectHand_;
    std::unique_ptr<TStatsDialogForm> stats_;
    std::unique_ptr<TOptionsDialogForm> options_;
};
