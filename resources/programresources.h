// What the program carries besides the cards and sounds: its pictures, its
// string table and its version record.
#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QString>
#include <optional>

// A picture by name: "WALLBMP100" ... "WALLBMP111" (the wallpapers),
// "BITMAP200" ... "BITMAP206" (the game pictures), "TITLE", "ICON16" ...
// "ICON256", and the small pictures "TB_NEWHAND", "TB_UNDO", "TB_STATS",
// "TB_OPTIONS", "TB_EXIT", "TB_HELP", "BTN_PLAY", "BTN_RULES", "SPEAKER",
// "BTN_DEAL", "BTN_CASHIN", each also with "_DISABLED".  A null image when
// there is no such picture.
QImage LoadProgramPicture(const QString& name);

// The same as a pixmap for the screen: small pictures come in their sharp
// double-resolution form (device pixel ratio 2) when the program has one.
QPixmap LoadProgramPixmap(const QString& name);

// An icon holding the normal and the greyed form of a small picture, for
// buttons that show a different picture when disabled.
QIcon LoadProgramIcon(const QString& name);

// The program's icon in all its sizes.
QIcon ProgramIcon();

// The string table: 100 ... 111 the wallpaper names, 300 ... 306 the game
// descriptions.  Empty for any other number.
QString LoadResString(int id);

// A value of the version record by its block path, such as
// "\StringFileInfo\040904E4\FileVersion"; nothing when the record has none.
std::optional<QString> QueryVersionValue(const QString& block);
