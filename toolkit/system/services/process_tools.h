#pragma once

#include <QString>

namespace toolkit {

/// Starting other programs and documents: with parameters, waiting for them, and URLs.
class ProcessTools {
public:
    /// Opens the file (its name with leading and trailing blanks removed) as the shell's "open"
    /// does; a program gets Para as its arguments, split as a command line would split them and
    /// passed directly, never through a shell. Starts in the current folder and returns at once;
    /// a failure is ignored.
    void ExecuteFilePara(const QString& FileName, const QString& Para);
    /// Opens the URL in the desktop's program for it; returns at once, a failure is ignored.
    void OPenUrl(const QString& URL);
    /// Starts the program in its own folder (the folder part of FileName; without one the
    /// program is looked for on the search path and starts in the current folder) with Params
    /// split into arguments as ExecuteFilePara does, and blocks until it ends. True when the
    /// program was started.
    bool ExecAndWait(const QString& FileName, const QString& Params);
};

} // namespace toolkit
