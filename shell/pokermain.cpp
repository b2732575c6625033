#include "pokermain.h"

TPokerMainForm::TPokerMainForm(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle(QStringLiteral("Tressalo"));
    resize(540, 407);
}
