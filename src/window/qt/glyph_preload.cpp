#include "window/qt/glyph_preload.hpp"

#include <QBackingStore>
#include <QImage>
#include <QPainter>
#include <QWidget>

#include <cmath>

namespace torvanel {
namespace {

// The toolkit keeps a glyph at a few fractions of a pixel (four at most today);
// sixteenths cover every such choice.
constexpr int kSubPixelSteps = 16;

// The glyph cache is chosen by the target's pixel format, so the image gets the
// format of the window's own buffer where there is one.
QImage::Format buffer_format(const QWidget& widget)
{
    QBackingStore* store = widget.window()->backingStore();
    QPaintDevice* device = store != nullptr ? store->paintDevice() : nullptr;
    if (device != nullptr && device->devType() == QInternal::Image) {
        return static_cast<const QImage*>(device)->format();
    }
    return QImage::Format_RGB32;
}

} // namespace

void preload_glyphs(const QWidget& widget, QStringView characters)
{
    const qreal ratio = widget.devicePixelRatioF();
    const int cell = 2 * widget.fontMetrics().height();
    QImage image(QSize(cell, cell) * ratio, buffer_format(widget));
    image.setDevicePixelRatio(ratio);
    // The font is sized for the image's resolution: the widget's, so that the same
    // font engine is used.
    image.setDotsPerMeterX(static_cast<int>(std::lround(widget.logicalDpiX() / 0.0254)));
    image.setDotsPerMeterY(static_cast<int>(std::lround(widget.logicalDpiY() / 0.0254)));
    QPainter painter(&image);
    painter.setFont(widget.font());
    for (const QChar character : characters) {
        for (int step = 0; step < kSubPixelSteps; ++step) {
            const qreal offset = static_cast<qreal>(step) / (kSubPixelSteps * ratio);
            painter.drawText(QPointF(offset, cell / 2.0), QString(character));
        }
    }
}

} // namespace torvanel
