#pragma once

#include <QAbstractButton>

namespace controls {

/// A small button of the calendar's caption strip: a raised face with a bold caption or an arrow
/// glyph (a solid triangle 7 rows high, a little above the middle), and the hand cursor.
class CaptionButton : public QAbstractButton {
    Q_OBJECT

public:
    enum class Glyph { None, Left, Right };

    explicit CaptionButton(Glyph glyph, QWidget* parent = nullptr);

    QSize sizeHint() const override { return size(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Glyph m_glyph;
};

} // namespace controls
