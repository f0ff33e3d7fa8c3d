#include "toolkit/prompts/prompt_dialog.h"

#include "platform/modal_box.h"
#include "toolkit/prompts/prompt_layout.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

namespace toolkit {

namespace {

constexpr int listItemHeight = 16; // pixels; the drop-down box is 22 high around it

QWidget* makeInput(const platform::PromptRequest& request, QWidget* parent)
{
    if (request.input == platform::PromptInput::DropDownList) {
        auto* list = new QComboBox(parent);
        list->addItems(request.entries);
        // Items of one fixed height, tall enough for the Persian letters' dots and tails.
        for (int i = 0; i < list->count(); ++i)
            list->setItemData(i, QSize(0, listItemHeight), Qt::SizeHintRole);
        // The entry equal to the text shows chosen; without one, none is.
        list->setCurrentIndex(list->findText(request.text, Qt::MatchExactly));
        if (request.visibleRows > 0) {
            list->setMaxVisibleItems(request.visibleRows);
            // The plain list popup, which keeps to that many rows in every style.
            list->setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
        }
        return list;
    }
    auto* edit = new QLineEdit(parent);
    if (request.maxLength > 0)
        edit->setMaxLength(request.maxLength);
    edit->setText(request.text);
    // The text stands right whatever its language, as in every right-to-left edit.
    edit->setAlignment(Qt::AlignRight | Qt::AlignAbsolute | Qt::AlignVCenter);
    edit->selectAll();
    if (request.input == platform::PromptInput::Password) {
        edit->setEchoMode(QLineEdit::Password);
        edit->setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: 42; }"));
    }
    return edit;
}

} // namespace

PromptDialog::PromptDialog(const platform::PromptRequest& request, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    const platform::PromptGeometry& g = request.geometry;
    setWindowTitle(request.caption);
    setFont(promptFont());
    setLayoutDirection(Qt::RightToLeft);
    setFixedSize(g.client);

    m_prompt = new QLabel(wrappedPrompt(font(), request.prompt, g.prompt.width()), this);
    m_prompt->setObjectName(QStringLiteral("prompt"));
    m_prompt->setTextFormat(Qt::PlainText);
    // Set on the label itself, so that its lines break and stand as a right-to-left paragraph.
    m_prompt->setLayoutDirection(Qt::RightToLeft);
    m_prompt->setWordWrap(true);
    m_prompt->setAlignment(Qt::AlignRight | Qt::AlignAbsolute | Qt::AlignTop);
    m_prompt->setGeometry(g.prompt);

    m_input = makeInput(request, this);
    m_input->setObjectName(QStringLiteral("input"));
    m_input->setGeometry(g.input);

    m_ok = new QPushButton(request.okText, this);
    m_ok->setObjectName(QStringLiteral("ok"));
    m_ok->setGeometry(g.ok);
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, [this] { done(platform::mrOk); });

    m_cancel = new QPushButton(request.cancelText, this);
    m_cancel->setObjectName(QStringLiteral("cancel"));
    m_cancel->setGeometry(g.cancel);
    connect(m_cancel, &QPushButton::clicked, this, [this] { done(platform::mrCancel); });

    m_input->setFocus();
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
}

QString PromptDialog::inputText() const
{
    if (const auto* list = qobject_cast<const QComboBox*>(m_input))
        return list->currentText();
    return static_cast<const QLineEdit*>(m_input)->text();
}

void PromptDialog::reject()
{
    done(platform::mrCancel);
}

} // namespace toolkit
