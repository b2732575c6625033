// Draws the whole card set into a folder: for each size ("FSCARD" large,
// "SFSCARD" small) and each resource number 100 to 158 a PNG at 1x and one
// at 2x ("@2x"), and a resource collection file listing them.
//   tressalo_cardart_gen OUTPUT_DIR
#include "cardart.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTextStream>
#include <cstdio>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIR\n", argv[0]);
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!dir.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }

    QString collection;
    QTextStream qrc(&collection);
    qrc << "<RCC>\n  <qresource prefix=\"/cards\">\n";
    for (const bool small : {false, true}) {
        for (int number = cardart::FirstResource; number <= cardart::LastResource; ++number) {
            for (const int scale : {1, 2}) {
                const QString name = QStringLiteral("%1%2%3.png")
                                         .arg(small ? "SFSCARD" : "FSCARD")
                                         .arg(number)
                                         .arg(scale == 2 ? "@2x" : "");
                const QImage image = cardart::RenderArt(number, small, scale);
                if (!image.save(dir.filePath(name), "PNG")) {
                    std::fprintf(stderr, "cannot write %s\n", qPrintable(dir.filePath(name)));
                    return 1;
                }
                qrc << "    <file>" << name << "</file>\n";
            }
        }
    }
    qrc << "  </qresource>\n</RCC>\n";

    QFile file(dir.filePath(QStringLiteral("cardart.qrc")));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(collection.toUtf8()) != collection.toUtf8().size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
        return 1;
    }
    return 0;
}
