#pragma once

#include <QObject>
#include <QtGlobal>
#include <functional>
#include <optional>

class QWidget;

namespace toolkit {

/// A form's key-down handler: the form, the key as a Windows virtual-key code (set it to 0 to
/// swallow the key) and the modifiers. Prompts::SetKeyActivateConfig and
/// Prompts::SetKeyActivateJustClose are such handlers.
using KeyDownHandler = std::function<void(QWidget* Sender, quint16& Key, Qt::KeyboardModifiers)>;

/// The Windows virtual-key code of a Qt key, for the keys that have one here: Enter, Escape,
/// Tab, Backspace, Space, the arrows and the editing and paging keys, F1 to F12, digits and
/// letters.
std::optional<quint16> virtualKeyOf(int qtKey);

/// Hands every key pressed in a form to its key-down handler before the focused control sees
/// it. A swallowed key goes no further; nor does a key after which the form is no longer on
/// screen (it has closed). Keys without a virtual-key code pass by untouched.
class KeyPreview : public QObject {
    Q_OBJECT
public:
    /// Watches the keys of form until form or this object is destroyed; form owns it.
    KeyPreview(QWidget& form, KeyDownHandler handler);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& m_form;
    KeyDownHandler m_handler;
};

} // namespace toolkit
