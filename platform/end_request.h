#pragma once

namespace platform {

/// Requests the end of the application: posts a quit and returns at once, so the caller runs on
/// to its end. The quit takes effect at the next pass of the event loop; every modal box or
/// dialog whose loop runs after the request closes at once with its cancel result.
void requestEnd();

/// True once the end has been requested in this run.
bool endRequested();

/// Runs the application's event loop until the end is requested; returns at once when the end
/// was requested before the loop started (a quit taken by an earlier processEvents is not lost).
int runEventLoop();

/// Forgets an earlier request. Only a test that runs several start-ups in one process needs it.
void resetEndRequest();

} // namespace platform
