#pragma once

#include <QString>

namespace toolkit {

/// True for the characters the toolkit trims at the ends of a text: code 32 and below (blanks,
/// tabs, line breaks and the other control characters).
bool isBlankOrControl(QChar c);

/// The text without its leading and trailing characters of code 32 or less.
QString trimmedOfControls(const QString& text);

/// The text without its leading blanks; only code 32 is removed, a tab or a line break stays.
QString withoutLeadingBlanks(const QString& text);

/// True when the first six characters read SELECT in any letter case (nothing is trimmed first).
bool beginsWithSelect(const QString& statement);

/// The count query ExecSql runs in place of a SELECT. The first six characters are dropped; the
/// rest is cut at its first "FROM" (any letter case, also inside a longer word) into the select
/// list H and the tail T, and the result is "Select Count(" H ") As Res " " " T, so two blanks
/// stand before the FROM. Without a FROM, H is empty and T is the whole rest.
QString countQueryOf(const QString& select);

} // namespace toolkit
