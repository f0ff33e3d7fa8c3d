#pragma once

#include "platform/error.h"

namespace db {

/// Every failure of the access layer and its engines: the message is the engine's own text
/// where an engine failed, otherwise the layer's.
class DbError : public platform::Error {
public:
    using Error::Error;
};

} // namespace db
