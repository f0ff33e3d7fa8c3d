#pragma once

#include "platform/error.h"

namespace toolkit {

/// A text that does not read as the integer, date or time it must hold. Raised where the caller
/// is left to deal with the failure; the general error report shows its message.
class ConversionError : public platform::Error {
public:
    using platform::Error::Error;
};

} // namespace toolkit
