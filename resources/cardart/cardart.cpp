#include "cardart.h"

#include "artcommon.h"

#include <QPainter>

namespace cardart {

CardSpec SpecFor(bool small) {
    if (small)
        return {QSizeF(45, 63), true, 3.5, 1.0};
    return {QSizeF(72, 100), false, 5.0, 1.0};
}

QImage RenderArt(int resource, bool small, int scale) {
    const CardSpec spec = SpecFor(small);
    QImage layer((spec.size * scale).toSize(), QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    {
        QPainter p(&layer);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(scale, scale);
        if (resource < JokerResource) {
            const int number = resource - FirstResource;
            DrawCardBlank(p, spec);
            DrawFace(p, spec, number / 13, number % 13);
        } else if (resource == JokerResource) {
            DrawCardBlank(p, spec);
            DrawJoker(p, spec);
        } else if (resource < FirstMarkResource) {
            DrawBack(p, spec, resource - FirstBackResource);
        } else {
            DrawMark(p, spec, resource - FirstMarkResource);
        }
    }
    QImage image = KeyedImage(layer);
    image.setDevicePixelRatio(scale);
    return image;
}

} // namespace cardart
