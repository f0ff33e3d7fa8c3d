#pragma once

#include <QRect>
#include <QString>
#include <QStringList>

namespace db {
class Connection;
}

namespace toolkit {

/// The slot of the connection every toolkit statement runs on: the toolkit's own until the data
/// module lends its farm connection. A concern keeps a reference to the slot, never a copy of
/// the pointer, so each statement runs on the connection of the moment. Not owned.
struct ServerSlot {
    db::Connection* ServerConnection = nullptr;
};

/// The first row the last DoSqlAndReturnParameters read, as texts.
struct StatementReturns {
    QStringList SqlReturnedValues; ///< filled with 50 empty texts at creation
    int SqlReturnedCount = 0;
};

/// Whether DropViewSafe may drop a view.
struct ViewDropping {
    bool ViewCanBeDroped = true; ///< nothing sets it back
};

struct ProgramPlace {
    QString AppPath; ///< the program folder, ending with the platform separator
};

struct VersionCode {
    QString WinVer; ///< first three characters of the system version code
};

/// Whether the last field template loaded was found and held any line.
struct TemplateFlag {
    bool LastINIFound = false;
};

struct SolarToday {
    QString FarsiToday; ///< today's solar date, computed once at creation
};

/// The state the toolkit's concerns share: one object, owned by TTools, made of the parts above.
/// Each concern holds references to the parts it uses, const where it only reads them. First
/// values are those the toolkit's creation handler gives.
struct ToolsState : ServerSlot,
                    StatementReturns,
                    ViewDropping,
                    ProgramPlace,
                    VersionCode,
                    TemplateFlag,
                    SolarToday {
    QRect DeskSize; ///< the desktop work area, in pixels; read by forms, by no concern
};

} // namespace toolkit
