#pragma once

#include "platform/prompt_box.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace toolkit {

/// The dialog of one prompt, put together from its request: fixed size, centred on the screen,
/// right to left. Each control stands at the request's pixel position, which right to left does
/// not mirror (a layout would: it would put OK right of cancel). The OK button is the default
/// (mrOk); cancel, Escape and the frame's close button give mrCancel.
class PromptDialog : public QDialog {
    Q_OBJECT
public:
    explicit PromptDialog(const platform::PromptRequest& request, QWidget* parent = nullptr);

    /// The input control's text as it stands: the edit's text or the chosen entry's.
    QString inputText() const;

    QLabel* promptLabel() const { return m_prompt; }
    /// The edit or the drop-down list.
    QWidget* input() const { return m_input; }
    QPushButton* okButton() const { return m_ok; }
    QPushButton* cancelButton() const { return m_cancel; }

public slots:
    void reject() override;

private:
    QLabel* m_prompt;
    QWidget* m_input;
    QPushButton* m_ok;
    QPushButton* m_cancel;
};

} // namespace toolkit
