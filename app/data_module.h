#pragma once

#include "dataaccess/connection.h"
#include "dataaccess/data_source.h"
#include "dataaccess/query.h"
#include "dataaccess/table.h"

#include <QObject>
#include <memory>

namespace toolkit {
class TTools;
class ServerConnectionLoan;
} // namespace toolkit

namespace app {

/// The data module: the farm connection and the datasets of the selection form. It lives from
/// start-up, after the toolkit object, to the end of the program.
class TDM : public QObject {
    Q_OBJECT
public:
    /// Creates the components and runs DataModuleCreate.
    explicit TDM(toolkit::TTools& tools, QObject* parent = nullptr);

    /// Connects to the farm with the settings of FindConStr, lends the connection to the
    /// toolkit for the data module's lifetime, creates the working table from "Create.List" when it
    /// is missing and opens it. Any failure after the settings were found shows one message and
    /// requests the end.
    void DataModuleCreate();

    db::Connection MConct;
    db::Table T2Tarvex;
    db::DataSource D2Tarvex;
    db::Query QAskGeneral; ///< the animal lookup
    db::Query qAskMain;    ///< the INSERT of the working list

    ~TDM() override;

private:
    toolkit::TTools& m_tools;
    /// Declared after MConct: the toolkit has its own connection back before MConct goes.
    std::unique_ptr<toolkit::ServerConnectionLoan> m_connectionLoan;
};

} // namespace app
