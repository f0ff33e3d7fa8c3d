#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

class QLabel;

namespace toolkit {

/// The modeless please-wait box: a warning icon and a text label, no buttons. Its width is set
/// by the first text (the blank-padded please-wait line), its height and colour are fixed when
/// it is made. Closed by its frame's close button it is only hidden.
class WaitBoxForm : public QWidget {
    Q_OBJECT
public:
    struct Look {
        QString firstText;
        int height = 100;
        QColor background;
        bool closeButton = false;
    };
    explicit WaitBoxForm(const Look& look);

    /// The label stops sizing itself: it stands at the right edge over the full height,
    /// keeps its width and wraps Msg onto as many lines as it needs.
    void showWrapped(const QString& Msg);
    /// The label keeps sizing itself to Msg, on one line.
    void showOneLine(const QString& Msg);

    /// The label showing the text.
    QLabel* textLabel() const { return m_text; }

private:
    QLabel* m_text;
};

} // namespace toolkit
