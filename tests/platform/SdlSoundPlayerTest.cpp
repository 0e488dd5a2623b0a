#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "Wav.h"
#include "platform/SdlSoundPlayer.h"
#include "support/GameFolder.h"

namespace {

constexpr int Rate = 44100;

// SDL's disk driver writes what the device plays into a file, in real time, so a test can
// hear the player. The environment is set before the player starts SDL.
class TDiskAudio {
public:
    explicit TDiskAudio(const std::filesystem::path& file) : File(file) {
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", File.c_str(), 1);
    }
    ~TDiskAudio() { setenv("SDL_AUDIODRIVER", "dummy", 1); }
    TDiskAudio(const TDiskAudio&) = delete;
    TDiskAudio& operator=(const TDiskAudio&) = delete;

    // The left channel of every frame written so far (the device plays stereo; both
    // channels are checked alike).
    std::vector<int16_t> Frames() const {
        const std::string bytes = ReadWholeFile(File).value_or("");
        std::vector<int16_t> samples(bytes.size() / sizeof(int16_t));
        if (!samples.empty()) {
            std::memcpy(samples.data(), bytes.data(), samples.size() * sizeof(int16_t));
        }
        std::vector<int16_t> frames;
        for (std::size_t i = 0; i + 1 < samples.size(); i += 2) {
            EXPECT_NEAR(samples[i], samples[i + 1], 2) << "channels differ at frame " << i / 2;
            frames.push_back(samples[i]);
        }
        return frames;
    }

