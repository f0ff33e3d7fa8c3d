#include "toolkit/system/process_tools.h"

#include "platform/process_start.h"
#include "platform/shell.h"
#include "platform/url_open.h"

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
    // The folder part runs up to and including the last separator.
    const QString folder = FileName.left(FileName.lastIndexOf(QLatin1Char('/')) + 1);
    return platform::runAndWait(FileName, platform::splitParameters(Params), folder);
}

} // namespace toolkit
