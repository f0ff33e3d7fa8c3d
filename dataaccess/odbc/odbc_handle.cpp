#include "dataaccess/odbc/odbc_handle.h"

#include "dataaccess/base/db_error.h"
#include "dataaccess/odbc/wide_text.h"

#include <QStringList>
#include <algorithm>
#include <array>
#include <sqlext.h>

namespace db::odbc {

std::vector<Diagnostic> diagnosticsOf(SQLSMALLINT handleType, SQLHANDLE handle)
{
    std::vector<Diagnostic> records;
    if (handle == SQL_NULL_HANDLE)
        return records;
    for (SQLSMALLINT record = 1;; ++record) {
        std::array<SQLWCHAR, 6> state{};
        SQLINTEGER nativeError = 0;
        SQLSMALLINT length = 0;
        // First ask for the message's length, then read it whole: server messages can be long.
        SQLRETURN rc = SQLGetDiagRecW(handleType, handle, record, state.data(), &nativeError,
                                      nullptr, 0, &length);
        if (!succeeded(rc))
            break;
        // Room for at least 1023 units, in case the driver reported bytes of UTF-8 or too few
        // units.
        std::vector<SQLWCHAR> message(
            std::max<std::size_t>(static_cast<std::size_t>(length), 1023) + 1, 0);
        rc = SQLGetDiagRecW(handleType, handle, record, state.data(), &nativeError, message.data(),
                            static_cast<SQLSMALLINT>(message.size()), &length);
        if (!succeeded(rc))
            break;
        records.push_back({fromWide(state.data(), 5),
                           fromWideBuffer(message.data(), static_cast<qsizetype>(message.size()))});
    }
    return records;
}

QString diagnosticText(const std::vector<Diagnostic>& records)
{
    QStringList lines;
    for (const Diagnostic& record : records)
        lines << QStringLiteral("%1 (%2)").arg(record.message, record.state);
    return lines.join(QLatin1Char('\n'));
}

void check(SQLRETURN rc, SQLSMALLINT handleType, SQLHANDLE handle, const QString& what)
{
    if (succeeded(rc))
        return;
    const QString details = diagnosticText(diagnosticsOf(handleType, handle));
    throw DbError(details.isEmpty() ? what : what + QLatin1Char('\n') + details);
}

Handle::Handle(SQLSMALLINT type, SQLHANDLE parent) : m_type(type)
{
    const SQLRETURN rc = SQLAllocHandle(type, parent, &m_handle);
    if (!succeeded(rc)) {
        const SQLSMALLINT parentType = type == SQL_HANDLE_STMT ? SQL_HANDLE_DBC : SQL_HANDLE_ENV;
        m_handle = SQL_NULL_HANDLE;
        check(rc, parentType, parent,
              QStringLiteral("The ODBC driver manager could not allocate a handle."));
    }
}

Handle::~Handle()
{
    if (m_handle != SQL_NULL_HANDLE)
        SQLFreeHandle(m_type, m_handle);
}

Environment::Environment() : m_handle(SQL_HANDLE_ENV, SQL_NULL_HANDLE)
{
    check(SQLSetEnvAttr(m_handle.get(), SQL_ATTR_ODBC_VERSION,
                        reinterpret_cast<SQLPOINTER>(static_cast<std::intptr_t>(SQL_OV_ODBC3)), 0),
          SQL_HANDLE_ENV, m_handle.get(),
          QStringLiteral("The ODBC driver manager refused ODBC 3."));
}

} // namespace db::odbc
