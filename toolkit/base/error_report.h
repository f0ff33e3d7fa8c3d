#pragma once

#include <QString>
#include <exception>
#include <functional>

namespace toolkit {

/// The application's general error report: a box with the error's own text, after which the
/// event loop goes on. Errors that no operation catches end here.
void reportError(const QString& message);

/// Runs an event handler and reports any error it raises, so that no exception crosses Qt's
/// event loop. Returns false when the handler failed.
bool guarded(const std::function<void()>& handler);

} // namespace toolkit
