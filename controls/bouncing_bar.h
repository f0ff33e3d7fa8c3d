#pragma once

#include <QColor>
#include <QImage>
#include <QRgb>
#include <QWidget>
#include <optional>
#include <vector>

namespace controls {

/// Colour of every column of a tick image `width` pixels wide: it fades from `base` at both edges
/// to `tick` at the centre. Index x is the column at x; nothing for a width of 0 or less.
std::vector<QRgb> tickColumnColours(const QColor& base, const QColor& tick, int width);

/// A busy indicator: a horizontal bar across which a soft-edged block, the tick, moves each time
/// the owner calls Tick(). It shows that work goes on, not how much is done, and has no timer of
/// its own. Width-dependent settings (TickWidth, TickJump) are checked against the bar's current
/// width, so size the bar before setting them.
class BouncingBar : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QColor Color READ color WRITE setColor)
    Q_PROPERTY(QColor TickColor READ tickColor WRITE setTickColor)
    Q_PROPERTY(int TickWidth READ tickWidth WRITE setTickWidth)
    Q_PROPERTY(int TickJump READ tickJump WRITE setTickJump)
    Q_PROPERTY(int TickCount READ tickCount WRITE setTickCount)
    Q_PROPERTY(TtprProgressStyle Style READ progressStyle WRITE setProgressStyle)

public:
    /// Movement pattern: left to right and in again from the left, or back and forth.
    enum class TtprProgressStyle { tprDefault, tprBouncer };
    Q_ENUM(TtprProgressStyle)

    explicit BouncingBar(QWidget* parent = nullptr);

    /// Background of the bar and outer colour of the tick; restarts the tick at the left.
    QColor color() const { return FColor; }
    void setColor(const QColor& value);
    /// Colour at the centre of the tick; restarts the tick at the left.
    QColor tickColor() const { return FTickColor; }
    void setTickColor(const QColor& value);
    /// Width of the tick in pixels; a value of 0 or less or wider than the bar is ignored.
    int tickWidth() const { return FTickWidth; }
    void setTickWidth(int value);
    /// Pixels the tick moves in one step; a value of 0 or less or wider than the bar is ignored,
    /// the direction of movement is kept.
    int tickJump() const { return FTickJump; }
    void setTickJump(int value);
    /// Steps one call of Tick() makes; a value of 0 or less is ignored.
    int tickCount() const { return FTickCount; }
    void setTickCount(int value);
    TtprProgressStyle progressStyle() const { return FStyle; }
    /// Puts the tick at its start (x 1 when bouncing, just outside the left edge otherwise),
    /// moving right.
    void setProgressStyle(TtprProgressStyle value);

    /// X of the tick's left edge in pixels from the bar's left edge; may be negative.
    int edgePos() const { return EdgePos; }
    /// The signed step: its size is tickJump(), its sign the direction (positive = to the right).
    int internTickJump() const { return FInternTickJump; }

    /// Advances the tick by tickCount() steps, drawing it at each new place and pausing one
    /// millisecond after each step.
    void Tick();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildTickImage();
    /// Fills the whole bar with color(), wiping the tick off until the next Tick().
    void clearSurface();
    /// Gives the surface the bar's size (a hidden bar gets its resize events only when shown).
    void fitSurface();
    void fillStrip(int from, int to);

    QColor FColor;
    QColor FTickColor;
    int FTickWidth;
    int FTickJump;
    int FTickCount;
    TtprProgressStyle FStyle;
    int EdgePos;
    int FInternTickJump;
    std::optional<QImage> TickBMP;
    /// What the bar shows: painting copies it, Tick() draws into it.
    QImage FSurface;
};

} // namespace controls
