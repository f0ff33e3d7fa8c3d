#pragma once

#include "platform/modal_box.h"
#include "platform/tones.h"

#include <QString>
#include <QStringList>
#include <cstddef>
#include <cstdint>

// What every fuzz harness shares: reading its input as texts, a scratch folder, boxes and tones
// that answer at once, and the check that stops the run when a property fails.

/// The fuzzer's entry: one input, 0 when it was handled.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace fuzz {

/// The input cut at every byte 0xFF (which UTF-8 never holds) into fields, each decoded as
/// UTF-8 (a malformed sequence becomes U+FFFD), so seeds are readable texts with 0xFF between
/// them. Always at least one field; a harness reads a missing one as the empty text (value()).
QStringList texts(const std::uint8_t* data, std::size_t size);

/// The text with every character outside printable ASCII written as U+XXXX, so that a failure
/// shows exactly which characters were involved.
QString visible(const QString& text);

/// Prints what failed and aborts, so that the fuzzer keeps the input and the replay test fails.
[[noreturn]] void fail(const char* property, const QString& detail);

/// fail() unless the property holds.
inline void require(bool holds, const char* property, const QString& detail = {})
{
    if (!holds)
        fail(property, detail);
}

/// A file path in a folder made for this run (inside TMPDIR) and removed when it ends.
QString scratchPath(const QString& name);

/// Answers every message box with its default button and counts them.
class QuietBoxes final : public platform::BoxPresenter {
public:
    QuietBoxes() { platform::setBoxPresenter(this); }
    ~QuietBoxes() override { platform::setBoxPresenter(nullptr); }
    QuietBoxes(const QuietBoxes&) = delete;
    QuietBoxes& operator=(const QuietBoxes&) = delete;

    int present(const platform::BoxRequest& request) override
    {
        ++shown;
        return request.defaultResult;
    }
    int shown = 0;
};

/// Plays no tone.
class SilentTones final : public platform::Tones {
public:
    SilentTones() { platform::setTones(this); }
    ~SilentTones() override { platform::setTones(nullptr); }
    SilentTones(const SilentTones&) = delete;
    SilentTones& operator=(const SilentTones&) = delete;

    void sound(int, int) override {}
    void noSound() override {}
    void beep() override {}
};

} // namespace fuzz
