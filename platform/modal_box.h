#pragma once

#include <QString>
#include <vector>

namespace platform {

/// Modal results of every box and dialog of the system.
enum ModalResult {
    mrNone = 0,
    mrOk = 1,
    mrCancel = 2,
    mrYes = 6,
    mrNo = 7,
    mrNoToAll = 9,
    mrYesToAll = 10
};

/// The icon, and with it the kind, of a message box.
enum class BoxKind { Information, Error, Confirmation, Warning };

struct BoxButton {
    QString text;
    int result = mrNone;
};

/// Everything a message box shows: what a person sees and what the keys do.
struct BoxRequest {
    BoxKind kind = BoxKind::Information;
    QString caption;
    QString text;                   ///< CR (code 13) is shown as a line break
    std::vector<BoxButton> buttons; ///< left to right
    int defaultResult = mrNone;     ///< the button Enter presses
    int cancelResult = mrNone;      ///< the button Escape presses
};

/// Shows message boxes. Production shows a real modal Qt dialog; a test installs its own
/// presenter to see every box and answer it without a display.
class BoxPresenter {
public:
    virtual ~BoxPresenter() = default;
    /// Shows the box modally and returns the result of the button pressed.
    virtual int present(const BoxRequest& request) = 0;
    /// Told of a box that closed the moment it was shown because the end was requested.
    virtual void closedAtOnce(const BoxRequest& request) { (void)request; }
};

/// Installs the presenter every box goes through (not owned); nullptr restores the default,
/// which refuses to show anything and raises an Error, so a forgotten seam never hangs a test.
void setBoxPresenter(BoxPresenter* presenter);

/// Shows a box through the installed presenter. After the end was requested the box closes at
/// once with its cancel result (the presenter is told through closedAtOnce).
int showModalBox(const BoxRequest& request);

/// The platform's own plain message box, not one of the toolkit's Persian boxes: the program's
/// name as caption and one "OK" button that Enter and Escape both press.
void showPlainBox(const QString& text, BoxKind kind = BoxKind::Information);

} // namespace platform
