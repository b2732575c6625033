// The program's own pictures other than the wallpapers: the title, the icon,
// the toolbar and button pictures and the game miniatures.
#pragma once

#include <QImage>
#include <QString>

// 490 x 93, transparent around the lettering.
QImage MakeTitlePicture();
// The program icon at size x size pixels.
QImage MakeProgramIcon(int size);

// Small pictures by name (see ProgramPictureNames), drawn at scale 1 or 2.
// Names ending in "_DISABLED" give the greyed form of the picture.
QImage MakeSmallPicture(const QString& name, int scale);

// Game miniature 0..6: 187 x 143 (Poker Yacht 166 x 143), drawn from the
// card images.
QImage MakeGamePicture(int game);
