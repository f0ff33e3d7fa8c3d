#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace toolkit {

/// One row of the message board's report: a short title and its text.
struct BoardRow {
    QString title;
    QString text;
    bool operator==(const BoardRow&) const = default;
};

/// The title of the rows that continue a text too long for one row.
inline const QString continuationTitle = QStringLiteral(" .. ");
/// The most characters a text shows on one row before it is split.
constexpr qsizetype boardRowLength = 70;

/// The rows one posted text becomes. A text of at most 70 characters is one row. A longer one is
/// cut at exactly 70 characters, even inside a word; each continuation row then runs up to and
/// including the first blank at character 70 or later of what is left, or to its end.
std::vector<BoardRow> splitBoardText(const QString& Titr, const QString& Value);

/// A report line: title, "=", text. Only the first "=" of a line separates the two.
QString boardLine(const BoardRow& row);

/// The file name the save dialog suggests: the caption, a blank and the first row's line, without
/// its first "=", without any "/", trimmed.
QString suggestedReportName(const QString& caption, const BoardRow& firstRow);

} // namespace toolkit
