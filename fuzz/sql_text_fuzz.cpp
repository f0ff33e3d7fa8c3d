// The SQL text helpers on any text: the tokens cover the text whole and in order, a quoted
// literal or a bracketed name is one closed token that reads back as the value, and a table
// name comes out as closed, dot-separated parts.
#include "dataaccess/base/sql_text.h"
#include "fuzz/support/fuzz_support.h"

namespace {

using db::sql::Token;
using db::sql::TokenKind;

void tokensCoverTheText(const QString& sql)
{
    qsizetype at = 0;
    for (const Token& token : db::sql::tokenize(sql)) {
        fuzz::require(token.begin == at && token.length > 0, "tokens follow one another", sql);
        at += token.length;
    }
    fuzz::require(at == sql.size(), "tokens cover the whole text", sql);
}

// The value of a string literal: the quotes removed, doubled quotes made single.
QString literalValue(const QString& sql, const Token& token)
{
    QString inner = token.text(sql).mid(1, token.length - 2).toString();
    return inner.replace(QStringLiteral("''"), QStringLiteral("'"));
}

void quotingReadsBack(const QString& value)
{
    const QString literal = db::sql::quoteString(value);
    const std::vector<Token> literalTokens = db::sql::tokenize(literal);
    fuzz::require(literalTokens.size() == 1 && literalTokens.front().kind == TokenKind::String &&
                      literalTokens.front().terminated,
                  "a quoted value is one closed string literal", value);
    fuzz::require(literalValue(literal, literalTokens.front()) == value,
                  "a quoted value reads back", value);

    const QString name = db::sql::bracketName(value);
    const std::vector<Token> nameTokens = db::sql::tokenize(name);
    fuzz::require(nameTokens.size() == 1 && nameTokens.front().kind == TokenKind::Bracketed &&
                      nameTokens.front().terminated,
                  "a bracketed name is one closed token", value);
    fuzz::require(db::sql::tokenName(name, nameTokens.front()) == value,
                  "a bracketed name reads back", value);
}

void qualifiedNameIsClosedParts(const QString& value)
{
    const QString qualified = db::sql::bracketQualifiedName(value);
    bool partExpected = true;
    for (const Token& token : db::sql::tokenize(qualified)) {
        if (partExpected) {
            fuzz::require((token.kind == TokenKind::Bracketed || token.kind == TokenKind::Quoted) &&
                              token.terminated,
                          "each part of a table name is a closed bracket or quote",
                          value + QStringLiteral(" -> ") + qualified);
        } else {
            fuzz::require(token.kind == TokenKind::Symbol && token.text(qualified) == u".",
                          "the parts of a table name stand between dots",
                          value + QStringLiteral(" -> ") + qualified);
        }
        partExpected = !partExpected;
    }
    fuzz::require(!partExpected, "a table name ends with a part", value);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    tokensCoverTheText(text);
    for (const Token& token : db::sql::tokenize(text))
        db::sql::tokenName(text, token);
    quotingReadsBack(text);
    qualifiedNameIsClosedParts(text);
    return 0;
}
