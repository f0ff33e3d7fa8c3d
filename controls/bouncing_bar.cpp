#include "controls/bouncing_bar.h"

#include "controls/rounding.h"

#include <QPaintEvent>
#include <QPainter>
#include <QThread>

namespace controls {

namespace {

const QColor defaultColor(0x8C, 0xC6, 0xC6);
const QColor defaultTickColor(0x40, 0x80, 0x80);
constexpr int defaultTickWidth = 20;
constexpr int defaultTickJump = 3;

/// Low 8 bits of the nearest integer to a channel value.
int channel(double value)
{
    return roundHalfEven(value) & 0xFF;
}

} // namespace

std::vector<QRgb> tickColumnColours(const QColor& base, const QColor& tick, int width)
{
    if (width <= 0) {
        return {};
    }
    std::vector<QRgb> columns(static_cast<std::size_t>(width));
    // Change of each channel per column, in [-510, 510] / width, so that the centre column
    // reaches the tick colour.
    const double sr = (tick.red() - base.red()) / static_cast<double>(width) * 2;
    const double sg = (tick.green() - base.green()) / static_cast<double>(width) * 2;
    const double sb = (tick.blue() - base.blue()) / static_cast<double>(width) * 2;
    const int half = width / 2;
    const auto put = [&columns](int x, QRgb colour) {
        if (x < static_cast<int>(columns.size())) {
            columns[static_cast<std::size_t>(x)] = colour;
        }
    };
    // Left half, x in [0, half]: from the base colour towards the tick colour.
    for (int i = 0; i <= half; ++i) {
        put(i, qRgb(channel(base.red() + sr * i), channel(base.green() + sg * i),
                    channel(base.blue() + sb * i)));
    }
    // Right half, x in [half, 2 * half]: from the tick colour back towards the base colour; the
    // centre column is drawn twice and keeps the tick colour.
    for (int i = 0; i <= half; ++i) {
        put(half + i, qRgb(channel(tick.red() - sr * i), channel(tick.green() - sg * i),
                           channel(tick.blue() - sb * i)));
    }
    return columns;
}

BouncingBar::BouncingBar(QWidget* parent)
    : QWidget(parent), FColor(defaultColor), FTickColor(defaultTickColor),
      FTickWidth(defaultTickWidth), FTickJump(defaultTickJump), FTickCount(1),
      FStyle(TtprProgressStyle::tprDefault), EdgePos(-defaultTickWidth),
      FInternTickJump(defaultTickJump)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    fitSurface();
}

void BouncingBar::setColor(const QColor& value)
{
    FColor = value;
    buildTickImage();
    clearSurface();
}

void BouncingBar::setTickColor(const QColor& value)
{
    FTickColor = value;
    buildTickImage();
    clearSurface();
}

void BouncingBar::setTickWidth(int value)
{
    if (value <= 0 || value > width()) {
        return;
    }
    FTickWidth = value;
    buildTickImage();
    clearSurface();
}

void BouncingBar::setTickJump(int value)
{
    if (value <= 0 || value > width()) {
        return;
    }
    FTickJump = value;
    FInternTickJump = FInternTickJump <= 0 ? -value : value;
}

void BouncingBar::setTickCount(int value)
{
    if (value <= 0) {
        return;
    }
    FTickCount = value;
}

void BouncingBar::setProgressStyle(TtprProgressStyle value)
{
    FStyle = value;
    EdgePos = value == TtprProgressStyle::tprBouncer ? 1 : -FTickWidth;
    FInternTickJump = FTickJump;
}

void BouncingBar::Tick()
{
    fitSurface();
    if (!TickBMP) {
        buildTickImage();
    }
    const int w = FTickWidth;
    for (int n = 0; n < FTickCount; ++n) {
        const int before = EdgePos;
        if (FStyle == TtprProgressStyle::tprBouncer) {
            if (FInternTickJump > 0) {
                fillStrip(EdgePos, EdgePos + FInternTickJump);
            } else {
                fillStrip(EdgePos + w + FInternTickJump, EdgePos + w);
            }
            EdgePos += FInternTickJump;
            if (EdgePos >= width() - w) {
                FInternTickJump = -FTickJump;
            }
            if (EdgePos <= 0) {
                FInternTickJump = FTickJump;
            }
        } else {
            fillStrip(EdgePos, EdgePos + FInternTickJump);
            EdgePos += FInternTickJump;
            if (EdgePos >= width()) {
                EdgePos = FInternTickJump - w;
            }
        }
        if (!FSurface.isNull()) {
            QPainter painter(&FSurface);
            painter.drawImage(EdgePos, 0, *TickBMP);
        }
        // The old and the new place of the tick, so the screen shows the strip just wiped.
        repaint(QRect(before, 0, w, height()).united(QRect(EdgePos, 0, w, height())));
        QThread::msleep(1);
    }
}

void BouncingBar::paintEvent(QPaintEvent* event)
{
    fitSurface();
    QPainter painter(this);
    painter.drawImage(event->rect(), FSurface, event->rect());
}

void BouncingBar::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    fitSurface();
    buildTickImage();
    clearSurface();
}

void BouncingBar::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    clearSurface();
}

void BouncingBar::buildTickImage()
{
    const int w = FTickWidth;
    QImage image(w, height(), QImage::Format_RGB32);
    if (!image.isNull()) {
        const std::vector<QRgb> columns = tickColumnColours(FColor, FTickColor, w);
        for (int y = 0; y < image.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            std::copy(columns.begin(), columns.end(), line);
        }
    }
    TickBMP = image;
    EdgePos = -w;
}

void BouncingBar::fitSurface()
{
    if (FSurface.size() != size()) {
        FSurface = QImage(size(), QImage::Format_RGB32);
        FSurface.fill(FColor);
    }
}

void BouncingBar::clearSurface()
{
    FSurface.fill(FColor);
    update();
}

void BouncingBar::fillStrip(int from, int to)
{
    if (FSurface.isNull()) {
        return;
    }
    QPainter painter(&FSurface);
    painter.fillRect(QRect(QPoint(from, 0), QPoint(to - 1, height() - 1)), FColor);
}

} // namespace controls
