#pragma once

#include "dataaccess/base/sql_text.h"

#include <QString>
#include <QVariant>
#include <optional>
#include <vector>

namespace db::sqlite {

/// A statement with its string literals taken out as values: its text with a "?" in place of
/// each literal, and the literals' values in order.
struct LiteralValues {
    QString text;
    std::vector<QVariant> values;
};

/// For one INSERT, REPLACE, UPDATE or DELETE statement in SQLite's dialect, without parameter
/// markers and with string literals: the statement with its literals as values, so that
/// statements that differ only in their literals (the same row added for another animal) share
/// one prepared statement. Each literal stands where a value stands, unless SQLite reads it as a
/// name (DELETE FROM 'T'); the text with markers then fails to prepare and is not used.
/// nullopt for anything else: several statements, other verbs (a SELECT's literals may name
/// its columns), parameter markers, no literal, more than kMostLiterals, an unclosed literal.
std::optional<LiteralValues> literalsAsValues(const QString& sql);
/// The same, for a text already split into its tokens.
std::optional<LiteralValues> literalsAsValues(const QString& sql,
                                              const std::vector<sql::Token>& tokens);

inline constexpr int kMostLiterals = 100;

} // namespace db::sqlite
