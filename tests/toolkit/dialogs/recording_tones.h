#pragma once

#include "platform/tones.h"

#include <QString>
#include <QStringList>

namespace dialogs_test {

/// Records every tone request as a short text ("sound 1200 50", "noSound", "beep") and
/// installs itself for its lifetime.
class RecordingTones final : public platform::Tones {
public:
    RecordingTones() { platform::setTones(this); }
    ~RecordingTones() override { platform::setTones(nullptr); }
    RecordingTones(const RecordingTones&) = delete;
    RecordingTones& operator=(const RecordingTones&) = delete;

    void sound(int frequencyHz, int durationMs) override
    {
        calls << QStringLiteral("sound %1 %2").arg(frequencyHz).arg(durationMs);
    }
    void noSound() override { calls << QStringLiteral("noSound"); }
    void beep() override { calls << QStringLiteral("beep"); }

    QStringList calls;
};

} // namespace dialogs_test