    // Waits, up to a generous limit, until the output satisfies the condition.
    bool WaitFor(const std::function<bool(const std::vector<int16_t>&)>& done) const {
        const auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(15);
        while (std::chrono::steady_clock::now() < limit) {
            if (done(Frames())) {
                return true;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        return false;
    }

private:
    std::filesystem::path File;
};

std::size_t CountFrames(const std::vector<int16_t>& frames, const std::function<bool(int)>& kind) {
    std::size_t count = 0;
    for (int16_t frame : frames) {
        count += kind(frame) ? 1 : 0;
    }
    return count;
}

void WriteMonoWav(const TGameFolder& folder, std::string_view gamePath,
                  const std::vector<int16_t>& samples) {
    folder.Write(gamePath, EncodeWav16(samples, Rate, 1));
}

}  // namespace

TEST(SdlSoundPlayer, PlayedSoundReachesTheOutputSampleForSample) {
    TGameFolder folder;
    TDiskAudio audio(folder.Root / "output.raw");
    std::vector<int16_t> ramp;
    for (int i = 0; i < Rate / 5; ++i) {
        ramp.push_back(static_cast<int16_t>(1000 + (i % 100) * 80));
    }
    WriteMonoWav(folder, "Sfx\\Ramp.wav", ramp);
    {
        TSdlSoundPlayer player;
        player.Play("Sfx\\Ramp.wav");
        ASSERT_TRUE(audio.WaitFor([&](const std::vector<int16_t>& frames) {
            return CountFrames(frames, [](int v) { return v != 0; }) >= ramp.size();
        }));
    }
    const std::vector<int16_t> frames = audio.Frames();
    std::size_t start = 0;
    while (start < frames.size() && frames[start] == 0) {
        ++start;
    }
    ASSERT_GE(frames.size(), start + ramp.size());
    for (std::size_t i = 0; i < ramp.size(); ++i) {
        ASSERT_NEAR(frames[start + i], ramp[i], 2) << "frame " << i;
    }
    EXPECT_EQ(CountFrames(frames, [](int v) { return v != 0; }), ramp.size());
}

TEST(SdlSoundPlayer, NewSoundCutsOffThePlayingOneWithoutAGap) {
    TGameFolder folder;
    TDiskAudio audio(folder.Root / "output.raw");
    const std::vector<int16_t> longHigh(2 * Rate, 8000);
    // Like every sound of the game, the new one rises from silence over a few milliseconds.
    std::vector<int16_t> shortLow(Rate / 10, -8000);
    for (int i = 0; i < 220; ++i) {
        shortLow[static_cast<std::size_t>(i)] = static_cast<int16_t>(-8000 * i / 220);
    }
    WriteMonoWav(folder, "Sfx\\Long.wav", longHigh);
    WriteMonoWav(folder, "Sfx\\Short.wav", shortLow);
    const auto isHigh = [](int v) { return v > 4000; };
    const auto isLow = [](int v) { return v < -4000; };
    {
        TSdlSoundPlayer player;
        player.Play("Sfx\\Long.wav");
        ASSERT_TRUE(audio.WaitFor([&](const std::vector<int16_t>& frames) {
            return CountFrames(frames, isHigh) >= static_cast<std::size_t>(Rate / 10);
        }));
        player.Play("Sfx\\Short.wav");
        // All of the short sound but the few milliseconds it shares with the fading cut.
        ASSERT_TRUE(audio.WaitFor([&](const std::vector<int16_t>& frames) {
            return CountFrames(frames, isLow) + 300 >= shortLow.size();
        }));
    }
    const std::vector<int16_t> frames = audio.Frames();
    std::size_t firstLow = 0;
    while (firstLow < frames.size() && !isLow(frames[firstLow])) {
        ++firstLow;
    }
    ASSERT_LT(firstLow, frames.size());
    // The long sound stopped where the short one began; it was heard for a fraction of its
    // length only.
    EXPECT_LT(CountFrames(frames, isHigh), longHigh.size() / 2);
    EXPECT_LE(CountFrames(frames, isLow), shortLow.size());
    for (std::size_t i = firstLow; i < frames.size(); ++i) {
        ASSERT_FALSE(isHigh(frames[i])) << "the cut sound goes on at frame " << i;
    }
    // The cut fades the old sound out under the new one: no jump from +8000 to -8000
    // anywhere around it.
    for (std::size_t i = firstLow > 500 ? firstLow - 500 : 0; i < firstLow + 20; ++i) {
        EXPECT_LE(std::abs(frames[i + 1] - frames[i]), 2000) << "a click at frame " << i;
    }
}

TEST(SdlSoundPlayer, MissingOrDamagedFilePlaysNothing) {
    TGameFolder folder;
    TDiskAudio audio(folder.Root / "output.raw");
    folder.Write("Sfx\\Damaged.wav", "RIFF\x10\x00\x00\x00WAVEfmt garbage");
    {
        TSdlSoundPlayer player;
        EXPECT_NO_THROW(player.Play("Sfx\\Missing.wav"));
        EXPECT_NO_THROW(player.Play("Sfx\\Damaged.wav"));
        EXPECT_NO_THROW(player.Play("Sfx\\Missing.wav"));
        ASSERT_TRUE(audio.WaitFor([](const std::vector<int16_t>& frames) {
            return frames.size() >= static_cast<std::size_t>(Rate / 5);
        }));
    }
    EXPECT_EQ(CountFrames(audio.Frames(), [](int v) { return v != 0; }), 0u);
}

TEST(SdlSoundPlayer, AFileThatCannotBeReadStillCutsOffThePlayingSound) {
    const std::vector<int16_t> longHigh(2 * Rate, 8000);
    const auto isHigh = [](int v) { return v > 4000; };
    for (const char* unreadable : {"Sfx\\Missing.wav", "Sfx\\Damaged.wav"}) {
        TGameFolder folder;
        TDiskAudio audio(folder.Root / "output.raw");
        WriteMonoWav(folder, "Sfx\\Long.wav", longHigh);
        folder.Write("Sfx\\Damaged.wav", "RIFF\x10\x00\x00\x00WAVEfmt garbage");
        std::size_t framesAtCut = 0;
        {
            TSdlSoundPlayer player;
            player.Play("Sfx\\Long.wav");
            ASSERT_TRUE(audio.WaitFor([&](const std::vector<int16_t>& frames) {
                return CountFrames(frames, isHigh) >= static_cast<std::size_t>(Rate / 10);
            }));
            player.Play(unreadable);
            // Counted after the cut: whatever the device wrote before it, however long the
            // test was kept from running, belongs to the long sound.
            framesAtCut = audio.Frames().size();
            // Half a second more: the long sound would still be playing.
            ASSERT_TRUE(audio.WaitFor([&](const std::vector<int16_t>& frames) {
                return frames.size() >= framesAtCut + Rate / 2;
            }));
        }
        // What the device had taken before the cut, and a buffer or two, is all of it.
        EXPECT_LT(CountFrames(audio.Frames(), isHigh), framesAtCut + 2048) << unreadable;
    }
}

TEST(SdlSoundPlayer, WithoutAudioEverySoundIsSilence) {
    TGameFolder folder;
    WriteMonoWav(folder, "Sfx\\Tone.wav", std::vector<int16_t>(Rate / 10, 5000));
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    {
        TSdlSoundPlayer player;
        EXPECT_NO_THROW(player.Play("Sfx\\Tone.wav"));
        EXPECT_NO_THROW(player.Play("Sfx\\Tone.wav"));
    }
    // The failed start left SDL clean: a new player with a working driver is heard.
    TDiskAudio audio(folder.Root / "output.raw");
    TSdlSoundPlayer player;
    player.Play("Sfx\\Tone.wav");
    EXPECT_TRUE(audio.WaitFor([](const std::vector<int16_t>& frames) {
        return CountFrames(frames, [](int v) { return std::abs(v - 5000) <= 2; }) ==
               static_cast<std::size_t>(Rate / 10);
    }));
}
