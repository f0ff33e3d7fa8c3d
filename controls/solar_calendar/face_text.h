#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

namespace controls {

/// A one-line text of the calendar's face, sized to its text and always laid out left to right
/// as a paragraph, so that "1389 سال" reads "year 1389" to a Persian reader whatever the
/// surrounding reading order. It may be underlined, change colour under the mouse and report
/// clicks.
class FaceText : public QWidget {
    Q_OBJECT

public:
    explicit FaceText(QWidget* parent = nullptr);

    QString text() const { return m_text; }
    /// Sets the text and resizes to it, keeping the top-left corner.
    void setText(const QString& text);
    QColor colour() const { return m_colour; }
    void setColour(const QColor& colour);
    /// The colour while the mouse is over the text; invalid (the default) keeps colour().
    void setHoverColour(const QColor& colour);
    void setUnderline(bool underline);
    /// Whether the mouse is over the text.
    bool hovered() const { return m_hovered; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void fitToText();

    QString m_text;
    QColor m_colour = Qt::black;
    QColor m_hoverColour;
    bool m_hovered = false;
};

} // namespace controls
