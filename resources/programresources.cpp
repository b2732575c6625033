#include "programresources.h"

#include <QFile>
#include <QHash>
#include <QTextStream>

namespace {

QString PicturePath(const QString& name) {
    return QStringLiteral(":/tressalo/pictures/%1.png").arg(name);
}

const QHash<int, QString>& StringTable() {
    static const QHash<int, QString> table = {
        {100, QStringLiteral("Burlap")},
        {101, QStringLiteral("Chalk")},
        {102, QStringLiteral("Sandpaper")},
        {103, QStringLiteral("Red Clown")},
        {104, QStringLiteral("Pine Panels")},
        {105, QStringLiteral("Gray Fleck")},
        {106, QStringLiteral("Cracked Earth")},
        {107, QStringLiteral("Brown Tile")},
        {108, QStringLiteral("Clouds")},
        {109, QStringLiteral("Blue Speckles")},
        {110, QStringLiteral("Green Speckles")},
        {111, QStringLiteral("Rocks")},
        {300, QStringLiteral("Deal cards from the deck one by one, creating the best possible "
                             "poker hands on the five rows and columns of a 5 x 5 grid.")},
        {301, QStringLiteral("The game starts with twenty-five cards dealt to a 5 x 5 grid.  "
                             "Rearrange the cards within the grid to make the best poker hands "
                             "in the five rows and five columns.")},
        {302, QStringLiteral("This game is a mixture of the best elements of Poker Squares and "
                             "Poker Shuffle, requiring a bit of the skills and strategy of "
                             "each.")},
        {303, QStringLiteral("A poker version of the classic 'fifteen puzzle' game, where cards "
                             "are moved in a 5 x 5 grid, using a single open space, in order to "
                             "create poker hands.  As hands are created, they are cashed in.")},
        {304, QStringLiteral("Cross Poker and Tetris, and this is what you get, a unique "
                             "solitaire with intriguing card movement and strategy.")},
        {305, QString::fromUtf8("Think 'Video Poker Meets Solitaire', and you\u2019ll have a "
                                "pretty good concept of the idea behind this interesting "
                                "two-deck poker patience.")},
        {306, QStringLiteral("A version of the popular Poker Dice game played with cards instead "
                             "of dice, using a short deck of 24 cards.")},
    };
    return table;
}

} // namespace

QImage LoadProgramPicture(const QString& name) {
    return QImage(PicturePath(name));
}

QPixmap LoadProgramPixmap(const QString& name) {
    const QString sharp = PicturePath(name + QStringLiteral("@2x"));
    if (QFile::exists(sharp)) {
        QPixmap pixmap(sharp);
        pixmap.setDevicePixelRatio(2);
        return pixmap;
    }
    return QPixmap(PicturePath(name));
}

QIcon LoadProgramIcon(const QString& name) {
    QIcon icon;
    icon.addPixmap(LoadProgramPixmap(name), QIcon::Normal);
    const QPixmap greyed = LoadProgramPixmap(name + QStringLiteral("_DISABLED"));
    if (!greyed.isNull())
        icon.addPixmap(greyed, QIcon::Disabled);
    return icon;
}

QIcon ProgramIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(PicturePath(QStringLiteral("ICON%1").arg(size)), QSize(size, size));
    return icon;
}

QString LoadResString(int id) {
    return StringTable().value(id);
}

std::optional<QString> QueryVersionValue(const QString& block) {
    QFile file(QStringLiteral(":/tressalo/VERSIONINFO.txt"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return std::nullopt;
    QTextStream in(&file);
    in.setEncoding(QStringConverter::Utf8);
    while (!in.atEnd()) {
        const QString line = in.readLine();
        if (line.startsWith(QLatin1Char(';')))
            continue;
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals > 0 && line.left(equals).compare(block, Qt::CaseInsensitive) == 0)
            return line.mid(equals + 1);
    }
    return std::nullopt;
}
