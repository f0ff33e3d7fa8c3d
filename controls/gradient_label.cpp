#include "controls/gradient_label.h"

#include "controls/gradient_fill.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStyle>

namespace controls {

namespace {

/// The label's version, one byte a part from the most significant down: 1.2.0.0.
constexpr quint32 versionNumber = 0x01020000;

/// Text flags that change a caption's measured width.
constexpr int measuringFlags = Qt::TextShowMnemonic | Qt::TextExpandTabs;

/// Pixels the left piece of a centred text's gap reaches further than the text.
constexpr int centredGapSlack = 3;

/// A band [from, to) across the vertical extent of `line`; nothing when empty.
QRegion piece(const QRect& line, int from, int to)
{
    if (to <= from) {
        return {};
    }
    return QRegion(from, line.top(), to - from, line.height());
}

} // namespace

GradientLabel::GradientLabel(QWidget* parent) : GradientLabel(QString(), parent) {}

GradientLabel::GradientLabel(const QString& caption, QWidget* parent)
    : QLabel(caption, parent), m_color(palette().color(QPalette::Window))
{
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setIndent(0);
}

void GradientLabel::setColor(const QColor& value)
{
    m_color = value;
    update();
}

void GradientLabel::setColorTo(const QColor& value)
{
    m_colorTo = value;
    update();
}

void GradientLabel::setEllipsType(TEllipsType value)
{
    if (m_ellipsType == value) {
        return;
    }
    m_ellipsType = value;
    update();
}

void GradientLabel::setGradientType(TGradientType value)
{
    m_gradientType = value;
    update();
}

void GradientLabel::setGradientDirection(TGradientDirection value)
{
    m_gradientDirection = value;
    update();
}

void GradientLabel::setLineWidth(int value)
{
    m_lineWidth = value;
    update();
}

void GradientLabel::setOrientation(TGradientOrientation value)
{
    m_orientation = value;
    update();
}

void GradientLabel::setTransparentText(bool value)
{
    m_transparentText = value;
    update();
}

void GradientLabel::setVAlignment(TVAlignment value)
{
    m_vAlignment = value;
    update();
}

void GradientLabel::setTransparent(bool value)
{
    m_transparent = value;
    update();
}

void GradientLabel::setShowAccelChar(bool value)
{
    m_showAccelChar = value;
    update();
}

QString GradientLabel::version() const
{
    return QStringLiteral("%1.%2.%3.%4")
        .arg((versionNumber >> 24) & 0xFF)
        .arg((versionNumber >> 16) & 0xFF)
        .arg((versionNumber >> 8) & 0xFF)
        .arg(versionNumber & 0xFF);
}

QRect GradientLabel::lineRect(const QRect& client, TGradientType type,
                              TGradientOrientation orientation, int lineWidth)
{
    // Edges with right and bottom just outside the area.
    int left = client.left();
    int top = client.top();
    int right = client.left() + client.width();
    int bottom = client.top() + client.height();
    if (orientation == TGradientOrientation::goHorizontal) {
        switch (type) {
        case TGradientType::gtBottomLine:
            top = bottom - lineWidth;
            break;
        case TGradientType::gtCenterLine:
            top = top + (bottom - top - lineWidth) / 2;
            bottom = top + lineWidth;
            break;
        case TGradientType::gtTopLine:
            bottom = top + lineWidth;
            break;
        case TGradientType::gtFullHorizontal:
        case TGradientType::gtFullVertical:
            break;
        }
    } else {
        switch (type) {
        case TGradientType::gtBottomLine:
            left = right - lineWidth;
            break;
        case TGradientType::gtCenterLine:
            left = left + (right - left - lineWidth) / 2;
            right = left + lineWidth;
            break;
        case TGradientType::gtTopLine:
            right = left + lineWidth;
            break;
        case TGradientType::gtFullHorizontal:
        case TGradientType::gtFullVertical:
            break;
        }
    }
    return {left, top, right - left, bottom - top};
}

QRegion GradientLabel::lineAroundText(const QRect& line, Qt::Alignment alignment, int indent,
                                      int textWidth)
{
    const int l = line.left();
    const int rt = line.left() + line.width(); // just right of the line
    if (alignment & Qt::AlignRight) {
        return piece(line, l, rt - textWidth - indent).united(piece(line, rt - indent, rt));
    }
    if (alignment & Qt::AlignHCenter) {
        const int margin = (rt - l - textWidth) / 2; // on each side of the text
        return piece(line, l, l + margin - centredGapSlack)
            .united(piece(line, l + textWidth + margin, rt));
    }
    return piece(line, l, l + indent).united(piece(line, l + indent + textWidth, rt));
}

QString GradientLabel::elideCaption(const QString& caption, const QFontMetrics& metrics, int width,
                                    TEllipsType type, int flags)
{
    const int measuring = flags & measuringFlags;
    if (type == TEllipsType::etNone || metrics.size(measuring, caption).width() <= width) {
        return caption;
    }
    const int eliding = flags & Qt::TextShowMnemonic;
    if (type == TEllipsType::etEndEllips) {
        return metrics.elidedText(caption, Qt::ElideRight, width, eliding);
    }
    // A path keeps its last part whole and loses the middle of what precedes it.
    const qsizetype separator =
        std::max(caption.lastIndexOf(QLatin1Char('\\')), caption.lastIndexOf(QLatin1Char('/')));
    if (separator > 0) {
        const QString last = caption.mid(separator);
        const int room = width - metrics.size(measuring, last).width();
        if (room > metrics.horizontalAdvance(QChar(0x2026))) {
            return metrics.elidedText(caption.left(separator), Qt::ElideRight, room, eliding) +
                   last;
        }
    }
    return metrics.elidedText(caption, Qt::ElideMiddle, width, eliding);
}

void GradientLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setFont(font());
    const int textWidth = fontMetrics().size(textFlags() & measuringFlags, text()).width();
    const bool lineType = m_gradientType != TGradientType::gtFullHorizontal &&
                          m_gradientType != TGradientType::gtFullVertical;
    const bool fullVertical = m_gradientType == TGradientType::gtFullVertical;
    const int steps = gradientSteps(fullVertical ? height() : width());
    // A line runs to white when the second colour is none.
    const QColor second = m_colorTo.isValid() ? m_colorTo : QColor(Qt::white);
    const bool leftToRight = m_gradientDirection == TGradientDirection::gdLeftToRight;
    const QColor start = leftToRight ? m_color : second;
    const QColor end = leftToRight ? second : m_color;

