// What the windows report about the display: its size in pixels, its colour
// depth and its density.  The program reads them from the screen; tests set
// their own.
#pragma once

#include <functional>

struct TScreenMetrics {
    int Width = 1024;
    int Height = 768;
    int BitsPerPixel = 16;
    int Planes = 1;
    int DotsPerInch = 96;
};

// The primary screen's metrics, or those of the source set below.
TScreenMetrics CurrentScreenMetrics();
void SetScreenMetricsSource(std::function<TScreenMetrics()> source);
