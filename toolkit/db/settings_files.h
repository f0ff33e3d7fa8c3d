#pragma once

#include "dataaccess/base/connection_settings.h"

#include <QString>
#include <QStringList>

namespace toolkit {

using db::ConnectionSettings;

/// File names of the connection settings beside the program.
inline const QString kMultiUsersFile = QStringLiteral("Multiusers.Dat");     ///< marker file
inline const QString kMultiConnectFile = QStringLiteral("MultiConnect.Dat"); ///< main server
inline const QString kWTimesFile = QStringLiteral("WTimes.DLL");             ///< single customer

/// The settings held by the lines of "WTimes.DLL": password, server, database and user name,
/// each scrambled with FindXOR. A missing line reads as an empty value; later lines are ignored.
ConnectionSettings settingsFromWTimes(const QStringList& lines);

/// Writes "WTimes.DLL" at `path` for the settings, readable by its owner only. Raises
/// platform::Error naming the first setting that would not read back as it is, before anything
/// is written: a value whose scrambled form holds CR followed by LF would split its line, and
/// one that is not whole UTF-16 text cannot be stored.
void writeWTimesFile(const QString& path, const ConnectionSettings& settings);

/// The lines of the text of "WTimes.DLL". A scrambled value may hold a lone CR or LF (a "/" at
/// position 17 becomes CR), so in a file whose lines end with CR LF only CR LF ends a line; a
/// file without any CR LF is split at every line break.
QStringList wtimesLines(const QString& fileText);

/// The main server's settings held by the lines of "MultiConnect.Dat": server, database, user
/// name and password in plain text; lines after the fourth are ignored. Raises platform::Error
/// when fewer than four lines are there.
ConnectionSettings settingsFromMultiConnect(const QStringList& lines);

/// The four lines "MultiConnect.Dat" is written with. Raises platform::Error naming the setting
/// when a value holds CR or LF, which the file cannot hold.
QStringList multiConnectLines(const ConnectionSettings& settings);

} // namespace toolkit