    if (!m_transparent) {
        if (!m_colorTo.isValid() || lineType) {
            painter.fillRect(rect(), m_color);
        } else {
            fillGradient(painter, rect(), start, end, steps,
                         fullVertical ? Qt::Vertical : Qt::Horizontal);
        }
    }
    if (lineType) {
        const QRect line = lineRect(rect(), m_gradientType, m_orientation, m_lineWidth);
        if (m_transparentText) {
            painter.setClipRegion(lineAroundText(line, drawnAlignment(), indent(), textWidth));
        }
        if (m_orientation == TGradientOrientation::goHorizontal) {
            fillGradient(painter, line, start, end, steps, Qt::Horizontal);
        } else {
            fillGradient(painter, line, end, start, steps, Qt::Vertical);
        }
        painter.setClipping(false);
    }
    drawCaption(painter, textWidth);
}

Qt::Alignment GradientLabel::drawnAlignment() const
{
    const Qt::Alignment drawn = QStyle::visualAlignment(layoutDirection(), alignment());
    if (drawn & Qt::AlignRight) {
        return Qt::AlignRight;
    }
    if (drawn & Qt::AlignHCenter) {
        return Qt::AlignHCenter;
    }
    return Qt::AlignLeft;
}

int GradientLabel::textFlags() const
{
    // The alignment's vertical part and VAlignment add up; centre wins over bottom.
    const Qt::Alignment layout = alignment() & Qt::AlignVertical_Mask;
    Qt::Alignment vertical = Qt::AlignTop;
    if (layout & Qt::AlignVCenter || m_vAlignment == TVAlignment::vaCenter) {
        vertical = Qt::AlignVCenter;
    } else if (layout & Qt::AlignBottom || m_vAlignment == TVAlignment::vaBottom) {
        vertical = Qt::AlignBottom;
    }
    int flags = static_cast<int>(drawnAlignment() | Qt::AlignAbsolute | vertical) |
                (wordWrap() ? Qt::TextWordWrap : Qt::TextSingleLine) | Qt::TextDontClip |
                Qt::TextExpandTabs;
    if (m_showAccelChar) {
        flags |= Qt::TextShowMnemonic;
    }
    return flags;
}

void GradientLabel::drawCaption(QPainter& painter, int textWidth) const
{
    const Qt::Alignment drawn = drawnAlignment();
    const bool horizontal = m_orientation == TGradientOrientation::goHorizontal;
    QRect area = rect();
    if (drawn == Qt::AlignLeft && horizontal) {
        area.setLeft(area.left() + indent());
    } else if (drawn == Qt::AlignLeft) {
        area.setBottom(area.bottom() - indent());
    } else if (drawn == Qt::AlignRight && horizontal) {
        area.setRight(area.right() - indent());
    } else if (drawn == Qt::AlignRight) {
        area.setTop(area.top() + indent());
    }
    const int flags = textFlags();
    const QString shown =
        wordWrap() ? text()
                   : elideCaption(text(), fontMetrics(), area.width(), m_ellipsType, flags);

    if (!isEnabled()) {
        // Engraved: a highlight one pixel right and down, the shadow over it.
        painter.setPen(palette().color(QPalette::Light));
        painter.drawText(area.translated(1, 1), flags, shown);
        painter.setPen(palette().color(QPalette::Dark));
        painter.drawText(area, flags, shown);
        return;
    }
    painter.setPen(palette().color(foregroundRole()));
    if (horizontal) {
        painter.drawText(area, flags, shown);
        return;
    }
    // Turned 90 degrees counter-clockwise: the text runs upwards from (x, y), its top to the
    // left. Right and bottom are taken just outside the area.
    const int textHeight = fontMetrics().height();
    const int right = area.left() + area.width();
    const int bottom = area.top() + area.height();
    const Qt::Alignment layout = alignment() & Qt::AlignVertical_Mask;
    int x = area.left();
    if (layout & Qt::AlignVCenter) {
        x = (right - area.left()) / 2 - textHeight / 2;
    } else if (layout & Qt::AlignBottom) {
        x = right - textHeight;
    }
    int y = bottom;
    if (drawn == Qt::AlignRight) {
        y = area.top() + textWidth;
    } else if (drawn == Qt::AlignHCenter) {
        y = textWidth / 2 + (bottom - area.top()) / 2;
    }
    painter.save();
    painter.translate(x, y);
    painter.rotate(-90);
    painter.drawText(QPoint(0, fontMetrics().ascent()), text());
    painter.restore();
}

} // namespace controls
