#include "dataaccess/base/sql_text.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

using db::sql::TokenKind;

struct QuoteCase {
    const char* name;
    QString value;
    QString literal;
    QString bracketed;
};

class QuoteTest : public ::testing::TestWithParam<QuoteCase> {};

TEST_P(QuoteTest, DoublesTheClosingCharacter)
{
    EXPECT_EQ(db::sql::quoteString(GetParam().value), GetParam().literal);
    EXPECT_EQ(db::sql::bracketName(GetParam().value), GetParam().bracketed);
}

INSTANTIATE_TEST_SUITE_P(
    Values, QuoteTest,
    ::testing::Values(QuoteCase{"plain", QStringLiteral("Cows"), QStringLiteral("'Cows'"),
                                QStringLiteral("[Cows]")},
                      QuoteCase{"empty", QString(), QStringLiteral("''"), QStringLiteral("[]")},
                      QuoteCase{"quote", QStringLiteral("O'Neil's"), QStringLiteral("'O''Neil''s'"),
                                QStringLiteral("[O'Neil's]")},
                      QuoteCase{"closingBracket", QStringLiteral("a]; drop table x --"),
                                QStringLiteral("'a]; drop table x --'"),
                                QStringLiteral("[a]]; drop table x --]")},
                      QuoteCase{"persian", QStringLiteral("گاو 'شير'"),
                                QStringLiteral("'گاو ''شير'''"), QStringLiteral("[گاو 'شير']")}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BracketQualifiedName, BracketsEachPartOnce)
{
    EXPECT_EQ(db::sql::bracketQualifiedName(QStringLiteral("2Tarvex")),
              QStringLiteral("[2Tarvex]"));
    EXPECT_EQ(db::sql::bracketQualifiedName(QStringLiteral("Dbo.Info")),
              QStringLiteral("[Dbo].[Info]"));
    EXPECT_EQ(db::sql::bracketQualifiedName(QStringLiteral("[dbo].[Sql]]Commands]")),
              QStringLiteral("[dbo].[Sql]]Commands]"));
    EXPECT_EQ(db::sql::bracketQualifiedName(QStringLiteral("a]b")), QStringLiteral("[a]]b]"));
    // A bracket or quote left open is part of the name, not a delimiter that runs on.
    EXPECT_EQ(db::sql::bracketQualifiedName(QStringLiteral("[dbo].[Info")),
              QStringLiteral("[dbo].[[Info]"));
    EXPECT_EQ(db::sql::bracketQualifiedName(QStringLiteral("\"Info")), QStringLiteral("[\"Info]"));
}

/// The kinds and texts of the tokens of a statement, blanks left out.
QStringList describe(const QString& sql)
{
    QStringList parts;
    for (const db::sql::Token& token : db::sql::tokenize(sql)) {
        static const char* const names[] = {"space",   "comment", "string", "nstring",
                                            "bracket", "quoted",  "word",   "variable",
                                            "number",  "param",   "symbol"};
        if (token.kind != TokenKind::Space)
            parts.append(QString::fromLatin1(names[static_cast<int>(token.kind)]) + u':' +
                         token.text(sql).toString());
    }
    return parts;
}

struct TokenCase {
    const char* name;
    QString sql;
    QStringList tokens;
};

class TokenizeTest : public ::testing::TestWithParam<TokenCase> {};

TEST_P(TokenizeTest, SplitsAsTheServerReads)
{
    EXPECT_EQ(describe(GetParam().sql), GetParam().tokens) << GetParam().sql.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Statements, TokenizeTest,
    ::testing::Values(
        TokenCase{"nameStartingWithDigits",
                  QStringLiteral("delete from [2Tarvex] where 2Tarvex.x=1.5e3"),
                  {"word:delete", "word:from", "bracket:[2Tarvex]", "word:where", "word:2Tarvex",
                   "symbol:.", "word:x", "symbol:=", "number:1.5e3"}},
        TokenCase{"literalsHideEverything",
                  QStringLiteral("N'it''s -- :x' + 'a /* b' + [c]]d] \"e\"\"f\""),
                  {"nstring:N'it''s -- :x'", "symbol:+", "string:'a /* b'", "symbol:+",
                   "bracket:[c]]d]", "quoted:\"e\"\"f\""}},
        TokenCase{"comments",
                  QStringLiteral("a -- :x 'b\n/* c /* d */ :e */ f"),
                  {"word:a", "comment:-- :x 'b", "comment:/* c /* d */ :e */", "word:f"}},
        TokenCase{"parametersAndVariables",
                  QStringLiteral("x=:Sec and y=? and @@VERSION<>@v and t::int"),
                  {"word:x", "symbol:=", "param::Sec", "word:and", "word:y", "symbol:=", "param:?",
                   "word:and", "variable:@@VERSION", "symbol:<>", "variable:@v", "word:and",
                   "word:t", "symbol:::", "word:int"}},
        TokenCase{"persianNames",
                  QStringLiteral("select نام from گاو where a like '%سقط%'"),
                  {"word:select", "word:نام", "word:from", "word:گاو", "word:where", "word:a",
                   "word:like", "string:'%سقط%'"}},
        TokenCase{"unterminatedLiteralRunsToTheEnd",
                  QStringLiteral("select 'abc"),
                  {"word:select", "string:'abc"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Tokenize, CoversTheTextWholeAndMarksCutAndNestedPieces)
{
    const QString sql = QStringLiteral("a /* x /* y */ */ 'open");
    const std::vector<db::sql::Token> tokens = db::sql::tokenize(sql);
    QString joined;
    for (const db::sql::Token& token : tokens)
        joined += token.text(sql);
    EXPECT_EQ(joined, sql);
    EXPECT_TRUE(tokens[2].nested);
    EXPECT_FALSE(tokens.back().terminated);
}

TEST(TokenName, RemovesDelimiters)
{
    const QString sql = QStringLiteral("[a]]b] \"c\"\"d\" e");
    const std::vector<db::sql::Token> tokens = db::sql::tokenize(sql);
    EXPECT_EQ(db::sql::tokenName(sql, tokens[0]), QStringLiteral("a]b"));
    EXPECT_EQ(db::sql::tokenName(sql, tokens[2]), QStringLiteral("c\"d"));
    EXPECT_EQ(db::sql::tokenName(sql, tokens[4]), QStringLiteral("e"));
}

} // namespace
