#include "gameoutside.h"

#include "gamedata.h"

void RecordInStore(int game, int score) {
    RecordGameResult(game, score);
    SaveGameStats(game);
}
