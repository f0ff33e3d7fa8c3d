#pragma once

#include "platform/running_programs.h"
#include "platform/x_windows.h"

#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

namespace toolkit {

/// The window of the first program in the list whose executable is named fileName (letter case
/// ignored): the last of its windows in the window list's order. 0 when no program or no window
/// matches.
std::uint32_t programWindow(const QString& fileName,
                            const std::vector<platform::RunningProgram>& programs,
                            const std::vector<platform::ClientWindow>& windows);

/// The line a window adds to the window title list, or nothing when it is left out: it must be
/// visible or minimised, owned by nothing or by the desktop, not a tool window, and not titled
/// "GDI+ Window". The title is cut to 200 characters; an empty title is a line too.
std::optional<QString> windowTitleLine(const platform::WindowFacts& window);

} // namespace toolkit
