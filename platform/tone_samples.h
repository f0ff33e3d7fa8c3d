#pragma once

#include <cstdint>
#include <vector>

namespace platform {

/// Lowest frequency that sounds as a tone; below it a tone call is silent for its duration.
constexpr int lowestToneHz = 19;

/// A tone as mono 16-bit PCM: a sine of the frequency for the duration, sampleRate × durationMs
/// / 1000 samples, at a third of full scale, faded in and out over at most 2 ms so that it starts
/// and stops without a click. Silence (zeros of the same length) for a frequency below
/// lowestToneHz or at or above half the sample rate, which no speaker can carry.
std::vector<std::int16_t> toneSamples(int frequencyHz, int durationMs, int sampleRate);

} // namespace platform
