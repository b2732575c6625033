#include "artcommon.h"

#include <QFontDatabase>
#include <QPainter>
#include <QTransform>

namespace cardart {

namespace {

// Boolean operations flatten curves at a fixed tolerance, so shapes one unit
// tall are joined at a thousand times their size and scaled back.
QPainterPath Unite(const QPainterPath& a, const QPainterPath& b) {
    const QTransform up = QTransform::fromScale(1000, 1000);
    const QTransform down = QTransform::fromScale(0.001, 0.001);
    return down.map(up.map(a).united(up.map(b)));
}

QPainterPath Heart() {
    QPainterPath path;
    path.moveTo(0, 0.5);
    path.cubicTo(-0.13, 0.33, -0.5, 0.12, -0.5, -0.18);
    path.cubicTo(-0.5, -0.38, -0.36, -0.5, -0.25, -0.5);
    path.cubicTo(-0.12, -0.5, -0.03, -0.42, 0, -0.3);
    path.cubicTo(0.03, -0.42, 0.12, -0.5, 0.25, -0.5);
    path.cubicTo(0.36, -0.5, 0.5, -0.38, 0.5, -0.18);
    path.cubicTo(0.5, 0.12, 0.13, 0.33, 0, 0.5);
    path.closeSubpath();
    return path;
}

// The flared stem shared by spades and clubs, from the body down to the foot.
QPainterPath Stem(double top) {
    QPainterPath path;
    path.moveTo(0.035, top);
    path.cubicTo(0.045, 0.37, 0.12, 0.46, 0.21, 0.5);
    path.lineTo(-0.21, 0.5);
    path.cubicTo(-0.12, 0.46, -0.045, 0.37, -0.035, top);
    path.closeSubpath();
    return path;
}

QPainterPath Spade() {
    QPainterPath body;
    body.moveTo(0, -0.5);
    body.cubicTo(0.13, -0.32, 0.5, -0.15, 0.5, 0.1);
    body.cubicTo(0.5, 0.27, 0.37, 0.36, 0.25, 0.36);
    body.cubicTo(0.13, 0.36, 0.05, 0.3, 0.0, 0.2);
    body.cubicTo(-0.05, 0.3, -0.13, 0.36, -0.25, 0.36);
    body.cubicTo(-0.37, 0.36, -0.5, 0.27, -0.5, 0.1);
    body.cubicTo(-0.5, -0.15, -0.13, -0.32, 0, -0.5);
    body.closeSubpath();
    return Unite(body, Stem(0.15));
}

QPainterPath Club() {
    const double r = 0.235;
    QPainterPath path;
    path.addEllipse(QPointF(0, -0.5 + r), r, r);
    path.addEllipse(QPointF(-0.5 + r, 0.08), r, r);
    path.addEllipse(QPointF(0.5 - r, 0.08), r, r);
    path.addEllipse(QPointF(0, 0.02), 0.13, 0.13);
    path.setFillRule(Qt::WindingFill);
    return Unite(path, Stem(0.1));
}

QPainterPath Diamond() {
    QPainterPath path;
    path.moveTo(0, -0.5);
    path.quadTo(0.17, -0.21, 0.39, 0);
    path.quadTo(0.17, 0.21, 0, 0.5);
    path.quadTo(-0.17, 0.21, -0.39, 0);
    path.quadTo(-0.17, -0.21, 0, -0.5);
    path.closeSubpath();
    return path;
}

QString LoadFamily(const char* file, const char* fallback) {
    const int id = QFontDatabase::addApplicationFont(
        QStringLiteral("/usr/share/fonts/truetype/dejavu/") + QLatin1String(file));
    if (id >= 0) {
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        if (!families.isEmpty())
            return families.first();
    }
    return QLatin1String(fallback);
}

} // namespace

QPainterPath SuitPath(int suit) {
    static const QPainterPath paths[4] = {Club(), Spade(), Diamond(), Heart()};
    return paths[suit & 3];
}

double SuitAspect(int suit) {
    return suit == Diamonds ? 0.78 : 1.0;
}

void DrawSuit(QPainter& p, int suit, QPointF centre, double height, bool turned) {
    p.save();
    p.translate(centre);
    if (turned)
        p.rotate(180);
    p.scale(height, height);
    p.fillPath(SuitPath(suit), SuitColour(suit));
    p.restore();
}

QFont IndexFont() {
    static const QString family = LoadFamily("DejaVuSerif-Bold.ttf", "DejaVu Serif");
    QFont font(family);
    font.setPixelSize(100);
    font.setBold(true);
    return font;
}

QFont TitleFont() {
    static const QString family = LoadFamily("DejaVuSans-Bold.ttf", "DejaVu Sans");
    QFont font(family);
    font.setPixelSize(100);
    font.setBold(true);
    return font;
}

QPainterPath FittedText(const QString& text, const QFont& font, double centreX, double top,
                        double capHeight, double maxWidth) {
    QPainterPath capital;
    capital.addText(0, 0, font, QStringLiteral("H"));
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF bounds = path.boundingRect();
    const double sy = capHeight / capital.boundingRect().height();
    double sx = sy;
    if (bounds.width() * sx > maxWidth)
        sx = maxWidth / bounds.width();
    QTransform t;
    t.translate(centreX - bounds.center().x() * sx, top + capHeight);
    t.scale(sx, sy);
    return t.map(path);
}

QImage KeyedImage(const QImage& layer) {
    const QImage source = layer.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QImage out(source.size(), QImage::Format_RGB32);
    const QRgb key = KeyColour.rgb();
    for (int y = 0; y < source.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < source.width(); ++x) {
            if (qAlpha(in[x]) < 128) {
                line[x] = key;
                continue;
            }
            QRgb colour = qUnpremultiply(in[x]) | 0xFF000000u;
            if (colour == key)
                colour = qRgb(254, 0, 255);
            line[x] = colour;
        }
    }
    out.setDevicePixelRatio(layer.devicePixelRatio());
    return out;
}

QPainterPath CardOutline(QSizeF size, double radius) {
    QPainterPath path;
    path.addRoundedRect(QRectF(QPointF(0, 0), size), radius, radius);
    return path;
}

} // namespace cardart
