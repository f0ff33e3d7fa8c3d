#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

class QWidget;

namespace toolkit {

struct ServerSlot;
class MessageBoxes;
class SettingsTools;

/// The toolkit's small modal prompts, each put together at the call and shown through
/// platform::showPrompt, and two key-down handlers for data-entry forms. A prompt answers true
/// exactly when the user accepted an input; Value is then replaced by it, unchanged (not
/// trimmed), and is left alone otherwise. OK with an input the prompt refuses shows the same
/// prompt again, as it was left, until the user gives an acceptable one or cancels.
class Prompts {
public:
    Prompts(const ServerSlot& slot, MessageBoxes& boxes, SettingsTools& settings);

    /// A line on the Persian keyboard, at most 255 characters; refuses a blank one.
    bool InQuery(const QString& APrompt, QString& Value);
    /// A line on the US English keyboard, at most 255 characters; refuses a blank one.
    bool InQueryEng(const QString& APrompt, QString& Value);
    /// A password shown as "*", at most 255 characters; refuses only an empty one.
    bool PassInQuery(const QString& APrompt, QString& Value);
    /// One entry of InSL (without its first ".همه گروهها." entry); refuses a blank one.
    /// InSL is not changed.
    bool InQueryCombo(const QString& APrompt, const QStringList& InSL, QString& Value);
    /// One value of the first column InCommand returns, on the toolkit's connection, under a
    /// first entry of one blank; refuses a blank one. When the statement fails (no connection
    /// included) the message "خطا در اجراي دستور تشكيل ليست " is shown instead and the answer
    /// is false.
    bool SelectFromList(const QString& APrompt, const QString& InCommand, QString& Value);

    /// For the key-down of a form whose controls stand right to left; Key is a Windows
    /// virtual-key code. Enter and Left arrow move the focus to the next control in tab order,
    /// Right arrow to the previous one (each swallowing the key: Key becomes 0); Escape closes
    /// Sender, a modal dialog with mrCancel. Shift is not used.
    static void SetKeyActivateConfig(QWidget* Sender, quint16& Key, Qt::KeyboardModifiers Shift);
    /// Only the Escape rule of SetKeyActivateConfig.
    static void SetKeyActivateJustClose(QWidget* Sender, quint16& Key, Qt::KeyboardModifiers Shift);

private:
    const ServerSlot& m_slot;
    MessageBoxes& m_boxes;
    SettingsTools& m_settings;
};

} // namespace toolkit
