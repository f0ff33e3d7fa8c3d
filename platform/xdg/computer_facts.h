#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

namespace platform {

/// What the computer report tells of the machine, apart from the screen.
struct ComputerFacts {
    /// The root file system's volume serial: the first 32 bits of its UUID; none when the root
    /// device has no UUID the system lists (a container's overlay, a network root).
    std::optional<quint32> volumeSerial;
    /// The language of each configured keyboard layout, in the desktop's order, at most 16.
    QStringList keyboardLanguages;
    int memoryLoadPercent = 0;   ///< [0, 100] of the main memory in use
    quint64 totalPhysicalKb = 0; ///< main memory, in KiB
    quint64 totalVirtualKb = 0;  ///< swap space, in KiB
};

/// Gathers the facts of this machine: /proc/meminfo, /dev/disk/by-uuid, the X keyboard map (or
/// /etc/default/keyboard without a display).
ComputerFacts computerFacts();

/// The memory figures of a /proc/meminfo text: MemTotal, the share of it not MemAvailable, and
/// SwapTotal. Nothing when MemTotal is missing or zero.
struct MemoryFigures {
    int loadPercent = 0;
    quint64 totalPhysicalKb = 0;
    quint64 totalVirtualKb = 0;
};
std::optional<MemoryFigures> parseMeminfo(const QByteArray& text);

/// The volume serial a file system UUID stands for: its first eight hex digits, as a number.
std::optional<quint32> volumeSerialOfUuid(const QString& uuid);

/// The language a keyboard layout of the X keyboard map names ("us" English (United States),
/// "ir" Persian (Iran)); the layout's own name when it names no country or language Qt knows.
QString keyboardLanguageName(const QString& layout);

/// The layouts of XKBLAYOUT in a /etc/default/keyboard text ("us,ir"); empty when not set.
QString layoutsOfKeyboardDefaults(const QByteArray& text);

} // namespace platform
