#pragma once

#include "platform/error.h"

#include <QtGlobal>

namespace toolkit {

/// A picture that cannot be read, made or written.
class GraphicError : public platform::Error {
public:
    using platform::Error::Error;
};

/// The most pixels a picture may have, read or made: 64 megapixels, 192 MB as 24-bit rows.
/// A picture file's header can claim up to 65500 x 65500 pixels; nothing is allocated for more
/// than this, whatever the header says.
inline constexpr qint64 maxPicturePixels = qint64{64} * 1024 * 1024;

/// The largest picture file read, 256 MB.
inline constexpr qint64 maxPictureFileBytes = qint64{256} * 1024 * 1024;

} // namespace toolkit
