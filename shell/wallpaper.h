// The table background shared by every window: WallpaperBitmap, a picture the
// size of the screen, tiled from its top-left corner with the wallpaper or
// picture file chosen in the options.  The launcher owns it (it creates it each
// time it is shown and frees it when it closes); the game windows and their
// pile views paint from it with its top-left corner at their client origin.
#pragma once

#include <QImage>
#include <QPixmap>
#include <QSize>

// Null while the launcher has none.  Not owned by the reader.
extern QPixmap* WallpaperBitmap;

// Replaces WallpaperBitmap with a fresh white picture of the given size.
void CreateWallpaperBitmap(QSize size);
void FreeWallpaperBitmap();

// Redraws WallpaperBitmap from the store: "BackgroundType" 1 tiles built-in
// wallpaper "ImageNum" (12 or more, or below 0, counts as 0), 2 tiles the
// picture file "Bitmap" when it exists; 0, any other kind, a missing or
// unreadable file leave the picture as it was.
void RebuildWallpaper();

inline constexpr int WallpaperCount = 12;

// Built-in wallpaper n ("WALLBMP" 100 + n); an index outside 0..11 counts as 0.
QImage WallpaperTile(int imageNum);
// The wallpaper's name (string 100 + n).
QString WallpaperName(int imageNum);

// Draws the tile over the whole picture from its top-left corner, row by row;
// an empty tile draws nothing.
void TileImage(QPixmap& picture, const QImage& tile);
