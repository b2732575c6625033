#include "pictures.h"

#include "cardimages.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <functional>
#include <map>

namespace {

const QColor Felt(34, 120, 70);

// The four suit symbols as paths in a 1 x 1 box.
QPainterPath SuitPath(int suit) {
    QPainterPath path;
    switch (suit) {
    case 0: // clubs
        path.addEllipse(QPointF(0.5, 0.27), 0.22, 0.22);
        path.addEllipse(QPointF(0.27, 0.58), 0.22, 0.22);
        path.addEllipse(QPointF(0.73, 0.58), 0.22, 0.22);
        path.moveTo(0.45, 0.55);
        path.lineTo(0.36, 1.0);
        path.lineTo(0.64, 1.0);
        path.lineTo(0.55, 0.55);
        break;
    case 1: // spades
        path.moveTo(0.5, 0.0);
        path.cubicTo(0.35, 0.25, 0.0, 0.4, 0.05, 0.65);
        path.cubicTo(0.1, 0.85, 0.38, 0.85, 0.47, 0.7);
        path.lineTo(0.36, 1.0);
        path.lineTo(0.64, 1.0);
        path.lineTo(0.53, 0.7);
        path.cubicTo(0.62, 0.85, 0.9, 0.85, 0.95, 0.65);
        path.cubicTo(1.0, 0.4, 0.65, 0.25, 0.5, 0.0);
        break;
    case 2: // diamonds
        path.moveTo(0.5, 0.0);
        path.lineTo(0.88, 0.5);
        path.lineTo(0.5, 1.0);
        path.lineTo(0.12, 0.5);
        path.closeSubpath();
        break;
    default: // hearts
        path.moveTo(0.5, 1.0);
        path.cubicTo(0.3, 0.75, 0.0, 0.55, 0.02, 0.3);
        path.cubicTo(0.05, 0.02, 0.4, 0.0, 0.5, 0.25);
        path.cubicTo(0.6, 0.0, 0.95, 0.02, 0.98, 0.3);
        path.cubicTo(1.0, 0.55, 0.7, 0.75, 0.5, 1.0);
        break;
    }
    path.setFillRule(Qt::WindingFill);
    return path;
}

void DrawSuit(QPainter& p, int suit, const QRectF& box, const QColor& colour) {
    QTransform t;
    t.translate(box.left(), box.top());
    t.scale(box.width(), box.height());
    p.fillPath(t.map(SuitPath(suit)), colour);
}

QColor SuitColour(int suit) {
    return suit >= 2 ? QColor(200, 20, 30) : QColor(20, 20, 20);
}

QImage NewImage(QSize size, int scale) {
    QImage image(size * scale, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    image.setDevicePixelRatio(scale);
    return image;
}

// A plain white card with a rounded border, in picture units.
void DrawBlankCard(QPainter& p, const QRectF& r, double radius) {
    p.setPen(QPen(QColor(40, 40, 40), 0.9));
    p.setBrush(QColor(252, 252, 248));
    p.drawRoundedRect(r, radius, radius);
}

// ---- small pictures, drawn in 16 x 16 units -------------------------------

void DrawNewHand(QPainter& p) {
    p.save();
    p.translate(8, 9);
    p.rotate(-14);
    DrawBlankCard(p, QRectF(-6.5, -6.5, 8, 11), 1.2);
    p.rotate(26);
    DrawBlankCard(p, QRectF(-2.5, -6.5, 8, 11), 1.2);
    DrawSuit(p, 3, QRectF(-0.5, -3.0, 4, 4), SuitColour(3));
    p.restore();
    // A small star: fresh cards.
    QPainterPath star;
    for (int i = 0; i < 8; ++i) {
        const double angle = i * 3.14159265 / 4;
        const double r = (i % 2 == 0) ? 3.2 : 1.2;
        const QPointF point(12.5 + r * std::sin(angle), 3.5 - r * std::cos(angle));
        if (i == 0)
            star.moveTo(point);
        else
            star.lineTo(point);
    }
    star.closeSubpath();
    p.fillPath(star, QColor(250, 190, 20));
    p.setPen(QPen(QColor(150, 100, 0), 0.5));
    p.drawPath(star);
}

void DrawUndo(QPainter& p) {
    QPainterPath arc;
    arc.moveTo(4.5, 6.5);
    arc.cubicTo(8, 3.5, 14.5, 4.5, 13.5, 10);
    arc.cubicTo(13, 13, 10, 14, 7.5, 13.5);
    p.setPen(QPen(QColor(30, 80, 170), 2.4, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(arc);
    QPainterPath head;
    head.moveTo(1.0, 6.8);
    head.lineTo(7.0, 2.6);
    head.lineTo(7.2, 10.0);
    head.closeSubpath();
    p.fillPath(head, QColor(30, 80, 170));
}

void DrawStats(QPainter& p) {
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.drawLine(QPointF(1.5, 14.5), QPointF(14.5, 14.5));
    p.drawLine(QPointF(1.5, 1.5), QPointF(1.5, 14.5));
    const QColor colours[3] = {QColor(210, 60, 50), QColor(240, 170, 30), QColor(40, 150, 70)};
    const double heights[3] = {5, 9, 12};
    for (int i = 0; i < 3; ++i) {
        const QRectF bar(3.5 + i * 4, 14 - heights[i], 3, heights[i]);
        p.fillRect(bar, colours[i]);
        p.setPen(QPen(colours[i].darker(150), 0.6));
        p.drawRect(bar);
    }
}

void DrawOptions(QPainter& p) {
    // A gear wheel.
    QPainterPath gear;
    const int teeth = 8;
    for (int i = 0; i < teeth * 2; ++i) {
        const double a0 = i * 3.14159265 / teeth;
        const double r = (i % 2 == 0) ? 7.2 : 5.4;
        const QPointF p0(8 + r * std::cos(a0 - 0.18), 8 + r * std::sin(a0 - 0.18));
        const QPointF p1(8 + r * std::cos(a0 + 0.18), 8 + r * std::sin(a0 + 0.18));
        if (i == 0)
            gear.moveTo(p0);
        else
            gear.lineTo(p0);
        gear.lineTo(p1);
    }
    gear.closeSubpath();
    QPainterPath hole;
    hole.addEllipse(QPointF(8, 8), 2.3, 2.3);
    gear = gear.subtracted(hole);
    QLinearGradient shade(0, 0, 16, 16);
    shade.setColorAt(0, QColor(190, 196, 206));
    shade.setColorAt(1, QColor(90, 98, 112));
    p.fillPath(gear, shade);
    p.setPen(QPen(QColor(50, 55, 65), 0.7));
    p.drawPath(gear);
}

void DrawExit(QPainter& p) {
    // A door with an arrow leaving it.
    p.setPen(QPen(QColor(90, 50, 20), 0.8));
    p.setBrush(QColor(170, 110, 50));
    p.drawRect(QRectF(1.5, 1.5, 8, 13));
    p.setBrush(QColor(230, 200, 60));
    p.drawEllipse(QPointF(7.8, 8.5), 0.8, 0.8);
    p.setPen(QPen(QColor(200, 30, 30), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(8, 8), QPointF(13, 8));
    QPainterPath head;
    head.moveTo(15.5, 8);
    head.lineTo(11.5, 4.5);
    head.lineTo(11.5, 11.5);
    head.closeSubpath();
    p.fillPath(head, QColor(200, 30, 30));
}

void DrawHelp(QPainter& p) {
    QRadialGradient ball(6, 5, 10);
    ball.setColorAt(0, QColor(120, 170, 250));
    ball.setColorAt(1, QColor(20, 70, 170));
    p.setPen(QPen(QColor(10, 40, 110), 0.7));
    p.setBrush(ball);
    p.drawEllipse(QRectF(1, 1, 14, 14));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(11);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(1, 1.5, 14, 14), Qt::AlignCenter, QStringLiteral("?"));
}

void DrawPlay(QPainter& p) {
    QPainterPath triangle;
    triangle.moveTo(3, 1.5);
    triangle.lineTo(14, 8);
    triangle.lineTo(3, 14.5);
    triangle.closeSubpath();
    QLinearGradient shade(0, 0, 0, 16);
    shade.setColorAt(0, QColor(110, 220, 110));
    shade.setColorAt(1, QColor(20, 130, 40));
    p.fillPath(triangle, shade);
    p.setPen(QPen(QColor(10, 80, 20), 0.8));
    p.drawPath(triangle);
}

void DrawRules(QPainter& p) {
    // An open book.
    p.setPen(QPen(QColor(40, 40, 90), 0.8));
    p.setBrush(QColor(250, 248, 235));
    QPainterPath left;
    left.moveTo(8, 4);
    left.cubicTo(6, 2.5, 3, 2.5, 1, 3.5);
    left.lineTo(1, 13.5);
    left.cubicTo(3, 12.5, 6, 12.5, 8, 14);
    left.closeSubpath();
    QPainterPath right;
    right.moveTo(8, 4);
    right.cubicTo(10, 2.5, 13, 2.5, 15, 3.5);
    right.lineTo(15, 13.5);
    right.cubicTo(13, 12.5, 10, 12.5, 8, 14);
    right.closeSubpath();
    p.drawPath(left);
    p.drawPath(right);
    p.setPen(QPen(QColor(120, 120, 150), 0.6));
    for (int i = 0; i < 3; ++i) {
        p.drawLine(QPointF(2.5, 6 + i * 2.2), QPointF(6.5, 6 + i * 2.2));
        p.drawLine(QPointF(9.5, 6 + i * 2.2), QPointF(13.5, 6 + i * 2.2));
    }
}

// 10 x 11 units.
void DrawSpeaker(QPainter& p) {
    QPainterPath body;
    body.moveTo(0.5, 3.5);
    body.lineTo(2.5, 3.5);
    body.lineTo(5.5, 0.8);
    body.lineTo(5.5, 10.2);
    body.lineTo(2.5, 7.5);
    body.lineTo(0.5, 7.5);
    body.closeSubpath();
    p.fillPath(body, QColor(40, 40, 40));
    p.setPen(QPen(QColor(40, 40, 40), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(4.5, 3.0, 3.5, 5.0), -60 * 16, 120 * 16);
    p.drawArc(QRectF(4.0, 1.2, 5.5, 8.6), -60 * 16, 120 * 16);
}

// 32 x 32 units: three cards being dealt.
void DrawDeal(QPainter& p) {
    for (int i = 0; i < 3; ++i) {
        p.save();
        p.translate(16, 18);
        p.rotate(-20 + i * 20);
        p.setPen(QPen(QColor(20, 20, 60), 1));
        p.setBrush(i == 2 ? QColor(252, 252, 248) : QColor(40, 80, 170));
        p.drawRoundedRect(QRectF(-6, -11, 12, 17), 2, 2);
        if (i == 2)
            DrawSuit(p, 1, QRectF(-3.5, -7, 7, 7), SuitColour(1));
        p.restore();
    }
}

// 32 x 32 units: a stack of gold coins.
void DrawCashIn(QPainter& p) {
    for (int i = 0; i < 4; ++i) {
        const QRectF coin(6, 22 - i * 5, 20, 8);
        QLinearGradient gold(coin.topLeft(), coin.bottomLeft());
        gold.setColorAt(0, QColor(255, 230, 110));
        gold.setColorAt(1, QColor(200, 150, 20));
        p.setPen(QPen(QColor(140, 100, 0), 0.9));
        p.setBrush(gold);
        p.drawEllipse(coin);
    }
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(7);
    p.setFont(font);
    p.setPen(QColor(140, 100, 0));
    p.drawText(QRectF(6, 7, 20, 8), Qt::AlignCenter, QStringLiteral("$"));
}

struct TSmallPicture {
    QSize Size;
    std::function<void(QPainter&)> Draw;
};

const std::map<QString, TSmallPicture>& SmallPictures() {
    static const std::map<QString, TSmallPicture> pictures = {
        {QStringLiteral("TB_NEWHAND"), {QSize(16, 16), DrawNewHand}},
        {QStringLiteral("TB_UNDO"), {QSize(16, 16), DrawUndo}},
        {QStringLiteral("TB_STATS"), {QSize(16, 16), DrawStats}},
        {QStringLiteral("TB_OPTIONS"), {QSize(16, 16), DrawOptions}},
        {QStringLiteral("TB_EXIT"), {QSize(16, 16), DrawExit}},
        {QStringLiteral("TB_HELP"), {QSize(16, 16), DrawHelp}},
        {QStringLiteral("BTN_PLAY"), {QSize(16, 16), DrawPlay}},
        {QStringLiteral("BTN_RULES"), {QSize(16, 16), DrawRules}},
        {QStringLiteral("SPEAKER"), {QSize(10, 11), DrawSpeaker}},
        {QStringLiteral("BTN_DEAL"), {QSize(32, 32), DrawDeal}},
        {QStringLiteral("BTN_CASHIN"), {QSize(32, 32), DrawCashIn}},
    };
    return pictures;
}

// Greyed: the luminance, lightened and half transparent, as a disabled
// button shows it.
QImage Disabled(const QImage& image) {
    QImage grey = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < grey.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(grey.scanLine(y));
        for (int x = 0; x < grey.width(); ++x) {
            const int a = qAlpha(line[x]);
            const int g = 110 + qGray(line[x]) * 100 / 255;
            line[x] = qRgba(g, g, g, a / 2);
        }
    }
    grey.setDevicePixelRatio(image.devicePixelRatio());
    return grey;
}

// ---- game miniatures -------------------------------------------------------

// A large card picture with its key colour made transparent.
QImage CardArt(int resource) {
    QImage art = TCardImages::LoadResourceImage(QString::asprintf("FSCARD%d", resource), 2)
                     .convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < art.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(art.scanLine(y));
        for (int x = 0; x < art.width(); ++x)
            if ((line[x] | 0xFF000000u) == FuchsiaKey)
                line[x] = 0;
    }
    art.setDevicePixelRatio(1);
    return art;
}

class TMiniature {
public:
    explicit TMiniature(QSize size) : image_(size, QImage::Format_RGB32), painter_(&image_) {
        painter_.setRenderHint(QPainter::Antialiasing);
        painter_.setRenderHint(QPainter::SmoothPixmapTransform);
        QRadialGradient felt(size.width() / 2.0, size.height() / 2.0, size.width() * 0.7);
        felt.setColorAt(0, Felt.lighter(118));
        felt.setColorAt(1, Felt.darker(125));
        painter_.fillRect(QRect(QPoint(0, 0), size), felt);
    }

    // A card (number 0..51, or -1 for a back) scaled to the given box.
    void Card(int number, const QRectF& box) {
        painter_.drawImage(box, CardArt(number < 0 ? 154 : 100 + number));
    }

    void Outline(const QRectF& box) {
        painter_.setPen(QPen(QColor(255, 255, 255, 110), 1));
        painter_.setBrush(Qt::NoBrush);
        painter_.drawRoundedRect(box.adjusted(0.5, 0.5, -0.5, -0.5), 2, 2);
    }

    void Lattice(const QRectF& box) {
        painter_.setPen(QPen(QColor(230, 230, 200, 150), 0.8));
        for (double d = -box.height(); d < box.width(); d += 4) {
            painter_.drawLine(
                QLineF(box.left() + d, box.top(), box.left() + d + box.height(), box.bottom()));
        }
        Outline(box);
    }

    // A grey score sheet with some lines, like the game windows' panels.
    void Sheet(const QRectF& box, int rows) {
        painter_.setPen(QPen(QColor(60, 60, 60), 1));
        painter_.setBrush(QColor(212, 208, 200));
        painter_.drawRect(box);
        painter_.setPen(QPen(QColor(120, 120, 120), 1));
        const double step = (box.height() - 6) / rows;
        for (int i = 0; i < rows; ++i) {
            const double y = box.top() + 4 + i * step + step / 2;
            painter_.drawLine(QPointF(box.left() + 4, y), QPointF(box.right() - 4, y));
        }
    }

    // A grey control, like a button or a hold mark.
    void Button(const QRectF& box) {
        painter_.setPen(QColor(60, 60, 60));
        painter_.setBrush(QColor(212, 208, 200));
        painter_.drawRect(box);
    }

    QImage Take() {
        painter_.end();
        return image_;
    }

private:
    QImage image_;
    QPainter painter_;
};

// Card numbers chosen to look like play in progress.
constexpr int Deal[25] = {12, 25, 38, 51, 11, 0,  13, 26, 39, 9,  22, 35, 48,
                          7,  20, 33, 46, 5,  18, 31, 44, 3,  16, 29, 42};

constexpr double GridW = 19, GridH = 26.4, GridStepX = 21.5, GridStepY = 28;

QRectF GridCell(int row, int col) {
    return QRectF(4 + col * GridStepX, 3 + row * GridStepY, GridW, GridH);
}

QImage PokerSquares() {
    TMiniature m(QSize(187, 143));
    for (int i = 0; i < 25; ++i) {
        if (i % 3 == 1 || i > 19)
            m.Outline(GridCell(i / 5, i % 5));
        else
            m.Card(Deal[i], GridCell(i / 5, i % 5));
    }
    for (int i = 0; i < 8; ++i)
        m.Card(-1, QRectF(118 + i * 3, 8, GridW * 1.4, GridH * 1.4));
    m.Card(30, QRectF(118 + 8 * 3, 8, GridW * 1.4, GridH * 1.4));
    m.Sheet(QRectF(118, 54, 63, 84), 10);
    return m.Take();
}

QImage PokerShuffle() {
    TMiniature m(QSize(187, 143));
    for (int i = 0; i < 25; ++i)
        m.Card(Deal[(i * 7) % 25], GridCell(i / 5, i % 5));
    m.Sheet(QRectF(118, 8, 63, 130), 12);
    return m.Take();
}

QImage PokerElimination() {
    TMiniature m(QSize(187, 143));
    for (int i = 0; i < 25; ++i) {
        if (i / 5 == 2 || i % 4 == 3)
            m.Outline(GridCell(i / 5, i % 5));
        else
            m.Card(Deal[(i * 3) % 25], GridCell(i / 5, i % 5));
    }
    for (int i = 0; i < 12; ++i)
        m.Card(-1, QRectF(116 + i * 2, 6, GridW * 1.3, GridH * 1.3));
    m.Card(45, QRectF(116 + 12 * 2, 6, GridW * 1.3, GridH * 1.3));
    m.Sheet(QRectF(116, 48, 65, 90), 10);
    return m.Take();
}

QImage PokerPuzzle() {
    TMiniature m(QSize(187, 143));
    for (int i = 0; i < 25; ++i) {
        if (i == 7)
            m.Lattice(GridCell(i / 5, i % 5));
        else
            m.Card(Deal[(i * 11) % 25], GridCell(i / 5, i % 5));
    }
    for (int i = 0; i < 10; ++i)
        m.Card(-1, QRectF(116 + i * 2, 6, GridW * 1.3, GridH * 1.3));
    m.Sheet(QRectF(116, 48, 65, 90), 10);
    return m.Take();
}

QImage PokerColumns() {
    TMiniature m(QSize(187, 143));
    const int heights[5] = {2, 4, 1, 3, 5};
    int k = 0;
    for (int col = 0; col < 5; ++col) {
        for (int row = 0; row < 5; ++row) {
            if (row >= 5 - heights[col])
                m.Card(Deal[(k++ * 5 + 2) % 25], GridCell(row, col));
            else
                m.Outline(GridCell(row, col));
        }
    }
    for (int i = 0; i < 10; ++i)
        m.Card(-1, QRectF(116 + i * 2, 6, GridW * 1.3, GridH * 1.3));
    m.Card(24, QRectF(116 + 10 * 2, 6, GridW * 1.3, GridH * 1.3));
    m.Sheet(QRectF(116, 48, 65, 90), 10);
    return m.Take();
}

QImage PokerHoldem() {
    TMiniature m(QSize(187, 143));
    const int hand[5] = {12, 51, 38, 11, 10};
    for (int i = 0; i < 5; ++i) {
        m.Card(hand[i], QRectF(5 + i * 22, 8, 20, 28));
        m.Button(QRectF(5.5 + i * 22, 40.5, 19, 7));
    }
    // The 104-card stock, the hand panel and the score sheet.
    for (int i = 0; i < 14; ++i)
        m.Card(-1, QRectF(8 + i * 2, 60, 20, 28));
    m.Button(QRectF(46.5, 62.5, 62, 24));
    m.Sheet(QRectF(8.5, 100.5, 100, 36), 3);
    m.Sheet(QRectF(118.5, 8.5, 62, 128), 11);
    return m.Take();
}

QImage PokerYacht() {
    TMiniature m(QSize(166, 143));
    // Nines to aces only.
    const int hand[5] = {8 + 39, 9 + 13, 10, 0 + 26, 0 + 39};
    for (int i = 0; i < 5; ++i) {
        m.Card(hand[i], QRectF(4 + i * 20, 10, 18.5, 26));
        m.Button(QRectF(5.5 + i * 20, 40.5, 16, 7));
    }
    m.Button(QRectF(38.5, 58.5, 30, 20));
    m.Sheet(QRectF(108, 6, 54, 131), 18);
    return m.Take();
}

} // namespace

QImage MakeSmallPicture(const QString& name, int scale) {
    const bool disabled = name.endsWith(QLatin1String("_DISABLED"));
    const QString base = disabled ? name.chopped(9) : name;
    const TSmallPicture& picture = SmallPictures().at(base);
    QImage image = NewImage(picture.Size, scale);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    picture.Draw(p);
    p.end();
    return disabled ? Disabled(image) : image;
}

QImage MakeProgramIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);
    // A round green table with a fan of three cards.
    QRadialGradient felt(28, 26, 40);
    felt.setColorAt(0, QColor(60, 170, 100));
    felt.setColorAt(1, QColor(18, 90, 50));
    p.setPen(QPen(QColor(90, 55, 20), 3));
    p.setBrush(felt);
    p.drawEllipse(QRectF(3, 3, 58, 58));
    const int suits[3] = {2, 1, 3};
    for (int i = 0; i < 3; ++i) {
        p.save();
        p.translate(32, 44);
        p.rotate(-24 + i * 24);
        p.setPen(QPen(QColor(30, 30, 30), 1.2));
        p.setBrush(QColor(252, 252, 246));
        p.drawRoundedRect(QRectF(-10, -30, 20, 28), 2.5, 2.5);
        DrawSuit(p, suits[i], QRectF(-6, -23, 12, 12), SuitColour(suits[i]));
        p.restore();
    }
    p.end();
    return image;
}

