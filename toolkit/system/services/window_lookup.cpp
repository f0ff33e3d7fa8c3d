#include "toolkit/system/services/window_lookup.h"

#include <algorithm>

namespace toolkit {

namespace {
constexpr qsizetype kTitleLength = 200; // characters read of a window's title
}

std::uint32_t programWindow(const QString& fileName,
                            const std::vector<platform::RunningProgram>& programs,
                            const std::vector<platform::ClientWindow>& windows)
{
    const auto program = std::find_if(programs.begin(), programs.end(), [&](const auto& p) {
        return p.fileName.compare(fileName, Qt::CaseInsensitive) == 0;
    });
    if (program == programs.end())
        return 0;
    std::uint32_t handle = 0;
    for (const platform::ClientWindow& window : windows)
        if (window.pid == program->pid)
            handle = window.handle;
    return handle;
}

std::optional<QString> windowTitleLine(const platform::WindowFacts& window)
{
    if (!window.visible && !window.minimised)
        return std::nullopt;
    if (window.owner != 0 && window.owner != window.desktop)
        return std::nullopt;
    if (window.toolWindow)
        return std::nullopt;
    QString title = window.title.left(kTitleLength);
    if (!title.isEmpty() && title.back().isHighSurrogate())
        title.chop(1); // half a character is none
    if (title == QLatin1String("GDI+ Window"))
        return std::nullopt;
    return title;
}

} // namespace toolkit
