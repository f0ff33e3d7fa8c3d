#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

namespace platform {

// Starting programs directly, never through a shell. A started program inherits our standard
// input, output and error (0 to 2) and no other handle of ours: database sockets and open files
// stay ours.

/// The arguments of a parameter text, split as a command line would split them: blanks separate
/// arguments, double quotes group blanks into one and a tripled quote stands for a quote. No
/// character is special beyond that (";", "|", "$" are plain text); an empty text gives none.
QStringList splitParameters(const QString& parameters);

/// Starts the program with the arguments and returns at once, without waiting. workingFolder
/// empty: the program starts in our current folder. False when it could not be started.
bool startDetached(const QString& program, const QStringList& arguments,
                   const QString& workingFolder = {});

/// Starts the program and blocks, processing no events, until it ends. Its output goes where
/// ours goes and its input is empty, so no pipe fills and nothing waits on our console. False
/// when it could not be started; how it ended does not matter.
bool runAndWait(const QString& program, const QStringList& arguments, const QString& workingFolder);

/// Runs a short helper program and returns its standard output once it ended with exit code 0
/// within timeoutMs (the program is killed after that); nothing otherwise. Its input is empty
/// and its error output goes where ours goes.
std::optional<QByteArray> runForOutput(const QString& program, const QStringList& arguments,
                                       int timeoutMs);

} // namespace platform
