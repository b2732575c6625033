// The card images: one set for the whole program, in the current card size.
// Faces, backs and empty-pile marks are kept in image lists whose images are
// transparent where the artwork uses the fuchsia key colour.
#pragma once

#include "card.h"

#include <QImage>
#include <QPixmap>
#include <QPoint>
#include <QSize>
#include <memory>
#include <vector>

class QPainter;

enum _CardSize : int { FS_SMALL = 0, FS_LARGE = 1 };

// The key colour: red 255, green 0, blue 255.
inline constexpr unsigned FuchsiaKey = 0xFFFF00FFu;

// A list of equal-sized images, each drawn with its key-coloured pixels left
// untouched.  Sizes are logical pixels; the pictures may carry a device pixel
// ratio of 2 for crisp drawing on HiDPI screens.
class TImageList {
public:
    TImageList(int width, int height);

    int Width() const { return size_.width(); }
    int Height() const { return size_.height(); }
    int Count() const { return static_cast<int>(images_.size()); }
    void Clear() { images_.clear(); }
    // Adds a picture whose fuchsia pixels become transparent; a picture of
    // another logical size is brought to the list's size first.
    void AddMasked(const QImage& image);
    const QPixmap& Image(int index) const;
    // Draws image index at its logical size with its top-left corner at at.
    void Draw(QPainter& canvas, QPoint at, int index) const;

private:
    QSize size_;
    std::vector<QPixmap> images_;
};

// The image side of TCard: static state and operations, one set per program.
class TCardImages {
public:
    static _CardSize CurrentCardSize;
    static int BackIndex;
    static std::unique_ptr<TImageList> CardImages; // 53 faces (52 cards and the joker)
    static std::unique_ptr<TImageList> BackImages; // 3 backs
    static std::unique_ptr<TImageList> PileImages; // ring, cross, lattice
    static bool BitmapsLoaded;

    // Connects the card constructors to the image loading; the program calls
    // it once at start-up.
    static void Install();

    static void LoadCardBitmaps();
    static void LoadSmallCardBitmaps();
    static void FreeCardBitmaps();
    static void SetCardSize(int size);
    static _CardSize GetCardSize() { return CurrentCardSize; }
    // Backs are 0 to 2; other values are brought into that range.
    static void SetBackIndex(int index);
    static int GetBackIndex() { return BackIndex; }
    // Draws the face (face up) or back BackIndex (face down) with its top-left
    // corner at point, unscaled, leaving the transparent corners untouched.
    static void DrawCardOnCanvas(const TCard& card, QPoint point, QPainter& canvas);
    static TImageList* GetCardImageList() { return CardImages.get(); }
    static TImageList* GetBackImageList() { return BackImages.get(); }
    static void GetCardBitmap(const TCard& card, QPixmap& bitmap);
    static void LoadPileBitmaps();

    // 45 x 63 or 72 x 100, by the current size.
    static QSize CardPixelSize();
    static QSize CardPixelSize(_CardSize size);

    // Resolution of the pictures loaded next: 0 (the default) follows the
    // screens, 2 when any of them is HiDPI and 1 otherwise; 1 or 2 forces it.
    // Sizes and positions stay in logical pixels either way.
    static int PixelRatioSetting;
    static int ArtPixelRatio();

    // One resource picture by name ("FSCARD100" ... "sFSCARD158", any case),
    // at device pixel ratio 1 or 2 (2 for anything above 1): fuchsia where
    // transparent, its logical size that of its card size.  A name outside
    // the set gives a null image.
    static QImage LoadResourceImage(const QString& name, int devicePixelRatio);
};
