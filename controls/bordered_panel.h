#pragma once

#include <QColor>
#include <QWidget>

namespace controls {

/// A container for other controls with a background colour that can frame chosen sides with a
/// one-pixel line of a given colour. The sides are the widget's physical left, top, right and
/// bottom whatever the layout direction. Children placed on a framed edge cover the line, so a
/// layout inside keeps a margin.
class BorderedPanel : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QColor Color READ color WRITE setColor)
    Q_PROPERTY(QColor BorderColor READ borderColor WRITE setBorderColor)
    Q_PROPERTY(Qt::Edges BorderSides READ borderSides WRITE setBorderSides)

public:
    explicit BorderedPanel(QWidget* parent = nullptr);

    /// Background colour; the window colour of the palette until set.
    QColor color() const { return m_color; }
    void setColor(const QColor& value);
    /// Colour of the framing line; black until set.
    QColor borderColor() const { return m_borderColor; }
    void setBorderColor(const QColor& value);
    /// Sides that carry the line; none until set.
    Qt::Edges borderSides() const { return m_borderSides; }
    void setBorderSides(Qt::Edges value);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_color;
    QColor m_borderColor = Qt::black;
    Qt::Edges m_borderSides;
};

} // namespace controls
