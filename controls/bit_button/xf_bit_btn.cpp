#include "controls/bit_button/xf_bit_btn.h"

#include "controls/bit_button/classic_frame.h"

#include <QApplication>
#include <QEnterEvent>
#include <QPainter>

namespace controls {

namespace {

constexpr QSize leastSize{75, 25}; // pixels, the forms' buttons
constexpr int captionPadding = 8;  // pixels between a long caption and each side
constexpr int focusInset = 4;      // pixels from the edge to the focus rectangle
constexpr QPoint pressedShift{1, 1};

} // namespace

TXFBitBtn::TXFBitBtn(const QString& caption, QWidget* parent)
    : QPushButton(caption, parent), m_gradient(new TXFGradientButton(this))
{
    setAttribute(Qt::WA_OpaquePaintEvent); // every pixel is drawn
    connect(m_gradient, &TXFGradient::changed, this, qOverload<>(&QWidget::update));
    // The active default of a window follows the focus among its buttons.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
        if ((old != nullptr && old->window() == window()) ||
            (now != nullptr && now->window() == window())) {
            update();
        }
    });
}

void TXFBitBtn::setGradient(const TXFGradient& value)
{
    m_gradient->Change(&value); // announces a real change, which repaints
}

void TXFBitBtn::setFine(bool value)
{
    if (m_fine != value) {
        m_fine = value;
        update();
    }
}

void TXFBitBtn::setFlatFace(bool value)
{
    if (m_flat != value) {
        m_flat = value;
        update();
    }
}

void TXFBitBtn::setGlyphLayout(TButtonLayout value)
{
    m_layout = value;
    update();
}

void TXFBitBtn::setMargin(int value)
{
    m_margin = value;
    update();
}

void TXFBitBtn::setSpacing(int value)
{
    m_spacing = value;
    update();
}

void TXFBitBtn::setWordWrap(bool value)
{
    m_wordWrap = value;
    updateGeometry();
    update();
}

bool TXFBitBtn::isActiveDefault() const
{
    const QWidget* focus = window()->focusWidget();
    if (qobject_cast<const QPushButton*>(focus) != nullptr) {
        return focus == this;
    }
    return isDefault();
}

QSize TXFBitBtn::sizeHint() const
{
    const QSize caption = fontMetrics().size(Qt::TextShowMnemonic, text());
    const QSize glyph = icon().isNull() ? QSize(0, 0) : iconSize();
    const int between = glyph.isEmpty() || caption.isEmpty() ? 0 : std::max(m_spacing, 0);
    return {
        std::max(leastSize.width(), glyph.width() + between + caption.width() + 2 * captionPadding),
        std::max(leastSize.height(), std::max(glyph.height(), caption.height()) + captionPadding)};
}

void TXFBitBtn::paintEvent(QPaintEvent*)
{
    if (size().isEmpty()) {
        return;
    }
    QPainter painter(this);
    painter.drawImage(0, 0, picture());
}

void TXFBitBtn::enterEvent(QEnterEvent* event)
{
    QPushButton::enterEvent(event);
    setMouseInControl(true);
}

void TXFBitBtn::leaveEvent(QEvent* event)
{
    QPushButton::leaveEvent(event);
    setMouseInControl(false);
}

void TXFBitBtn::setMouseInControl(bool value)
{
    if (m_mouseInControl == value) {
        return;
    }
    m_mouseInControl = value;
    if (m_gradient->IsHotActive()) {
        update();
    }
}

