#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "SoundPlayer.h"

struct TSdlLibrary;

// Plays the game's WAV files through SDL's audio subsystem on one device. Each file is
// loaded once, converted to the device's format and kept (one that cannot be read is
// silence for the run, and is not read again at every step of a walk); playing clears the
// device's queue and queues the new sound, so it cuts off the one playing, even when the new
// one is silence. The audio starts with the first sound; if SDL or the device cannot start,
// or the SDL library is missing, every sound is silence from then on. The sounds are read
// from the folder the game is installed in.
class TSdlSoundPlayer final : public TSoundPlayer {
public:
    explicit TSdlSoundPlayer(std::filesystem::path shippedFolder = {});
    ~TSdlSoundPlayer() override;
    TSdlSoundPlayer(const TSdlSoundPlayer&) = delete;
    TSdlSoundPlayer& operator=(const TSdlSoundPlayer&) = delete;

    void Play(std::string_view gamePath) override;

private:
    enum class TState { NotStarted, Running, Failed };

    bool StartAudio();
    // The file converted to the device's format; empty when it cannot be read.
    const std::vector<int16_t>& Sound(std::string_view gamePath);
    std::vector<int16_t> LoadAndConvert(std::string_view gamePath) const;
    // A few milliseconds of what was queued last, from where the device has got to, fading
    // to silence: mixed under the start of the next sound so the cut makes no click.
    std::vector<int16_t> FadingRest(uint32_t stillQueuedBytes) const;

    std::filesystem::path ShippedFolder;
    std::unique_ptr<const TSdlLibrary> Sdl;
    TState State = TState::NotStarted;
    uint32_t Device = 0;
    int Frequency = 0;
    int Channels = 0;
    std::map<std::string, std::vector<int16_t>, std::less<>> Cache;
    // Exactly what was queued last, so the part the device has not yet taken is known.
    std::vector<int16_t> Queued;
};
