// For the start-up timing harness (bench/startup.sh): when the environment
// variable TRESSALO_STARTUP_PROBE is set, the first paint of the watched
// window prints "drawn <clock ns> rss <kB>" and ends the program (with the
// value "close", by closing the window as a player would).
#pragma once

class QWidget;

void WatchFirstPaint(QWidget* window);
