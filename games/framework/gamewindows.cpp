#include "gamewindows.h"

#include "pokersquaresform.h"

#include <QWidget>
#include <memory>

bool OpenGameWindow(int game, QWidget* launcher) {
    std::unique_ptr<TGameForm> window;
    switch (game) {
    case 0: window = std::make_unique<TPokerSquaresForm>(launcher); break;
    default: return false;
    }
    window->exec();
    window.reset();
    if (launcher != nullptr)
        launcher->show();
    return true;
}
