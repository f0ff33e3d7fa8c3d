#include "platform/tone_samples.h"
#include "platform/tones.h"

#include <QByteArray>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>

namespace {

/// Sign changes along the samples: two a cycle of a tone.
int zeroCrossings(const std::vector<std::int16_t>& samples)
{
    int crossings = 0;
    int previousSign = 0;
    for (const std::int16_t s : samples) {
        const int sign = (s > 0) - (s < 0);
        if (sign != 0 && previousSign != 0 && sign != previousSign)
            ++crossings;
        if (sign != 0)
            previousSign = sign;
    }
    return crossings;
}

int peak(const std::vector<std::int16_t>& samples)
{
    int highest = 0;
    for (const std::int16_t s : samples)
        highest = std::max(highest, std::abs(static_cast<int>(s)));
    return highest;
}

struct ToneCase {
    const char* name;
    int frequencyHz;
    int durationMs;
    int sampleRate;
};

class ToneSamplesTest : public ::testing::TestWithParam<ToneCase> {};

TEST_P(ToneSamplesTest, HasTheFrequencyAndLastsTheDuration)
{
    const ToneCase& c = GetParam();
    const auto samples = platform::toneSamples(c.frequencyHz, c.durationMs, c.sampleRate);
    ASSERT_EQ(samples.size(), static_cast<std::size_t>(c.sampleRate) * c.durationMs / 1000);
    const int expectedCrossings = 2 * c.frequencyHz * c.durationMs / 1000;
    EXPECT_NEAR(zeroCrossings(samples), expectedCrossings, 2);
    EXPECT_GT(peak(samples), 8000);            // clearly audible
    EXPECT_LT(peak(samples), 32767);           // never clipped
    EXPECT_LT(std::abs(samples.front()), 100); // faded in and out: no click
    EXPECT_LT(std::abs(samples.back()), 100);
}

INSTANTIATE_TEST_SUITE_P(Tones, ToneSamplesTest,
                         ::testing::Values(ToneCase{"warningHigh", 1200, 50, 44100},
                                           ToneCase{"warningLow", 900, 100, 44100},
                                           ToneCase{"lowestAudible", 19, 1000, 8000},
                                           ToneCase{"nearNyquist", 3900, 200, 8000},
                                           ToneCase{"oddRate", 440, 30, 22050}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ToneSilence, BelowTheLowestToneOrAboveHalfTheRateIsSilenceOfTheSameLength)
{
    for (const auto& [frequency, rate] :
         {std::pair{18, 44100}, {0, 44100}, {-5, 44100}, {4000, 8000}, {30000, 44100}}) {
        const auto samples = platform::toneSamples(frequency, 100, rate);
        EXPECT_EQ(samples.size(), static_cast<std::size_t>(rate / 10)) << frequency;
        EXPECT_EQ(peak(samples), 0) << frequency;
    }
    EXPECT_TRUE(platform::toneSamples(1200, 0, 44100).empty());
    EXPECT_TRUE(platform::toneSamples(1200, -10, 44100).empty());
}

/// The production tones with the sound server pointed at a socket nobody listens on, and no X
/// display, so that no case depends on, or makes, a sound on the machine that runs it.
class DesktopTonesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_server = qgetenv("PULSE_SERVER");
        m_display = qgetenv("DISPLAY");
        qputenv("PULSE_SERVER", "unix:" + m_dir.filePath(QStringLiteral("dead.sock")).toUtf8());
        qunsetenv("DISPLAY");
        platform::setTones(nullptr);
    }
    void TearDown() override
    {
        restore("PULSE_SERVER", m_server);
        restore("DISPLAY", m_display);
    }

    static std::chrono::milliseconds timed(const std::function<void()>& call)
    {
        const auto start = std::chrono::steady_clock::now();
        call();
        return std::chrono::duration_cast<std::chrono::milliseconds>(
            std::chrono::steady_clock::now() - start);
    }

private:
    static void restore(const char* name, const QByteArray& value)
    {
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value);
    }

    QTemporaryDir m_dir;
    QByteArray m_server;
    QByteArray m_display;
};

TEST_F(DesktopTonesTest, WithoutASoundServerEveryCallStillTakesItsDuration)
{
    using std::chrono::milliseconds;
    const milliseconds sanity(5000); // only that the call comes back, not how fast
    for (const auto& [frequency, duration] : {std::pair{1200, 50}, {900, 100}, {18, 40}}) {
        const auto elapsed = timed([&] { platform::tones().sound(frequency, duration); });
        EXPECT_GE(elapsed, milliseconds(duration)) << frequency;
        EXPECT_LT(elapsed, sanity) << frequency;
    }
    EXPECT_LT(timed([] { platform::tones().sound(1200, 0); }), sanity);
    EXPECT_LT(timed([] { platform::tones().noSound(); }), sanity);
    EXPECT_LT(timed([] { platform::tones().beep(); }), sanity);
}

TEST_F(DesktopTonesTest, AnInstalledServiceTakesTheCallsUntilRemoved)
{
    struct Counting final : platform::Tones {
        void sound(int, int) override { ++sounds; }
        void noSound() override {}
        void beep() override { ++beeps; }
        int sounds = 0;
        int beeps = 0;
    } counting;
    platform::setTones(&counting);
    platform::tones().sound(1200, 10000);
    platform::tones().beep();
    platform::setTones(nullptr);
    EXPECT_EQ(counting.sounds, 1);
    EXPECT_EQ(counting.beeps, 1);
    EXPECT_NE(&platform::tones(), &counting);
}

} // namespace
