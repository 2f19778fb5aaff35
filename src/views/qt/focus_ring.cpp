#include "views/qt/focus_ring.hpp"

#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QRegion>

namespace torvanel {
namespace {

constexpr int kWidth = 2;
const QColor kColour(0, 0, 139);

} // namespace

FocusRing::FocusRing(QWidget& window) : QWidget(&window), window_(window)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { follow(now); });
}

void FocusRing::follow(QWidget* focused)
{
    if (target_ != nullptr) {
        target_->removeEventFilter(this);
    }
    target_ = focused != nullptr && focused->parentWidget() == &window_ ? focused : nullptr;
    if (target_ == nullptr) {
        hide();
        return;
    }
    target_->installEventFilter(this);
    setGeometry(target_->geometry().adjusted(-kWidth, -kWidth, kWidth, kWidth));
    // Only the ring itself: the control inside repaints without the ring.
    setMask(QRegion(rect()).subtracted(QRegion(rect().adjusted(kWidth, kWidth, -kWidth, -kWidth))));
    setVisible(target_->isVisible());
    raise();
}

bool FocusRing::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == target_ && (event->type() == QEvent::Move || event->type() == QEvent::Resize ||
                               event->type() == QEvent::Show || event->type() == QEvent::Hide)) {
        follow(target_);
    }
    return false;
}

void FocusRing::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(QPen(kColour, kWidth));
    painter.drawRect(QRectF(rect()).adjusted(kWidth / 2.0, kWidth / 2.0, -kWidth / 2.0, -kWidth / 2.0));
}

} // namespace torvanel
