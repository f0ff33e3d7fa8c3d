#include "platform/tones.h"

#include "platform/tone_samples.h"
#include "platform/x_desktop.h"

#include <QByteArray>
#include <QCoreApplication>
#include <chrono>
#include <pulse/error.h>
#include <pulse/simple.h>
#include <thread>

namespace platform {

namespace {

constexpr int sampleRate = 44100;
// The beep where the desktop has no bell of its own: a short A5.
constexpr int fallbackBeepHz = 880;
constexpr int fallbackBeepMs = 120;

/// Plays the samples through the sound server and waits until they have been heard; does
/// nothing when no server answers.
void playThroughSoundServer(const std::vector<std::int16_t>& samples)
{
    const pa_sample_spec spec{PA_SAMPLE_S16NE, sampleRate, 1};
    QByteArray name = QCoreApplication::applicationName().toUtf8();
    if (name.isEmpty())
        name = "tones";
    int error = 0;
    pa_simple* stream = pa_simple_new(nullptr, name.constData(), PA_STREAM_PLAYBACK, nullptr,
                                      "tone", &spec, nullptr, nullptr, &error);
    if (!stream)
        return;
    if (pa_simple_write(stream, samples.data(), samples.size() * sizeof(std::int16_t), &error) == 0)
        pa_simple_drain(stream, &error);
    pa_simple_free(stream);
}

/// Tones through the desktop's sound server (PulseAudio or PipeWire's PulseAudio service).
class DesktopTones final : public Tones {
public:
    void sound(int frequencyHz, int durationMs) override
    {
        if (durationMs <= 0)
            return;
        const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(durationMs);
        if (frequencyHz >= lowestToneHz)
            playThroughSoundServer(toneSamples(frequencyHz, durationMs, sampleRate));
        std::this_thread::sleep_until(end);
    }

    void noSound() override {}

    void beep() override
    {
        if (!ringXBell())
            sound(fallbackBeepHz, fallbackBeepMs);
    }
};

DesktopTones g_desktopTones;
Tones* g_tones = &g_desktopTones;

} // namespace

Tones& tones()
{
    return *g_tones;
}

void setTones(Tones* tones)
{
    g_tones = tones ? tones : &g_desktopTones;
}

} // namespace platform