QImage TXFBitBtn::picture() const
{
    const QPalette& colours = palette();
    QImage image(size(), QImage::Format_RGB32);
    image.fill(colorToRgb(clBtnFace, colours));
    const bool hot = m_mouseInControl && isEnabled();
    const bool down = isDown();
    const bool focused = hasFocus();
    const bool activeDefault = isActiveDefault();
    const bool focusOrDefault = activeDefault || focused;

    // The frame: black around the active default, then pressed or raised.
    QRect client = image.rect();
    if (focusOrDefault) {
        drawOutline(image, client, colorToRgb(clWindowFrame, colours));
        client.adjust(1, 1, -1, -1);
    }
    if (down) {
        drawFilledOutline(image, client, colorToRgb(clBtnShadow, colours),
                          colorToRgb(clBtnFace, colours));
        client.adjust(1, 1, -1, -1);
    } else {
        drawPushFrame(image, client, colours);
        client.adjust(2, 2, -2, -2);
    }
    if (activeDefault) {
        client = image.rect().adjusted(1, 1, -1, -1);
    }

    drawGlyphAndCaption(image, client, down);
    if (m_gradient->active()) {
        XFCanvas canvas{image, colours};
        drawFace(canvas, hot, down, focusOrDefault);
    }
    if (activeDefault && focused) {
        drawFocusRect(image,
                      image.rect().adjusted(focusInset, focusInset, -focusInset, -focusInset));
    }
    return image;
}

void TXFBitBtn::drawGlyphAndCaption(QImage& image, const QRect& client, bool down) const
{
    const QIcon glyph = icon();
    const QSize glyphSize = glyph.isNull() ? QSize(0, 0) : iconSize();
    const int flags = captionFlags();
    const QSize captionSize =
        text().isEmpty()
            ? QSize(0, 0)
            : fontMetrics().boundingRect(QRect(0, 0, client.width(), 0), flags, text()).size();
    const GlyphPlacement place =
        placeGlyphAndCaption(client, glyphSize, captionSize, m_layout, m_margin, m_spacing,
                             isRightToLeft(), down ? pressedShift : QPoint());

    QPainter painter(&image);
    painter.setFont(font());
    painter.setLayoutDirection(layoutDirection());
    if (!glyph.isNull()) {
        const QIcon::Mode mode = !isEnabled() ? QIcon::Disabled
                                 : down       ? QIcon::Active
                                              : QIcon::Normal;
        painter.drawPixmap(place.glyph, glyph.pixmap(glyphSize, 1.0, mode));
    }
    if (text().isEmpty()) {
        return;
    }
    const QPalette& colours = palette();
    if (isEnabled()) {
        painter.setPen(colours.color(QPalette::ButtonText));
    } else {
        // Embossed: a highlight a pixel down and right, the shadow over it.
        painter.setPen(colorToRgb(clBtnHighlight, colours));
        painter.drawText(place.caption.translated(1, 1), flags, text());
        painter.setPen(colorToRgb(clBtnShadow, colours));
    }
    painter.drawText(place.caption, flags, text());
}

void TXFBitBtn::drawFace(XFCanvas& canvas, bool hot, bool down, bool focusOrDefault) const
{
    const QRect client = canvas.image.rect();
    const int frame = focusOrDefault ? 1 : 0; // the active default's black frame
    if (m_fine && m_flat) {
        drawEdge(canvas.image, client.adjusted(frame, frame, -frame, -frame),
                 down ? EdgeStyle::SunkenOuter : EdgeStyle::RaisedInner, palette());
    }
    // Bevel and space widths of each look: how much of the frame stays, and how far in what was
    // drawn is kept over the gradient.
    if (m_fine) {
        m_gradient->FillBack(canvas, client, clBtnFace, 1 + frame, 1, hot, down, false);
    } else if (m_flat) {
        m_gradient->FillBack(canvas, client, clBtnFace, frame, 2, hot, down, false);
    } else {
        m_gradient->FillBack(canvas, client, clBtnFace, focusOrDefault && !down ? 3 : 2,
                             focusOrDefault && down ? 1 : 0, hot, down, !down);
    }
}

int TXFBitBtn::captionFlags() const
{
    return Qt::AlignCenter | Qt::TextShowMnemonic | (m_wordWrap ? Qt::TextWordWrap : 0);
}

} // namespace controls
