#include "dataaccess/base/engine.h"

namespace db {

Cursor::~Cursor() = default;
EngineSession::~EngineSession() = default;

} // namespace db
