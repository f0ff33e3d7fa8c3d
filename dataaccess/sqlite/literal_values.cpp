#include "dataaccess/sqlite/literal_values.h"

namespace db::sqlite {
namespace {

using sql::Token;
using sql::TokenKind;

bool isVerb(QStringView word)
{
    for (const QStringView verb : {u"INSERT", u"REPLACE", u"UPDATE", u"DELETE"}) {
        if (word.compare(verb, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

} // namespace

std::optional<LiteralValues> literalsAsValues(const QString& sql)
{
    return literalsAsValues(sql, sql::tokenize(sql));
}

std::optional<LiteralValues> literalsAsValues(const QString& sql, const std::vector<Token>& tokens)
{
    bool first = true;
    bool ended = false; // after a ";"
    int literals = 0;
    for (const Token& token : tokens) {
        if (token.kind == TokenKind::Space || token.kind == TokenKind::Comment)
            continue;
        if (ended)
            return std::nullopt; // a second statement
        if (first && (token.kind != TokenKind::Word || !isVerb(token.text(sql))))
            return std::nullopt;
        first = false;
        switch (token.kind) {
        case TokenKind::Parameter:
        case TokenKind::NString: // not left by the translation; read as SQLite reads it
            return std::nullopt;
        case TokenKind::String:
            if (!token.terminated || ++literals > kMostLiterals)
                return std::nullopt;
            break;
        case TokenKind::Symbol:
            ended = token.text(sql) == u";";
            break;
        default:
            break;
        }
    }
    if (literals == 0)
        return std::nullopt;

    LiteralValues shaped;
    shaped.values.reserve(std::size_t(literals));
    qsizetype passed = 0;
    for (const Token& token : tokens) {
        if (token.kind != TokenKind::String)
            continue;
        shaped.text += QStringView(sql).mid(passed, token.begin - passed);
        shaped.text += u'?';
        passed = token.begin + token.length;
        const QStringView inner = token.text(sql).mid(1, token.length - 2);
        shaped.values.emplace_back(
            inner.toString().replace(QStringLiteral("''"), QStringLiteral("'")));
    }
    shaped.text += QStringView(sql).mid(passed);
    return shaped;
}

} // namespace db::sqlite
