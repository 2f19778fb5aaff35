#include "window/qt/glyph_preload.hpp"

#include <QImage>
#include <QPainter>
#include <QWidget>

#include <cmath>

namespace torvanel {
namespace {

// The toolkit keeps a glyph at a few fractions of a pixel (four at most today);
// sixteenths cover every such choice.
constexpr int kSubPixelSteps = 16;

} // namespace

void preload_glyphs(const QWidget& widget, QStringView characters)
{
    const QString text = characters.toString();
    const qreal ratio = widget.devicePixelRatioF();
    const int height = 2 * widget.fontMetrics().height();
    const int width = widget.fontMetrics().horizontalAdvance(text) + 2;
    // The glyph cache follows the font engine, not the image's pixel format; the font
    // is sized for the image's resolution, so that resolution is the widget's.
    QImage image(QSize(width, height) * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.setDotsPerMeterX(static_cast<int>(std::lround(widget.logicalDpiX() / 0.0254)));
    image.setDotsPerMeterY(static_cast<int>(std::lround(widget.logicalDpiY() / 0.0254)));
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setFont(widget.font());
    // Each glyph of the line lands on every sixteenth of a pixel once.
    for (int step = 0; step < kSubPixelSteps; ++step) {
        const qreal offset = static_cast<qreal>(step) / (kSubPixelSteps * ratio);
        painter.drawText(QPointF(offset, height / 2.0), text);
    }
}

} // namespace torvanel
