#include "app/lists/report_definition.h"

namespace app {

QStringList reportDefinitionLines(const std::vector<ReportColumn>& visibleColumns)
{
    QStringList lines;
    for (const ReportColumn& column : visibleColumns)
        lines << QLatin1Char('~') + column.title;
    lines << QStringLiteral("Select ");
    for (std::size_t i = 0; i < visibleColumns.size(); ++i) {
        const bool last = i + 1 == visibleColumns.size();
        lines << (last ? visibleColumns[i].fieldName
                       : visibleColumns[i].fieldName + QStringLiteral(" ,"));
    }
    lines << QStringLiteral("From [2Tarvex] ");
    return lines;
}

} // namespace app
