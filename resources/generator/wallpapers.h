// The twelve built-in table wallpapers, each one tile of its fixed size.
#pragma once

#include <QImage>
#include <QSize>

inline constexpr int WallpaperCount = 12;

QSize WallpaperTileSize(int n);
QImage MakeWallpaper(int n);