QImage MakeTitlePicture() {
    QImage image(490, 93, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    // A fan of five cards at the left: a royal flush in spades.
    const int fan[5] = {22, 23, 24, 25, 13};
    for (int i = 0; i < 5; ++i) {
        const QImage clean = CardArt(100 + fan[i]);
        p.save();
        p.translate(70, 114);
        p.rotate(-32 + i * 16);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(QRectF(-22, -104, 44, 61), clean);
        p.restore();
    }
    // The name, in a warm gold with a dark outline and shadow.
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setPixelSize(62);
    font.setBold(true);
    font.setItalic(true);
    QPainterPath text;
    text.addText(128, 62, font, QStringLiteral("Tressalo"));
    p.translate(3, 3);
    p.fillPath(text, QColor(0, 0, 0, 110));
    p.translate(-3, -3);
    QLinearGradient gold(0, 14, 0, 64);
    gold.setColorAt(0, QColor(255, 240, 160));
    gold.setColorAt(0.5, QColor(232, 180, 40));
    gold.setColorAt(1, QColor(160, 100, 10));
    p.setPen(QPen(QColor(70, 35, 0), 2));
    p.setBrush(gold);
    p.drawPath(text);
    QFont small(QStringLiteral("DejaVu Sans"));
    small.setPixelSize(15);
    small.setBold(true);
    small.setLetterSpacing(QFont::AbsoluteSpacing, 2.5);
    QPainterPath subtitle;
    subtitle.addText(132, 86, small, QStringLiteral("SEVEN POKER SOLITAIRES"));
    p.setPen(QPen(QColor(0, 0, 0, 150), 2.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(subtitle);
    p.fillPath(subtitle, QColor(250, 246, 230));
    // Suit symbols to finish the line.
    for (int s = 0; s < 4; ++s)
        DrawSuit(p, s, QRectF(412 + s * 19, 72, 15, 15),
                 s >= 2 ? QColor(220, 40, 40) : QColor(250, 246, 230));
    p.end();
    return image;
}

QImage MakeGamePicture(int game) {
    switch (game) {
    case 0:
        return PokerSquares();
    case 1:
        return PokerShuffle();
    case 2:
        return PokerElimination();
    case 3:
        return PokerPuzzle();
    case 4:
        return PokerColumns();
    case 5:
        return PokerHoldem();
    default:
        return PokerYacht();
    }
}
