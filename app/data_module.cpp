#include "app/data_module.h"

#include "app/lists/select_texts.h"
#include "platform/end_request.h"
#include "toolkit/base/error_report.h"
#include "toolkit/base/work_folders.h"
#include "toolkit/tools.h"

#include <QCoreApplication>
#include <QScopeGuard>
#include <exception>

namespace app {

namespace {

const QString kCreateList = QStringLiteral("Create.List");

} // namespace

TDM::TDM(toolkit::TTools& tools, QObject* parent)
    : QObject(parent), MConct(this), T2Tarvex(MConct, QStringLiteral("2Tarvex"), this),
      D2Tarvex(T2Tarvex, this), QAskGeneral(MConct, this), qAskMain(MConct, this), m_tools(tools)
{
    // Errors FindConStr leaves to its caller go to the general error report; the program then
    // goes on without a farm connection.
    toolkit::guarded([this] { DataModuleCreate(); });
}

TDM::~TDM() = default;

void TDM::DataModuleCreate()
{
    MConct.Disconnect();
    QCoreApplication::processEvents();

    QString user;
    QString password;
    QString server;
    QString database;
    m_tools.FindConStr(user, password, server, database);

    try {
        MConct.UserName = user;
        MConct.Password = password;
        MConct.Server = server;
        MConct.Database = database;
        MConct.Connect();
        QCoreApplication::processEvents();

        m_connectionLoan.reset(); // a loan ending gives the toolkit its own connection back
        m_connectionLoan =
            std::make_unique<toolkit::ServerConnectionLoan>(m_tools.LendServerConnection(MConct));
        if (!m_tools.IsTableExist(QStringLiteral("2Tarvex"))) {
            m_tools.ShowBoxMessage(QString());
            // The box goes on every path: a runner that raises must not leave it under the
            // failure message.
            const auto closeBox = qScopeGuard([this] { m_tools.ShowBoxClose(); });
            const QString script = toolkit::findFileIgnoringCase(m_tools.AppPath(), kCreateList);
            m_tools.DoScriptFromfile(texts::kBuildTablesTitle,
                                     script.isEmpty() ? m_tools.AppPath() + kCreateList : script);
        }
        QCoreApplication::processEvents();

        T2Tarvex.Open();
    } catch (const std::exception&) {
        // The underlying error's text is not shown: one message says the farm is unreachable.
        m_tools.ShowMsg(texts::kServerConnectionFailed);
        platform::requestEnd();
    }
}

} // namespace app
