#pragma once

#include "platform/modal_box.h"

#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

namespace platform {

/// The input control of a prompt.
enum class PromptInput {
    Edit,        ///< one-line edit
    Password,    ///< one-line edit that shows every character as "*"
    DropDownList ///< drop-down list without an edit part: the text is the chosen entry's
};

/// Where a prompt's controls stand, in pixels of the dialog's client area, as given (a
/// right-to-left dialog keeps these positions; only its texts read right to left).
struct PromptGeometry {
    QSize client;
    QRect prompt; ///< the prompt text, wrapped at this width
    QRect input;
    QRect ok;
    QRect cancel;
    bool operator==(const PromptGeometry&) const = default;
};

/// Everything a prompt shows. Its OK button gives mrOk (Enter presses it), its cancel button
/// mrCancel (Escape and the frame's close button too).
struct PromptRequest {
    QString caption;
    QString prompt; ///< CR, LF or CR LF break a line
    PromptInput input = PromptInput::Edit;
    QStringList entries; ///< of a drop-down list, top to bottom
    int maxLength = 0;   ///< characters an edit takes; 0 for no limit
    /// The control's content when shown: an edit's text (all of it selected), or the entry a
    /// drop-down list shows chosen (empty: none chosen).
    QString text;
    int visibleRows = 0; ///< entries a dropped-down list shows at once; 0 for the style's own
    PromptGeometry geometry;
    QString okText;
    QString cancelText;
};

/// How a prompt was left: the modal result and the control's text at that moment.
struct PromptAnswer {
    int result = mrNone; ///< a ModalResult
    QString text;
};

/// Shows prompts. Production shows a real modal dialog; a test installs its own presenter to
/// see every prompt and answer it without a display.
class PromptPresenter {
public:
    virtual ~PromptPresenter() = default;
    /// Shows the prompt modally and answers how it was left.
    virtual PromptAnswer present(const PromptRequest& request) = 0;
    /// Told of a prompt that closed the moment it was shown because the end was requested.
    virtual void closedAtOnce(const PromptRequest& request) { (void)request; }
};

/// Installs the presenter every prompt goes through (not owned); nullptr restores the default,
/// which refuses to show anything and raises an Error, so a forgotten seam never hangs a test.
void setPromptPresenter(PromptPresenter* presenter);

/// Shows a prompt through the installed presenter. After the end was requested the prompt
/// closes at once with mrCancel and its text unchanged (the presenter is told through
/// closedAtOnce).
PromptAnswer showPrompt(const PromptRequest& request);

} // namespace platform
