#include "toolkit/dialogs/board_rows.h"

namespace toolkit {

std::vector<BoardRow> splitBoardText(const QString& Titr, const QString& Value)
{
    if (Value.size() <= boardRowLength)
        return {BoardRow{Titr, Value}};
    std::vector<BoardRow> rows{BoardRow{Titr, Value.left(boardRowLength)}};
    QString rest = Value.mid(boardRowLength);
    while (!rest.isEmpty()) {
        qsizetype pieceLength = rest.size();
        if (rest.size() > boardRowLength) {
            // Index 69 is character position 70, counted from 1.
            const qsizetype blank = rest.indexOf(QLatin1Char(' '), boardRowLength - 1);
            if (blank >= 0)
                pieceLength = blank + 1;
        }
        rows.push_back(BoardRow{continuationTitle, rest.left(pieceLength)});
        rest.remove(0, pieceLength);
    }
    return rows;
}

QString boardLine(const BoardRow& row)
{
    return row.title + QLatin1Char('=') + row.text;
}

QString suggestedReportName(const QString& caption, const BoardRow& firstRow)
{
    QString name = caption + QLatin1Char(' ') + boardLine(firstRow);
    name.remove(name.indexOf(QLatin1Char('=')), 1);
    name.remove(QLatin1Char('/'));
    return name.trimmed();
}

} // namespace toolkit
