#include "toolkit/system/services/process_tools.h"

#include "platform/gui/url_open.h"
#include "platform/process_start.h"
#include "platform/shell.h"

#include <QFileInfo>

namespace toolkit {

void ProcessTools::ExecuteFilePara(const QString& FileName, const QString& Para)
{
    platform::shellOpenWith(FileName.trimmed(), platform::splitParameters(Para));
}

void ProcessTools::OPenUrl(const QString& URL)
{
    platform::openUrl(URL);
}

bool ProcessTools::ExecAndWait(const QString& FileName, const QString& Params)
{
    const QStringList arguments = platform::splitParameters(Params);
    if (!FileName.contains(QLatin1Char('/'))) // no folder part: found on the search path
        return platform::runAndWait(FileName, arguments, QString());
    // A relative name is taken from our current folder, before the program's folder is entered.
    const QFileInfo program(FileName);
    return platform::runAndWait(program.absoluteFilePath(), arguments, program.absolutePath());
}

} // namespace toolkit
