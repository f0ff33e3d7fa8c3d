#pragma once

#include "platform/tones.h"

#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

namespace testing_support {

/// Records every tone request instead of playing it, so calls take no time, and installs itself
/// for its lifetime.
class RecordingTones final : public platform::Tones {
public:
    RecordingTones() { platform::setTones(this); }
    ~RecordingTones() override { platform::setTones(nullptr); }
    RecordingTones(const RecordingTones&) = delete;
    RecordingTones& operator=(const RecordingTones&) = delete;

    void sound(int frequencyHz, int durationMs) override
    {
        sounds.emplace_back(frequencyHz, durationMs);
        calls << QStringLiteral("sound %1 %2").arg(frequencyHz).arg(durationMs);
    }
    void noSound() override { calls << QStringLiteral("noSound"); }
    void beep() override { calls << QStringLiteral("beep"); }

    /// Warning sounds heard: each is a 1200 Hz tone of 50 ms followed by 900 Hz of 100 ms.
    int warnings() const
    {
        int count = 0;
        for (std::size_t i = 0; i + 1 < sounds.size(); ++i)
            if (sounds[i] == std::pair(1200, 50) && sounds[i + 1] == std::pair(900, 100))
                ++count;
        return count;
    }

    QStringList calls;                       ///< "sound 1200 50", "noSound", "beep", in order
    std::vector<std::pair<int, int>> sounds; ///< frequency and duration of each tone
};

} // namespace testing_support
