#include "gameregistry.h"

std::array<TGameWindowOpener, 7> GameWindowFactory;
TFormCreator SelectHandFormCreator;

void RegisterGameWindow(int game, TGameWindowOpener opener) {
    if (game >= 0 && game < static_cast<int>(GameWindowFactory.size()))
        GameWindowFactory[static_cast<std::size_t>(game)] = std::move(opener);
}
