#include "pokermain.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tressalo"));
    TPokerMainForm mainForm;
    mainForm.show();
    return QApplication::exec();
}
