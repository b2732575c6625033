// The launcher window.
#pragma once

#include <QMainWindow>

class TPokerMainForm : public QMainWindow {
    Q_OBJECT
public:
    explicit TPokerMainForm(QWidget* parent = nullptr);
};
