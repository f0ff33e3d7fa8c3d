#pragma once

namespace platform {

/// Tones and the desktop's notification sound. Production plays through the desktop's sound
/// system when there is one; each call takes its duration whether or not anything is heard.
class Tones {
public:
    virtual ~Tones() = default;
    /// A tone of the frequency (Hz) for the duration (ms); returns after the duration.
    /// Below 19 Hz no tone sounds but the duration still passes.
    virtual void sound(int frequencyHz, int durationMs) = 0;
    /// Stops a tone (tones here end by themselves; kept for callers that pair it with sound).
    virtual void noSound() = 0;
    /// The desktop's default notification sound.
    virtual void beep() = 0;
};

/// The process-wide tone service; a test may install its own (not owned; nullptr restores).
Tones& tones();
void setTones(Tones* tones);

} // namespace platform
