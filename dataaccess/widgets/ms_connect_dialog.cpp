#include "dataaccess/widgets/ms_connect_dialog.h"

#include "dataaccess/base/db_error.h"
#include "dataaccess/connection.h"
#include "dataaccess/widgets/server_list.h"
#include "platform/end_request.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace db {
namespace {

class ExecPresenter final : public ConnectDialogPresenter {
public:
    int present(MSConnectDialog2& dialog) override { return dialog.exec(); }
};

ExecPresenter g_exec;
ConnectDialogPresenter* g_presenter = &g_exec;

/// Replaces the entries of an editable list, keeping the text entered.
void fill(QComboBox& list, const QStringList& entries)
{
    const QString entered = list.currentText();
    list.clear();
    list.addItems(entries);
    list.setCurrentIndex(-1);
    list.setEditText(entered);
}

} // namespace

DropDownList::DropDownList(QWidget* parent) : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
}

void DropDownList::showPopup()
{
    emit aboutToDropDown();
    QComboBox::showPopup();
}

MSConnectDialog2::MSConnectDialog2(QWidget* parent)
    : QDialog(parent), m_userName(new QLineEdit(this)), m_password(new QLineEdit(this)),
      m_server(new DropDownList(this)), m_database(new DropDownList(this)),
      m_connect(new QPushButton(QStringLiteral("اتصال"), this)),
      m_cancel(new QPushButton(QStringLiteral("انصراف"), this))
{
    setWindowTitle(QStringLiteral("اتصال به بانك اصلي"));
    setLayoutDirection(Qt::RightToLeft);
    setModal(true);

    m_password->setEchoMode(QLineEdit::Password);
    m_password->setStyleSheet(QStringLiteral("lineedit-password-character: 42;")); // "*"

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("نام كاربر"), m_userName);
    form->addRow(QStringLiteral("رمز عبور"), m_password);
    form->addRow(QStringLiteral("سرور"), m_server);
    form->addRow(QStringLiteral("Database"), m_database);

    m_connect->setDefault(true);
    m_cancel->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_connect);
    buttons->addWidget(m_cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);

    connect(m_connect, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_database, &DropDownList::aboutToDropDown, this, &MSConnectDialog2::refreshDatabases);
}

void MSConnectDialog2::setSettings(const ConnectionSettings& settings)
{
    m_userName->setText(settings.UserName);
    m_password->setText(settings.Password);
    m_server->setEditText(settings.Server);
    m_database->setEditText(settings.Database);
}

ConnectionSettings MSConnectDialog2::settings() const
{
    return {m_server->currentText(), m_database->currentText(), m_userName->text(),
            m_password->text()};
}

void MSConnectDialog2::refreshServers()
{
    fill(*m_server, serverChoices());
}

void MSConnectDialog2::refreshDatabases()
{
    QStringList names;
    try {
        names = databasesOf(settings());
    } catch (const DbError&) {
        // The list is a convenience: connecting reports why the server cannot be reached.
    }
    fill(*m_database, names);
}

void setConnectDialogPresenter(ConnectDialogPresenter* presenter)
{
    g_presenter = presenter ? presenter : &g_exec;
}

bool runConnectDialog(Connection& connection)
{
    if (platform::endRequested())
        return false;
    MSConnectDialog2 dialog;
    dialog.setSettings(connection.settings());
    dialog.refreshServers();
    if (g_presenter->present(dialog) != QDialog::Accepted || platform::endRequested())
        return false;
    connection.setSettings(dialog.settings());
    return true;
}

void installConnectDialog()
{
    Connection::setLoginDialog(runConnectDialog);
}

} // namespace db
