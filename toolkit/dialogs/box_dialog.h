#pragma once

#include "platform/modal_box.h"

#include <QDialog>

class QPushButton;

namespace toolkit {

/// The dialog of one message box: the kind's icon, the text beside it and the buttons centred
/// under them, laid out left to right with every text reading right to left. Enter presses the
/// request's default button; Escape and the frame's close button give its cancel result.
class BoxDialog : public QDialog {
    Q_OBJECT
public:
    explicit BoxDialog(const platform::BoxRequest& request, QWidget* parent = nullptr);

    /// The button that gives result, or nullptr when the box has none.
    QPushButton* button(int result) const;

public slots:
    void reject() override;

private:
    int m_cancelResult;
};

} // namespace toolkit
