#pragma once

#include <QString>
#include <QStringView>
#include <vector>

namespace db::sql {

/// The value as a SQL string literal: in single quotes, every embedded single quote doubled.
QString quoteString(const QString& value);
/// The name in square brackets, every embedded "]" doubled, so the name cannot close the bracket.
QString bracketName(const QString& name);
/// A table name as it may be given to a table dataset ("2Tarvex", "Dbo.Info", "[dbo].[Info]"):
/// each dot-separated part bracketed; parts already in closed brackets or quotes are kept as
/// written.
QString bracketQualifiedName(const QString& name);

enum class TokenKind {
    Space,     ///< blanks, tabs, line breaks
    Comment,   ///< "-- …" to the line end, or "/* … */" (nested as T-SQL nests them)
    String,    ///< '…' with '' inside
    NString,   ///< N'…'
    Bracketed, ///< […] with ]] inside
    Quoted,    ///< "…" with "" inside
    Word,      ///< a name or keyword: letters (any script), digits, _, #, $
    Variable,  ///< @name or @@name
    Number,    ///< digits with an optional fraction and exponent
    Parameter, ///< :name (the layer's own named parameter) or ?
    Symbol,    ///< any other character, or one of <= >= <> != || ::
};

/// One token: its kind and where it stands in the text.
struct Token {
    TokenKind kind;
    qsizetype begin;
    qsizetype length;
    bool terminated = true; ///< false for a literal, bracket, quote or comment the text cuts off
    /// Block comments only: true when it holds another block comment.
    bool nested = false;

    QStringView text(const QString& sql) const { return QStringView(sql).mid(begin, length); }
};

/// Splits a statement text into tokens covering it whole, in order.
std::vector<Token> tokenize(const QString& sql);

/// The name a Word, Bracketed or Quoted token stands for (brackets and quotes removed, their
/// doubled closing characters made single); other tokens give their text unchanged.
QString tokenName(const QString& sql, const Token& token);

} // namespace db::sql
