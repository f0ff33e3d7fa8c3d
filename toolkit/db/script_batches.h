#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace toolkit {

/// One batch of a script: its number in the run (from 1, empty batches counted) and its lines
/// joined with CR LF. An empty batch (two separators in a row) has an empty text.
struct ScriptBatch {
    int number = 0;
    QString text;
};

/// True for a batch separator line: "GO" in any letter case once the blanks and control
/// characters at both ends are removed. "GO;" or "GO 2" are statement text, not separators.
bool isBatchSeparator(const QString& line);

/// The script lines without its empty lines (no characters at all) and comment lines (lines
/// whose first two characters are "//" or "--"); a line of blanks and an indented comment stay.
QStringList withoutCommentsAndEmptyLines(const QStringList& lines);

/// Cuts filtered script lines into batches at the separator lines, which are never part of a
/// batch. A separator that ends the script opens no further batch; no lines give no batch.
std::vector<ScriptBatch> scriptBatches(const QStringList& lines);

} // namespace toolkit
