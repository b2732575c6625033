#include "colorvalue.h"

#include <QGuiApplication>
#include <QPalette>

namespace {

// The system colour indices and the palette colours that stand for them.
QColor SystemColor(int index) {
    const QPalette palette = QGuiApplication::palette();
    switch (index) {
    case 1:
        return palette.color(QPalette::Dark); // desktop
    case 4:
        return palette.color(QPalette::Window); // menu
    case 5:
        return palette.color(QPalette::Base); // window
    case 6:
        return palette.color(QPalette::Shadow); // window frame
    case 7:
        return palette.color(QPalette::WindowText); // menu text
    case 8:
        return palette.color(QPalette::Text); // window text
    case 13:
        return palette.color(QPalette::Highlight); // highlight
    case 14:
        return palette.color(QPalette::HighlightedText); // highlight text
    case 16:
        return palette.color(QPalette::Dark); // button shadow
    case 17:
        return QColor(128, 128, 128); // grey text
    case 18:
        return palette.color(QPalette::ButtonText); // button text
    case 20:
        return palette.color(QPalette::Light); // button highlight
    case 21:
        return palette.color(QPalette::Shadow); // 3D dark shadow
    case 22:
        return palette.color(QPalette::Midlight); // 3D light
    case 23:
        return palette.color(QPalette::ToolTipText); // info text
    case 24:
        return palette.color(QPalette::ToolTipBase); // info background
    default:
        return palette.color(QPalette::Button); // button face
    }
}

} // namespace

bool IsSystemColorValue(int value) {
    return (value & SystemColorFlag) != 0;
}

QColor ColorFromValue(int value) {
    if (IsSystemColorValue(value))
        return SystemColor(value & 0xFF);
    const auto bits = static_cast<unsigned>(value);
    return QColor(static_cast<int>(bits & 0xFF), static_cast<int>((bits >> 8) & 0xFF),
                  static_cast<int>((bits >> 16) & 0xFF));
}

int ValueFromColor(const QColor& color) {
    const QColor rgb = color.toRgb();
    return rgb.red() | (rgb.green() << 8) | (rgb.blue() << 16);
}
