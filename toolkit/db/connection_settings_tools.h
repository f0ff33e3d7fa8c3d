#pragma once

#include "dataaccess/connection.h"
#include "dataaccess/query.h"

#include <QString>

namespace toolkit {

struct ProgramPlace;
class CustomerChooser;

/// Finds the four connection settings of the farm database, from "WTimes.DLL" in a
/// single-customer installation or, when "Multiusers.Dat" is beside the program, from the
/// customer list on the main server whose settings "MultiConnect.Dat" remembers.
class ConnectionSettingsTools {
public:
    ConnectionSettingsTools(const ProgramPlace& place, CustomerChooser& chooser);

    /// Sets the four settings, or, when none can be had, sets none and requests the end of the
    /// application. With neither "Multiusers.Dat" nor "WTimes.DLL" beside the program, the
    /// program stops at once with exit code 0. Errors of the customer list's statements and an
    /// unreadable "WTimes.DLL" reach the caller as platform::Error.
    void FindConStr(QString& InUser, QString& InPass, QString& InServer, QString& InDatabase);

    /// The main server's connection; it stays on the database "Masters" after a multi-customer
    /// start. Its database is "master" and its login prompt on until FindConStr changes them.
    db::Connection Multiconnection;
    /// The query on Multiconnection; it stays on the chosen customer's row.
    db::Query MultiQAsk;

private:
    /// Connects Multiconnection to the main server and remembers its settings; false when the
    /// settings file is short, the connection fails or the connect dialog is cancelled.
    bool connectMainServer();
    /// Opens MultiQAsk on the statement; false when it returns no row.
    bool openMultiQAsk(const QString& statement);
    void findMultiCustomer(QString& InUser, QString& InPass, QString& InServer,
                           QString& InDatabase);

    const ProgramPlace& m_place;
    CustomerChooser& m_chooser;
};

} // namespace toolkit
