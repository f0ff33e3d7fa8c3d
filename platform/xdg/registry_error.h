#pragma once

#include "platform/error.h"

namespace platform {

/// A registry operation that failed: a value that is not text, a write that was refused, or a
/// key or value name that cannot be stored. Left to the caller.
class RegistryError : public Error {
public:
    using Error::Error;
};

} // namespace platform
