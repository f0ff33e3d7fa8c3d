// The connection-string builder on any settings: it either refuses with DbError or writes a
// string that, read the way the ODBC driver manager reads it, holds exactly the keys it means,
// in order, each with the value it was given.
//
// Input: server, database, user name, password and TDS version, separated by bytes 0xFF.
#include "dataaccess/base/db_error.h"
#include "dataaccess/odbc/connection_string.h"
#include "fuzz/support/fuzz_support.h"

#include <utility>
#include <vector>

namespace {

using Attributes = std::vector<std::pair<QString, QString>>;

/// KEY=value pairs separated by ";": a value that starts with "{" runs to the first "}", which
/// the ";" must follow; nullopt for a string that does not read so.
std::optional<Attributes> readConnectionString(const QString& text)
{
    Attributes attributes;
    qsizetype at = 0;
    while (at < text.size()) {
        const qsizetype equals = text.indexOf(QLatin1Char('='), at);
        if (equals < 0)
            return std::nullopt;
        const QString key = text.sliced(at, equals - at);
        qsizetype end = 0;
        QString value;
        if (text.sliced(equals + 1).startsWith(QLatin1Char('{'))) {
            const qsizetype close = text.indexOf(QLatin1Char('}'), equals + 1);
            if (close < 0)
                return std::nullopt;
            value = text.sliced(equals + 2, close - equals - 2);
            end = close + 1;
            if (end < text.size() && text[end] != QLatin1Char(';'))
                return std::nullopt;
        } else {
            end = text.indexOf(QLatin1Char(';'), equals);
            if (end < 0)
                end = text.size();
            value = text.sliced(equals + 1, end - equals - 1);
        }
        attributes.emplace_back(key, value);
        at = end + 1;
    }
    return attributes;
}

QString shown(const Attributes& attributes)
{
    QStringList pairs;
    for (const auto& [key, value] : attributes)
        pairs.append(key + QStringLiteral(" = <") + value + QStringLiteral(">"));
    return pairs.join(QLatin1Char('\n'));
}

void requireReadsAs(const QString& text, const Attributes& expected)
{
    const std::optional<Attributes> read = readConnectionString(text);
    fuzz::require(read.has_value(), "the connection string reads", text);
    fuzz::require(*read == expected, "the connection string holds the values given, no more",
                  text + QStringLiteral("\nexpected\n") + shown(expected));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QStringList fields = fuzz::texts(data, size);
    const QString server = fields.value(0);
    const QString database = fields.value(1);
    const QString user = fields.value(2);
    const QString password = fields.value(3);
    db::odbc::ServerOptions options;
    options.tdsVersion = fields.value(4);

    try {
        const QString text =
            db::odbc::buildConnectionString(server, database, user, password, options);
        const db::odbc::ServerAddress address = db::odbc::parseServerSetting(server);
        Attributes expected{{QStringLiteral("DRIVER"), options.driver},
                            {QStringLiteral("SERVER"), address.host}};
        if (address.port != 0)
            expected.emplace_back(QStringLiteral("PORT"), QString::number(address.port));
        expected.emplace_back(QStringLiteral("DATABASE"), database);
        expected.emplace_back(QStringLiteral("UID"), user);
        expected.emplace_back(QStringLiteral("PWD"), password);
        if (!options.tdsVersion.isEmpty())
            expected.emplace_back(QStringLiteral("TDS_Version"), options.tdsVersion);
        expected.emplace_back(QStringLiteral("ClientCharset"), QStringLiteral("UTF-8"));
        expected.emplace_back(QStringLiteral("TextSize"), QStringLiteral("2147483647"));
        requireReadsAs(text, expected);
    } catch (const db::DbError&) {
        // refused with a message
    }

    try {
        requireReadsAs(db::odbc::buildDataSourceConnectionString(server, database, user, password),
                       {{QStringLiteral("DSN"), server},
                        {QStringLiteral("DATABASE"), database},
                        {QStringLiteral("UID"), user},
                        {QStringLiteral("PWD"), password}});
    } catch (const db::DbError&) {
    }
    return 0;
}
