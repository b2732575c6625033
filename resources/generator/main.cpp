// Draws every picture the program carries into one folder:
//   tressalo_artgen OUTPUT_FOLDER
// The build runs it and compiles the pictures into the program.
#include "pictures.h"
#include "wallpapers.h"

#include <QDir>
#include <QGuiApplication>
#include <QStringList>
#include <cstdio>

namespace {

bool Save(const QImage& image, const QDir& folder, const QString& name) {
    const QString path = folder.filePath(name + QStringLiteral(".png"));
    if (image.save(path, "PNG"))
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: tressalo_artgen OUTPUT_FOLDER\n");
        return 2;
    }
    QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral(".")))
        return 1;
    bool ok = true;
    for (int n = 0; n < WallpaperCount; ++n)
        ok &= Save(MakeWallpaper(n), folder, QStringLiteral("WALLBMP%1").arg(100 + n));
    for (int g = 0; g < 7; ++g)
        ok &= Save(MakeGamePicture(g), folder, QStringLiteral("BITMAP%1").arg(200 + g));
    ok &= Save(MakeTitlePicture(), folder, QStringLiteral("TITLE"));
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        ok &= Save(MakeProgramIcon(size), folder, QStringLiteral("ICON%1").arg(size));
    const QStringList small = {
        QStringLiteral("TB_NEWHAND"), QStringLiteral("TB_UNDO"),   QStringLiteral("TB_STATS"),
        QStringLiteral("TB_OPTIONS"), QStringLiteral("TB_EXIT"),   QStringLiteral("TB_HELP"),
        QStringLiteral("BTN_PLAY"),   QStringLiteral("BTN_RULES"), QStringLiteral("SPEAKER"),
        QStringLiteral("BTN_DEAL"),   QStringLiteral("BTN_CASHIN")};
    for (const QString& name : small) {
        for (const QString& variant : {name, name + QStringLiteral("_DISABLED")}) {
            ok &= Save(MakeSmallPicture(variant, 1), folder, variant);
            ok &= Save(MakeSmallPicture(variant, 2), folder, variant + QStringLiteral("@2x"));
        }
    }
    return ok ? 0 : 1;
}
