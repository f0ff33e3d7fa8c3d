#pragma once

#include <QColor>
#include <QLabel>
#include <QRegion>

class QFontMetrics;

namespace controls {

/// The colour value that turns a gradient label's area gradient off (an invalid colour).
inline const QColor clNone;

/// A caption label that paints a colour gradient behind its text: across its whole area, left to
/// right or top to bottom, or as a line along its bottom, centre or top. It keeps the label's
/// caption (text()), font, alignment (its horizontal part the text's alignment, its vertical part
/// the layout), word wrap, enabled state and reading order (layoutDirection()); the text is
/// always plain. In right-to-left reading a left alignment stands at the right edge, and the
/// indent and the line's gap for the text follow the text there. indent() is kept between the
/// text and the edge it is aligned to. Ellipses apply to a single-line caption only.
class GradientLabel : public QLabel {
    Q_OBJECT
    Q_PROPERTY(QColor Color READ color WRITE setColor)
    Q_PROPERTY(QColor ColorTo READ colorTo WRITE setColorTo)
    Q_PROPERTY(TEllipsType EllipsType READ ellipsType WRITE setEllipsType)
    Q_PROPERTY(TGradientType GradientType READ gradientType WRITE setGradientType)
    Q_PROPERTY(
        TGradientDirection GradientDirection READ gradientDirection WRITE setGradientDirection)
    Q_PROPERTY(int LineWidth READ lineWidth WRITE setLineWidth)
    Q_PROPERTY(TGradientOrientation Orientation READ orientation WRITE setOrientation)
    Q_PROPERTY(bool TransparentText READ transparentText WRITE setTransparentText)
    Q_PROPERTY(TVAlignment VAlignment READ vAlignment WRITE setVAlignment)
    Q_PROPERTY(bool Transparent READ transparent WRITE setTransparent)
    Q_PROPERTY(bool ShowAccelChar READ showAccelChar WRITE setShowAccelChar)
    Q_PROPERTY(QString Version READ version CONSTANT)

public:
    /// No ellipsis, an ellipsis at the end, or one in the middle that keeps a path's last part.
    enum class TEllipsType { etNone, etEndEllips, etPathEllips };
    Q_ENUM(TEllipsType)
    /// What is shaded: the whole area left to right or top to bottom, or a line.
    enum class TGradientType {
        gtFullHorizontal,
        gtFullVertical,
        gtBottomLine,
        gtCenterLine,
        gtTopLine
    };
    Q_ENUM(TGradientType)
    /// Which end carries Color: left (top), or right (bottom).
    enum class TGradientDirection { gdLeftToRight, gdRightToLeft };
    Q_ENUM(TGradientDirection)
    /// Horizontal text and lines, or text turned 90 degrees counter-clockwise and lines along the
    /// left and right edges.
    enum class TGradientOrientation { goHorizontal, goVertical };
    Q_ENUM(TGradientOrientation)
    /// Vertical placement of the text, added to that of the alignment's vertical part.
    enum class TVAlignment { vaTop, vaCenter, vaBottom };
    Q_ENUM(TVAlignment)

    explicit GradientLabel(QWidget* parent = nullptr);
    explicit GradientLabel(const QString& caption, QWidget* parent = nullptr);

    /// First colour of the gradient and the fill of the line types; the window colour until set.
    QColor color() const { return m_color; }
    void setColor(const QColor& value);
    /// Second colour of the gradient, white until set; clNone paints the area in color() alone.
    QColor colorTo() const { return m_colorTo; }
    void setColorTo(const QColor& value);
    TEllipsType ellipsType() const { return m_ellipsType; }
    void setEllipsType(TEllipsType value);
    TGradientType gradientType() const { return m_gradientType; }
    void setGradientType(TGradientType value);
    TGradientDirection gradientDirection() const { return m_gradientDirection; }
    void setGradientDirection(TGradientDirection value);
    /// Thickness of a gradient line in pixels; 2 until set.
    int lineWidth() const { return m_lineWidth; }
    void setLineWidth(int value);
    TGradientOrientation orientation() const { return m_orientation; }
    void setOrientation(TGradientOrientation value);
    /// A gradient line leaves a gap where the text stands.
    bool transparentText() const { return m_transparentText; }
    void setTransparentText(bool value);
    TVAlignment vAlignment() const { return m_vAlignment; }
    void setVAlignment(TVAlignment value);
    /// No background is painted: what lies behind the label shows through.
    bool transparent() const { return m_transparent; }
    void setTransparent(bool value);
    /// "&x" shows x underlined and "&&" one "&"; off, every "&" is shown as it stands.
    bool showAccelChar() const { return m_showAccelChar; }
    void setShowAccelChar(bool value);
    /// "1.2.0.0"; it cannot be written.
    QString version() const;

    /// The line a line type paints inside `client`: along the bottom, the centre or the top, or
    /// in vertical orientation along the right edge, the centre or the left edge.
    static QRect lineRect(const QRect& client, TGradientType type, TGradientOrientation orientation,
                          int lineWidth);
    /// The part of `line` that stays painted when the text leaves its gap, the gap taken on the
    /// horizontal extent for a text `textWidth` wide aligned left, right or centred
    /// (`alignment`) with `indent`.
    static QRegion lineAroundText(const QRect& line, Qt::Alignment alignment, int indent,
                                  int textWidth);
    /// `caption` cut to `width` pixels with the ellipsis of `type`; `flags` are the text flags
    /// of the drawing (mnemonic, tab expansion).
    static QString elideCaption(const QString& caption, const QFontMetrics& metrics, int width,
                                TEllipsType type, int flags);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    /// Left, right or centre as drawn, the reading order's mirroring applied.
    Qt::Alignment drawnAlignment() const;
    int textFlags() const;
    void drawCaption(QPainter& painter, int textWidth) const;

    QColor m_color;
    QColor m_colorTo = Qt::white;
    TEllipsType m_ellipsType = TEllipsType::etNone;
    TGradientType m_gradientType = TGradientType::gtFullHorizontal;
    TGradientDirection m_gradientDirection = TGradientDirection::gdLeftToRight;
    int m_lineWidth = 2;
    TGradientOrientation m_orientation = TGradientOrientation::goHorizontal;
    bool m_transparentText = false;
    TVAlignment m_vAlignment = TVAlignment::vaTop;
    bool m_transparent = false;
    bool m_showAccelChar = true;
};

} // namespace controls
