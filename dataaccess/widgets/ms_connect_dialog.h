#pragma once

#include "dataaccess/base/connection_settings.h"

#include <QComboBox>
#include <QDialog>

class QLineEdit;
class QPushButton;

namespace db {

class Connection;

/// An editable list that announces when it is dropped down, so its entries can be read fresh.
class DropDownList : public QComboBox {
    Q_OBJECT
public:
    explicit DropDownList(QWidget* parent = nullptr);
    void showPopup() override;

signals:
    void aboutToDropDown();
};

/// The connect dialog: user name, password (masked with "*"), server and database, from top to
/// bottom, with a connect button (the default) and a cancel button (Escape). The server list
/// offers the servers found on this machine (serverChoices); the database list, when dropped
/// down, the databases of the server entered.
class MSConnectDialog2 : public QDialog {
    Q_OBJECT
public:
    explicit MSConnectDialog2(QWidget* parent = nullptr);

    /// Shows these values in the four entries.
    void setSettings(const ConnectionSettings& settings);
    /// The four entries as they stand.
    ConnectionSettings settings() const;

    /// Fills the server list anew, keeping the server entered.
    void refreshServers();
    /// Fills the database list with the databases of the server entered, keeping the database
    /// entered; a server that cannot be reached leaves the list empty.
    void refreshDatabases();

    QLineEdit* userNameEdit() const { return m_userName; }
    QLineEdit* passwordEdit() const { return m_password; }
    QComboBox* serverList() const { return m_server; }
    DropDownList* databaseList() const { return m_database; }
    QPushButton* connectButton() const { return m_connect; }
    QPushButton* cancelButton() const { return m_cancel; }

private:
    QLineEdit* m_userName;
    QLineEdit* m_password;
    QComboBox* m_server;
    DropDownList* m_database;
    QPushButton* m_connect;
    QPushButton* m_cancel;
};

/// Shows the connect dialog modally and returns its result (QDialog::Accepted or Rejected).
/// The program's own shows it with exec(); a test installs one that fills and answers it.
class ConnectDialogPresenter {
public:
    virtual ~ConnectDialogPresenter() = default;
    virtual int present(MSConnectDialog2& dialog) = 0;
};

/// Installs the presenter (not owned); nullptr restores the one that runs exec().
void setConnectDialogPresenter(ConnectDialogPresenter* presenter);

/// Shows the connect dialog for `connection`, starting from its four settings, and on connect
/// applies the four entries to it. Returns whether the operator confirmed; after an end request
/// it returns false at once without showing anything.
bool runConnectDialog(Connection& connection);

/// Makes runConnectDialog the connect dialog of every connection whose login prompt is on.
void installConnectDialog();

} // namespace db
