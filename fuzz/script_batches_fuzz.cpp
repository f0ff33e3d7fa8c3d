// The script batch splitter on any script file: the runner's path from the file's bytes to its
// batches. Every kept line lands in exactly one batch, in order; separators in none; batches are
// numbered from 1 without a gap.
#include "fuzz/support/fuzz_support.h"
#include "platform/text_file.h"
#include "toolkit/db/script_batches.h"

#include <QFile>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString path = fuzz::scratchPath(QStringLiteral("Create.List"));
    {
        QFile file(path);
        fuzz::require(file.open(QIODevice::WriteOnly | QIODevice::Truncate),
                      "the script is written", file.errorString());
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
    const QStringList kept = toolkit::withoutCommentsAndEmptyLines(platform::readTextLines(path));
    const std::vector<toolkit::ScriptBatch> batches = toolkit::scriptBatches(kept);

    QStringList statementLines;
    int separators = 0;
    for (const QString& line : kept) {
        if (toolkit::isBatchSeparator(line))
            ++separators;
        else
            statementLines.append(line);
    }
    QStringList batchLines;
    for (std::size_t i = 0; i < batches.size(); ++i) {
        fuzz::require(batches[i].number == static_cast<int>(i) + 1,
                      "batches are numbered from 1 without a gap");
        // Kept lines hold no line break, so the batch text splits back into its lines.
        if (!batches[i].text.isEmpty())
            batchLines.append(batches[i].text.split(QStringLiteral("\r\n")));
    }
    fuzz::require(batchLines == statementLines,
                  "every statement line is in one batch, in order, and no separator is",
                  kept.join(u'\n'));
    const bool endsWithSeparator = !kept.isEmpty() && toolkit::isBatchSeparator(kept.last());
    const int expected = kept.isEmpty() ? 0 : separators + (endsWithSeparator ? 0 : 1);
    fuzz::require(static_cast<int>(batches.size()) == expected,
                  "each separator ends one batch; one more follows the last unless it ends the "
                  "script",
                  kept.join(u'\n'));
    return 0;
}
