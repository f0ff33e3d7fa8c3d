#pragma once

#include <QLineEdit>
#include <QWidget>

namespace controls {

/// The box the year is typed into: four characters at most, digits and backspace only (other
/// characters are dropped without a sound), flat, without a context menu. Enter, Escape and
/// the up and down arrows are told to the calendar instead of being handled here.
class YearBox : public QLineEdit {
    Q_OBJECT

public:
    explicit YearBox(QWidget* parent = nullptr);

signals:
    void entered();
    void escaped();
    /// Up (+1) or down (-1), as the spinner's arrows step.
    void stepped(int step);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

/// The two arrows beside the year box: the upper half steps the year up, the lower half down.
class YearSpinner : public QWidget {
    Q_OBJECT

public:
    explicit YearSpinner(QWidget* parent = nullptr);

signals:
    void stepped(int step);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
};

} // namespace controls
