#include "dataaccess/engine.h"

namespace db {

Cursor::~Cursor() = default;
EngineSession::~EngineSession() = default;

} // namespace db
