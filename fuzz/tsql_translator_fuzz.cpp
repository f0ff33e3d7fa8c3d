// The T-SQL translation on any statement text: it either refuses with DbError or gives SQLite
// text in which every string literal of a statement whose literals are all closed stands again,
// unchanged and in the same order (N'…' written '…'); and where it gives the statement with its
// literals as values, those values put back in place of the markers give the statement again.
#include "dataaccess/base/db_error.h"
#include "dataaccess/base/sql_text.h"
#include "dataaccess/sqlite/tsql_translator.h"
#include "fuzz/support/fuzz_support.h"

namespace {

using db::sql::Token;
using db::sql::TokenKind;

/// The string literals of a text as written, N'…' without its N; empty when one is left open.
std::optional<QStringList> closedLiterals(const QString& sql)
{
    QStringList literals;
    for (const Token& token : db::sql::tokenize(sql)) {
        if (!token.terminated)
            return std::nullopt;
        if (token.kind == TokenKind::String)
            literals.append(token.text(sql).toString());
        else if (token.kind == TokenKind::NString)
            literals.append(token.text(sql).mid(1).toString());
    }
    return literals;
}

/// The text with markers, each "?" outside literals, names and comments replaced by its value
/// written as a literal.
QString withValuesPutBack(const db::sqlite::LiteralValues& shaped)
{
    QString text;
    std::size_t next = 0;
    for (const Token& token : db::sql::tokenize(shaped.text)) {
        if (token.kind == TokenKind::Parameter && next < shaped.values.size())
            text += db::sql::quoteString(shaped.values[next++].toString());
        else
            text += token.text(shaped.text);
    }
    return next == shaped.values.size() ? text : QString();
}

/// True when every item of `part` stands in `whole` in the same order (others may come between).
bool inOrderWithin(const QStringList& part, const QStringList& whole)
{
    qsizetype at = 0;
    for (const QString& item : part) {
        while (at < whole.size() && whole[at] != item)
            ++at;
        if (at == whole.size())
            return false;
        ++at;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString tsql =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    db::sqlite::Translation translation;
    try {
        translation = db::sqlite::translateTsql(tsql);
    } catch (const db::DbError&) {
        return 0; // refused with a message
    }
    const std::optional<QStringList> written = closedLiterals(tsql);
    if (!written)
        return 0; // the engine refuses a literal left open
    // The condition runs first, then the statement: their literals in that order.
    const std::optional<QStringList> translated =
        closedLiterals(translation.condition + QLatin1Char('\n') + translation.sql);
    fuzz::require(translated.has_value(), "the translation leaves no literal open", tsql);
    fuzz::require(inOrderWithin(*written, *translated),
                  "every string literal comes through unchanged and in order",
                  tsql + QStringLiteral("\n->\n") + translation.condition + QStringLiteral("\n") +
                      translation.sql);
    if (translation.literals)
        fuzz::require(withValuesPutBack(*translation.literals) == translation.sql,
                      "the literals taken out as values, put back, give the statement",
                      tsql + QStringLiteral("\n->\n") + translation.literals->text);
    return 0;
}
