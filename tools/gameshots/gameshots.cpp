// Opens the Poker Squares window in each look (small and large cards, solid
// colour and wallpaper), plays a whole game by simulated clicks and a drag,
// and saves screenshots along the way: gameshots OUTDIR.  Run it under a real
// display (Xvfb) to see the drag picture in the screen shots.
#include "gamedata.h"
#include "pokersquaresform.h"
#include "selecthand.h"

#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QTest>

#include <cstdio>

namespace {

QPoint InWindow(QWidget* form, QWidget* widget, QPoint local) {
    return widget->mapTo(form, local);
}

void Save(QWidget* form, const QString& file) {
    form->grab().save(file);
    // The whole screen too, so pictures over other windows show.
    if (QScreen* screen = QGuiApplication::primaryScreen())
        screen->grabWindow(0).save(QString(file).replace(".png", "-screen.png"));
    std::printf("%s\n", qPrintable(file));
}

void Shoot(const QString& folder, int cardSize, int backgroundType) {
    WriteIniInteger("Options", "CardSize", cardSize);
    WriteIniInteger("Options", "BackgroundType", backgroundType);
    WriteIniInteger("Poker Squares", "State", 0);
    WriteIniInteger("Poker Squares", "Left", 20);
    WriteIniInteger("Poker Squares", "Top", 40);
    WriteIniInteger("Poker Squares", "Width", cardSize == 0 ? 560 : 700);
    WriteIniInteger("Poker Squares", "Height", cardSize == 0 ? 400 : 560);
    const QString name = QStringLiteral("%1/%2-%3")
                             .arg(folder, cardSize == 0 ? "small" : "large",
                                  backgroundType == 0 ? "colour" : "wallpaper");

    TPokerSquaresForm form;
    form.show();
    (void)QTest::qWaitForWindowExposed(&form);
    QTest::qWait(100);
    std::printf("%d dots per inch, minimum size %d x %d\n", form.logicalDpiY(),
                form.minimumWidth(), form.minimumHeight());
    form.StartNewHand(1);
    QTest::qWait(50);
    Save(&form, name + "-1-dealt.png");

    QWindow* window = form.windowHandle();
    auto click = [&](int cell) {
        TCardPileView* view = form.CardPileView[static_cast<std::size_t>(cell)];
        QTest::mouseClick(window, Qt::LeftButton, {}, InWindow(&form, view, {20, 20}));
    };
    for (int cell = 0; cell < 12; ++cell)
        click(cell);
    QTest::qWait(50);
    Save(&form, name + "-2-half.png");

    if (cardSize == 1 && backgroundType == 0) {
        // The popup menu, and the question before an unfinished hand is left.
        form.PopupMenu1->popup(form.mapToGlobal(QPoint(200, 200)));
        QTest::qWait(100);
        Save(&form, name + "-menu.png");
        form.PopupMenu1->hide();
        QTimer::singleShot(200, [&] {
            Save(&form, name + "-question.png");
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                box->button(QMessageBox::No)->click();
        });
        form.btnNewHandClick();
    }

    // A drag from the deck, held over a free cell.
    TCardPileView* deck = form.DeckPileView;
    const int top = deck->Pile.GetCardCount() - 1;
    const QPoint grab = deck->CardPosition(top) + QPoint(20, 30);
    QTest::mousePress(window, Qt::LeftButton, {}, InWindow(&form, deck, grab));
    TCardPileView* target = form.CardPileView[18];
    QTest::mouseMove(window, InWindow(&form, target, {10, 10}));
    QTest::mouseMove(window, InWindow(&form, target, {22, 30}));
    QTest::qWait(100);
    Save(&form, name + "-3-dragging.png");
    QTest::mouseRelease(window, Qt::LeftButton, {}, InWindow(&form, target, {22, 30}));

    for (int cell = 12; cell < GridPlaces; ++cell)
        click(cell);
    QTest::qWait(50);
    Save(&form, name + "-4-full.png");
    form.close();
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: gameshots OUTDIR\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);
    InitGameData((folder + "/Tressalo.INI").toStdString());
    for (int cardSize : {0, 1})
        for (int background : {0, 1})
            Shoot(folder, cardSize, background);
    // The Select Hand dialog as the player meets it.
    TSelectHandForm select;
    select.Tag = 1234;
    select.show();
    (void)QTest::qWaitForWindowExposed(&select);
    QTest::qWait(50);
    Save(&select, folder + "/select-hand.png");
    select.hide();
    CloseGameData();
    return 0;
}
