#pragma once

// A program folder and a small farm with known animals, and the program's start-up run on
// them in the program's own order: selection form, toolkit object, data module.
#include "app/selection_program.h"
#include "support/recording_tones.h"
#include "support/scripted_box_presenter.h"
#include "toolkit/tools.h"

#include <QString>
#include <QTemporaryDir>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace app_test {

using testing_support::RecordingTones;

/// The captions and texts of the boxes shown, for a failure's message.
std::string shownBoxes(const testing_support::ScriptedBoxPresenter& boxes);

/// The animals of the fixture farm, by serial. Body numbers and facts are in selection_app.cpp.
namespace serials {
inline const QString kPlain = QStringLiteral("501");      ///< body 00012, tag 7001, protocols
inline const QString kAborted = QStringLiteral("502");    ///< body 00034
inline const QString kTwinA = QStringLiteral("503");      ///< body 00077, shared
inline const QString kTwinB = QStringLiteral("504");      ///< body 00077, shared
inline const QString kMale = QStringLiteral("507");       ///< body 00066
inline const QString kStaleSperm = QStringLiteral("508"); ///< body 00045
inline const QString kLongBody = QStringLiteral("509");   ///< body 123456
} // namespace serials

/// A temporary program folder beside a farm folder.
class FarmFolders {
public:
    FarmFolders();

    QString programFolder() const; ///< with a trailing separator
    QString farmPath() const;      ///< the farm database file
    QString farmServer() const;    ///< the farm folder as an embedded server

    /// Writes the fixture farm (without the working table).
    void writeFarm(bool withProtocols = true) const;
    /// Copies the program's "Create.List" into the program folder.
    void installCreateList() const;
    /// Writes "WTimes.DLL" for the server and database, scrambled as the program reads it.
    void writeSettings(const QString& server, const QString& database) const;
    void writeSettings() const { writeSettings(farmServer(), QStringLiteral("Farm")); }
    /// A stand-in report generator "VexaSystem.exe" (or the name given) that writes
    /// startedMarker() when started.
    void installReportGenerator(const QString& name = QStringLiteral("VexaSystem.exe")) const;
    QString startedMarker() const;

    /// Runs a statement on the farm through the engine directly, as another workstation would.
    void exec(const std::string& sql) const;
    /// The rows of a query on the farm, one line each, columns separated by "|".
    std::string rows(const std::string& sql) const;

private:
    QTemporaryDir m_root;
};

/// The program started on a program folder as its entry starts it.
class SelectionApp {
public:
    explicit SelectionApp(const QString& programFolder);
    ~SelectionApp();

    /// Types the text into the entry and presses Enter there.
    void enter(QWidget* entry, const QString& text);
    /// The serials the grid shows, top to bottom.
    QStringList gridSerials() const;

    std::unique_ptr<app::SelectionProgram> program;
    app::TSelectForm* form;
    toolkit::TTools* tools;
    app::TDM* dm;
};

} // namespace app_test
