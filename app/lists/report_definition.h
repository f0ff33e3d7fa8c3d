#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace app {

/// A column of the selection grid as the report sees it: the title shown over it (the field
/// name where it has no title of its own) and its field.
struct ReportColumn {
    QString title;
    QString fieldName;
};

/// The lines of the report definition "CSVReport.JSC" for the visible grid columns, in grid
/// order: "~" + title for each, then "Select ", each field followed by " ," except the last,
/// which stands alone, and "From [2Tarvex] ".
QStringList reportDefinitionLines(const std::vector<ReportColumn>& visibleColumns);

} // namespace app
