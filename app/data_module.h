#pragma once

#include "dataaccess/connection.h"
#include "dataaccess/data_source.h"
#include "dataaccess/query.h"
#include "dataaccess/table.h"

#include <QObject>

namespace toolkit {
class TTools;
}

namespace app {

/// The data module: the farm connection and the datasets of the selection form. It lives from
/// start-up, after the toolkit object, to the end of the program.
class TDM : public QObject {
    Q_OBJECT
public:
    /// Creates the components and runs DataModuleCreate.
    explicit TDM(toolkit::TTools& tools, QObject* parent = nullptr);

    /// Connects to the farm with the settings of FindConStr, lends the connection to the
    /// toolkit, creates the working table from "Create.List" when it is missing and opens it.
    /// Any failure after the settings were found shows one message and requests the end.
    void DataModuleCreate();

    db::Connection MConct;
    db::Table T2Tarvex;
    db::DataSource D2Tarvex;
    db::Query QAskGeneral; ///< the animal lookup
    db::Query qAskMain;    ///< the INSERT of the working list

private:
    toolkit::TTools& m_tools;
};

} // namespace app
