#pragma once

#include <QRect>
#include <QString>
#include <QStringList>

namespace db {
class Connection;
}

namespace toolkit {

/// The state the toolkit's concerns share. One object, owned by TTools; every concern holds a
/// reference to it. First values are those the toolkit's creation handler gives.
struct ToolsState {
    QRect DeskSize;              ///< the desktop work area, in pixels
    QString AppPath;             ///< the program folder, ending with the platform separator
    QString WinVer;              ///< first three characters of the system version code
    bool ViewCanBeDroped = true; ///< nothing sets it back
    bool LastINIFound = false;
    /// The connection every toolkit statement runs on: the toolkit's own until the data module
    /// lends its farm connection. Not owned.
    db::Connection* ServerConnection = nullptr;
    QStringList SqlReturnedValues; ///< filled with 50 empty texts at creation
    int SqlReturnedCount = 0;
    QString FarsiToday; ///< today's solar date, computed once at creation
};

} // namespace toolkit
