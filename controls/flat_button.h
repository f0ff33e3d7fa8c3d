#pragma once

#include <QAbstractButton>
#include <QPointer>

namespace controls {

/// A flat push button: a caption (text()), an enabled state, the clicked() signal and the
/// default-button role. Enter pressed anywhere in the button's window presses the window's
/// enabled, visible default button, unless the focus is on another flat button, which Enter presses
/// instead; Space presses the focused button.
class FlatButton : public QAbstractButton {
    Q_OBJECT
    Q_PROPERTY(bool Default READ isDefault WRITE setDefault)

public:
    explicit FlatButton(const QString& caption = QString(), QWidget* parent = nullptr);

    bool isDefault() const { return m_default; }
    /// Makes the button the one Enter presses in its window (drawn with a heavier frame).
    void setDefault(bool value);

    QSize sizeHint() const override;

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    /// Watches the window the button now stands in for Enter, and stops watching the old one.
    void watchWindow();

    bool m_default = false;
    QPointer<QWidget> m_watchedWindow;
};

} // namespace controls
