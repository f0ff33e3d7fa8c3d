#include "platform/tone_samples.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace platform {

std::vector<std::int16_t> toneSamples(int frequencyHz, int durationMs, int sampleRate)
{
    if (durationMs <= 0 || sampleRate <= 0)
        return {};
    const auto count = static_cast<std::size_t>(static_cast<std::int64_t>(sampleRate) * durationMs /
                                                1000); // whole samples
    std::vector<std::int16_t> samples(count, 0);
    if (frequencyHz < lowestToneHz || 2 * static_cast<std::int64_t>(frequencyHz) >= sampleRate)
        return samples;

    constexpr double amplitude = 32767.0 / 3.0;
    constexpr int fadeMs = 2;
    const std::size_t fade =
        std::min<std::size_t>(static_cast<std::size_t>(sampleRate) * fadeMs / 1000, count / 2);
    const double step = 2.0 * std::numbers::pi * frequencyHz / sampleRate; // radians a sample
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t edge = std::min(i, count - 1 - i); // samples to the nearer end
        const double gain = edge < fade ? static_cast<double>(edge) / fade : 1.0; // [0, 1]
        samples[i] = static_cast<std::int16_t>(
            std::lround(amplitude * gain * std::sin(step * static_cast<double>(i))));
    }
    return samples;
}

} // namespace platform
