#include "toolkit/prompts/prompts.h"

#include "dataaccess/query.h"
#include "platform/error.h"
#include "platform/keyboard_layout.h"
#include "platform/modal_box.h"
#include "platform/prompt_box.h"
#include "toolkit/base/settings_tools.h"
#include "toolkit/base/tools_state.h"
#include "toolkit/boxes/message_boxes.h"
#include "toolkit/db/db_text_tools.h"
#include "toolkit/db/statement_tools.h"
#include "toolkit/prompts/focus_chain.h"
#include "toolkit/prompts/prompt_layout.h"

#include <QDialog>
#include <QWidget>
#include <utility>

namespace toolkit {

namespace {

using platform::PromptInput;
using platform::PromptRequest;

const QString questionCaption = QStringLiteral("سوال");
const QString allGroups = QStringLiteral(".همه گروهها.");
const QString listFailed = QStringLiteral("خطا در اجراي دستور تشكيل ليست ");

/// Characters an edit prompt, and the list picker's text, take at most.
constexpr int textLimit = 255;
constexpr int visibleRows = 10;

// Windows virtual-key codes of the keys the handlers act on.
constexpr quint16 vkReturn = 13;
constexpr quint16 vkEscape = 27;
constexpr quint16 vkLeft = 37;
constexpr quint16 vkRight = 39;

PromptRequest promptRequest(const QString& caption, const QString& prompt, PromptInput input,
                            int inputHeight)
{
    PromptRequest request;
    request.caption = caption;
    request.prompt = prompt;
    request.input = input;
    request.okText = QStringLiteral("قبول");
    request.cancelText = QStringLiteral("انصراف");
    request.geometry = promptGeometry(promptFont(), prompt, inputHeight);
    return request;
}

PromptRequest editRequest(const QString& caption, const QString& prompt, PromptInput input,
                          const QString& Value)
{
    PromptRequest request = promptRequest(caption, prompt, input, editHeight(promptFont()));
    request.maxLength = textLimit;
    request.text = Value.left(textLimit);
    return request;
}

PromptRequest listRequest(const QString& caption, const QString& prompt, QStringList entries,
                          const QString& text)
{
    PromptRequest request =
        promptRequest(caption, prompt, PromptInput::DropDownList, dropDownHeight);
    request.entries = std::move(entries);
    request.visibleRows = visibleRows;
    // A list without an edit part shows an entry or nothing: the entry equal to the text.
    request.text = request.entries.contains(text) ? text : QString();
    return request;
}

/// Not blank once blanks (code 32 or less) are removed from both ends.
bool notBlank(const QString& text)
{
    return !DbTextTools::IsBlank(text);
}

bool notEmpty(const QString& text)
{
    return !text.isEmpty();
}

/// Shows the prompt until it is cancelled or OK is pressed on an input that `accepts`.
bool ask(PromptRequest request, bool (*accepts)(const QString&), QString& Value)
{
    for (;;) {
        const platform::PromptAnswer answer = platform::showPrompt(request);
        if (answer.result != platform::mrOk)
            return false;
        if (accepts(answer.text)) {
            Value = answer.text;
            return true;
        }
        request.text = answer.text; // shown again as it was left
    }
}

void closeForm(QWidget* form)
{
    if (auto* dialog = qobject_cast<QDialog*>(form); dialog && dialog->isModal())
        dialog->done(platform::mrCancel);
    else
        form->close();
}

} // namespace

Prompts::Prompts(const ServerSlot& slot, MessageBoxes& boxes, SettingsTools& settings)
    : m_slot(slot), m_boxes(boxes), m_settings(settings)
{
}

bool Prompts::InQuery(const QString& APrompt, QString& Value)
{
    const PromptRequest request = editRequest(questionCaption, APrompt, PromptInput::Edit, Value);
    m_settings.SwitchToFarsi();
    return ask(request, notBlank, Value);
}

bool Prompts::InQueryEng(const QString& APrompt, QString& Value)
{
    const PromptRequest request =
        editRequest(QStringLiteral("دريافت ورودي"), APrompt, PromptInput::Edit, Value);
    m_settings.SwitchToEnglish();
    return ask(request, notBlank, Value);
}

bool Prompts::PassInQuery(const QString& APrompt, QString& Value)
{
    const PromptRequest request =
        editRequest(QStringLiteral("دريافت رمز ورود"), APrompt, PromptInput::Password, Value);
    platform::switchKeyboardLayout(platform::kPersianLayout);
    return ask(request, notEmpty, Value);
}

bool Prompts::InQueryCombo(const QString& APrompt, const QStringList& InSL, QString& Value)
{
    QStringList entries = InSL;
    entries.removeOne(allGroups);
    const PromptRequest request = listRequest(questionCaption, APrompt, entries, Value);
    m_settings.SwitchToFarsi();
    return ask(request, notBlank, Value);
}

bool Prompts::SelectFromList(const QString& APrompt, const QString& InCommand, QString& Value)
{
    QStringList entries{QStringLiteral(" ")};
    try {
        db::Query query(serverConnection(m_slot));
        query.Close();
        query.clearSQL();
        query.addSQL(InCommand);
        query.Prepare();
        query.Open();
        for (query.First(); !query.Eof(); query.Next())
            entries.append(query.Fields(0).AsString());
    } catch (const platform::Error&) {
        m_boxes.ShowMsg(listFailed);
        return false;
    }
    const PromptRequest request = listRequest(QStringLiteral("ليست انتخابي"), APrompt,
                                              std::move(entries), Value.left(textLimit));
    m_settings.SwitchToFarsi();
    return ask(request, notBlank, Value);
}

void Prompts::SetKeyActivateConfig(QWidget* Sender, quint16& Key, Qt::KeyboardModifiers Shift)
{
    if (!Sender)
        return;
    if (Key == vkReturn || Key == vkLeft) {
        Key = 0;
        moveFocus(*Sender, FocusStep::Next);
    }
    if (Key == vkRight) {
        Key = 0;
        moveFocus(*Sender, FocusStep::Previous);
    }
    SetKeyActivateJustClose(Sender, Key, Shift);
}

void Prompts::SetKeyActivateJustClose(QWidget* Sender, quint16& Key, Qt::KeyboardModifiers Shift)
{
    (void)Shift;
    if (Sender && Key == vkEscape)
        closeForm(Sender);
}

} // namespace toolkit
