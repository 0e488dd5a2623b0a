#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/FileSystem.h"

namespace {

uint32_t Little(const std::string& bytes, std::size_t at, int size) {
    uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) {
        value = value << 8 | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
    }
    return value;
}

struct TWavFile {
    int Channels = 0;
    int Rate = 0;
    std::vector<int16_t> Samples;

    double Seconds() const { return static_cast<double>(Samples.size()) / Channels / Rate; }
    int Peak() const {
        int peak = 0;
        for (int16_t sample : Samples) {
            peak = std::max(peak, std::abs(static_cast<int>(sample)));
        }
        return peak;
    }
};

// Reads a RIFF WAVE file, checking every header field a player relies on.
TWavFile ReadPcm16Wav(const std::filesystem::path& file) {
    TWavFile wav;
    const std::string bytes = ReadWholeFile(file).value_or("");
    EXPECT_GE(bytes.size(), 44u) << file;
    if (bytes.size() < 44) {
        return wav;
    }
    EXPECT_EQ(bytes.substr(0, 4), "RIFF");
    EXPECT_EQ(Little(bytes, 4, 4), bytes.size() - 8);
    EXPECT_EQ(bytes.substr(8, 4), "WAVE");
    std::size_t at = 12;
    bool format = false;
    while (at + 8 <= bytes.size()) {
        const std::string id = bytes.substr(at, 4);
        const uint32_t size = Little(bytes, at + 4, 4);
        EXPECT_LE(at + 8 + size, bytes.size()) << id << " chunk overruns " << file;
        if (id == "fmt ") {
            format = true;
            EXPECT_EQ(Little(bytes, at + 8, 2), 1u) << "not PCM: " << file;
            wav.Channels = static_cast<int>(Little(bytes, at + 10, 2));
            wav.Rate = static_cast<int>(Little(bytes, at + 12, 4));
            const uint32_t byteRate = Little(bytes, at + 16, 4);
            const uint32_t blockAlign = Little(bytes, at + 20, 2);
            EXPECT_EQ(Little(bytes, at + 22, 2), 16u) << file;
            EXPECT_EQ(blockAlign, static_cast<uint32_t>(wav.Channels) * 2);
            EXPECT_EQ(byteRate, static_cast<uint32_t>(wav.Rate) * blockAlign);
        } else if (id == "data") {
            EXPECT_TRUE(format) << "data before format in " << file;
            EXPECT_EQ(size % (static_cast<uint32_t>(wav.Channels) * 2), 0u);
            for (std::size_t i = 0; i + 1 < size && at + 9 + i < bytes.size(); i += 2) {
                wav.Samples.push_back(static_cast<int16_t>(Little(bytes, at + 8 + i, 2)));
            }
        }
        at += 8 + size + (size & 1);
    }
    EXPECT_GE(wav.Channels, 1);
    EXPECT_GE(wav.Rate, 22050);
    return wav;
}

std::filesystem::path SoundFile(const std::string& event, int choice) {
    return std::filesystem::path(VYX_DATA_DIR) / "Sfx" / (event + std::to_string(choice) + ".wav");
}

}  // namespace

TEST(SoundFiles, EveryEventHasThreeDistinctWellFormedSounds) {
    for (const char* event : {"Selecting", "Moving", "Deleting", "Error"}) {
        std::vector<std::vector<int16_t>> choices;
        for (int choice = 1; choice <= 3; ++choice) {
            const TWavFile wav = ReadPcm16Wav(SoundFile(event, choice));
            ASSERT_FALSE(wav.Samples.empty()) << event << choice;
            // Starts and ends on silence (no click), and never touches full scale.
            EXPECT_LE(std::abs(wav.Samples.front()), 64) << event << choice;
            EXPECT_LE(std::abs(wav.Samples.back()), 64) << event << choice;
            EXPECT_LT(wav.Peak(), 32000) << event << choice;
            EXPECT_GT(wav.Peak(), 32767 / 20) << event << choice << " is all but silent";
            choices.push_back(wav.Samples);
        }
        EXPECT_NE(choices[0], choices[1]) << event;
        EXPECT_NE(choices[1], choices[2]) << event;
        EXPECT_NE(choices[0], choices[2]) << event;
    }
}

TEST(SoundFiles, LengthsAndLevelsSuitTheirEvents) {
    for (int choice = 1; choice <= 3; ++choice) {
        // At full speed the walking ball enters a cell every 27 ms, each step starting the
        // moving sound again: it must be over by then.
        const TWavFile moving = ReadPcm16Wav(SoundFile("Moving", choice));
        EXPECT_GT(moving.Seconds(), 0.01);
        EXPECT_LE(moving.Seconds(), 0.027);
        // The selected ball's bounce comes round every 552 ms at the fastest.
        const TWavFile selecting = ReadPcm16Wav(SoundFile("Selecting", choice));
        EXPECT_GT(selecting.Seconds(), 0.05);
        EXPECT_LT(selecting.Seconds(), 0.5);
        const TWavFile deleting = ReadPcm16Wav(SoundFile("Deleting", choice));
        EXPECT_GT(deleting.Seconds(), 0.3);
        EXPECT_LT(deleting.Seconds(), 1.5);
        const TWavFile error = ReadPcm16Wav(SoundFile("Error", choice));
        EXPECT_GT(error.Seconds(), 0.1);
        EXPECT_LT(error.Seconds(), 0.5);

        // The sounds that repeat all the time stay soft; the reward is the loudest.
        EXPECT_LT(moving.Peak(), 32767 / 4);
        EXPECT_LT(selecting.Peak(), 32767 / 3);
        EXPECT_LT(moving.Peak(), deleting.Peak());
        EXPECT_LT(selecting.Peak(), deleting.Peak());
        EXPECT_LT(error.Peak(), deleting.Peak());
    }
}
