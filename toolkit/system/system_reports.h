#pragma once

#include "platform/xdg/computer_facts.h"
#include "platform/xdg/world_zones.h"
#include "toolkit/base/tools_state.h"

#include <QDateTime>
#include <QSize>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

namespace toolkit {

class MessageBoard;

/// The toolkit's reports of the machine it runs on: the program's version, the computer report
/// and the world clocks, both written on the message board.
class SystemReports {
public:
    /// Where the reports take their facts from; each defaults to this machine.
    struct Sources {
        std::function<platform::ComputerFacts()> computer;
        std::function<QSize()> screen;
        std::function<std::vector<platform::WorldZone>(const QDateTime&)> zones;
        std::function<QDateTime()> utcNow;
    };

    SystemReports(const SolarToday& today, MessageBoard& board, Sources sources = {});

    /// The program's version, four numbers joined by "." (the build's project version).
    QString GetVersion() const;
    /// Writes the computer report: date, screen, volume serial, keyboard languages, memory and
    /// the process formats.
    void GetSystemPeroperties();
    /// Writes the world clocks: Tehran, then every zone of the tz database.
    void ShowTimes();
    /// Does nothing.
    void ShowSystemInformation();
    /// Replaces the list StLName holds (if any) by a new one of 51 empty lines.
    void SetStringList(std::unique_ptr<QStringList>& StLName);

private:
    const SolarToday& m_today;
    MessageBoard& m_board;
    Sources m_sources;
};

} // namespace toolkit
