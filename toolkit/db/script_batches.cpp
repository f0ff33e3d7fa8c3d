#include "toolkit/db/script_batches.h"

#include "toolkit/db/statement_text.h"

namespace toolkit {

bool isBatchSeparator(const QString& line)
{
    return trimmedOfControls(line).compare(QLatin1String("GO"), Qt::CaseInsensitive) == 0;
}

QStringList withoutCommentsAndEmptyLines(const QStringList& lines)
{
    QStringList kept;
    for (const QString& line : lines) {
        const bool comment =
            line.startsWith(QLatin1String("//")) || line.startsWith(QLatin1String("--"));
        if (!line.isEmpty() && !comment)
            kept.append(line);
    }
    return kept;
}

std::vector<ScriptBatch> scriptBatches(const QStringList& lines)
{
    std::vector<ScriptBatch> batches;
    qsizetype next = 0;
    int number = 0;
    while (next < lines.size()) {
        QStringList batchLines;
        while (next < lines.size() && !isBatchSeparator(lines[next]))
            batchLines.append(lines[next++]);
        batches.push_back({++number, batchLines.join(QLatin1String("\r\n"))});
        // What stops a batch is either the end of the script or a separator, which is skipped;
        // a separator on the last line leaves nothing for another batch.
        if (next < lines.size())
            ++next;
    }
    return batches;
}

} // namespace toolkit
