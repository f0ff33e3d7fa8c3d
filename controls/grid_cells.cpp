#include "controls/grid_cells.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QStyle>
#include <QTextOption>

namespace controls {
namespace {

/// Room for a few pages of a wide grid.
constexpr int kKeptTexts = 4096;
constexpr int kKeptCutTexts = 512;

/// The key of a text cut to `width`: the width, then the text, so that no two pairs share one.
QString cutKey(const QString& text, int width)
{
    return QString::number(width) + u':' + text;
}

/// A cell shows one line: line breaks in a value show as blanks.
QString oneLine(QString text)
{
    for (QChar& c : text) {
        if (c == u'\n' || c == u'\r' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            c = u' ';
    }
    return text;
}

QStaticText* laidOutText(const QString& text, const QFont& font, Qt::LayoutDirection direction)
{
    auto* laidOut = new QStaticText(text);
    laidOut->setTextFormat(Qt::PlainText);
    QTextOption option;
    option.setTextDirection(direction);
    option.setWrapMode(QTextOption::NoWrap);
    laidOut->setTextOption(option);
    laidOut->setPerformanceHint(QStaticText::AggressiveCaching);
    laidOut->prepare(QTransform(), font);
    return laidOut;
}

} // namespace

GridCellDelegate::GridCellDelegate(QObject* parent)
    : QStyledItemDelegate(parent), m_texts(kKeptTexts), m_cutTexts(kKeptCutTexts)
{
}

const QStaticText& GridCellDelegate::laidOut(const QString& text, int width, const QFont& font,
                                             Qt::LayoutDirection direction) const
{
    if (font != m_font || direction != m_direction) {
        m_texts.clear();
        m_cutTexts.clear();
        m_font = font;
        m_direction = direction;
    }
    QStaticText* whole = m_texts.object(text);
    if (whole == nullptr) {
        whole = laidOutText(oneLine(text), font, direction);
        m_texts.insert(text, whole);
    }
    if (whole->size().width() <= width)
        return *whole;
    const QString key = cutKey(text, width);
    QStaticText* cut = m_cutTexts.object(key);
    if (cut == nullptr) {
        const QString shortened =
            QFontMetrics(font).elidedText(oneLine(text), Qt::ElideRight, width);
        cut = laidOutText(shortened, font, direction);
        m_cutTexts.insert(key, cut);
    }
    return *cut;
}

void GridCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const
{
    const QPalette::ColorGroup group = !(option.state & QStyle::State_Enabled)  ? QPalette::Disabled
                                       : !(option.state & QStyle::State_Active) ? QPalette::Inactive
                                                                                : QPalette::Active;
    const bool selected = option.state & QStyle::State_Selected;
    painter->save();
    if (selected) {
        painter->fillRect(option.rect, option.palette.brush(group, QPalette::Highlight));
    } else {
        const QVariant background = index.data(Qt::BackgroundRole);
        if (background.canConvert<QBrush>())
            painter->fillRect(option.rect, qvariant_cast<QBrush>(background));
    }

    const QString text = index.data(Qt::DisplayRole).toString();
    const QRect textRect = option.rect.adjusted(kTextMargin, 0, -kTextMargin, 0);
    if (!text.isEmpty() && textRect.width() > 0) {
        const QStaticText& shown = laidOut(text, textRect.width(), option.font, option.direction);
        const QSizeF size = shown.size();
        // At the reading order's start (the right edge in right-to-left reading), centred as
        // the style centres a line.
        const qreal x = option.direction == Qt::RightToLeft
                            ? textRect.left() + textRect.width() - size.width()
                            : textRect.left();
        const int y = textRect.top() + (textRect.height() - int(size.height())) / 2;
        if (size.width() > textRect.width() || size.height() > textRect.height())
            painter->setClipRect(textRect, Qt::IntersectClip);
        painter->setFont(option.font);
        painter->setPen(
            option.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
        painter->drawStaticText(QPointF(x, y), shown);
    }
    painter->restore();

    if (option.state & QStyle::State_HasFocus) {
        QStyleOptionFocusRect frame;
        frame.QStyleOption::operator=(option);
        frame.state |= QStyle::State_KeyboardFocusChange | QStyle::State_Item;
        frame.backgroundColor =
            option.palette.color(group, selected ? QPalette::Highlight : QPalette::Window);
        QStyle* style = option.widget ? option.widget->style() : QApplication::style();
        style->drawPrimitive(QStyle::PE_FrameFocusRect, &frame, painter, option.widget);
    }
}

} // namespace controls
