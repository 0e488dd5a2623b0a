#include "SdlSoundPlayer.h"

#include <SDL.h>

#include <algorithm>
#include <limits>

#include "FileSystem.h"

namespace {

constexpr int WantedFrequency = 44100;
constexpr int WantedChannels = 2;
// About 12 ms at 44.1 kHz: short enough that a new sound starts at once, even while the
// walking ball enters a new cell every 27 ms.
constexpr Uint16 BufferFrames = 512;
constexpr double CutFadeSeconds = 0.005;

}  // namespace

TSdlSoundPlayer::~TSdlSoundPlayer() {
    if (State == TState::Running) {
        SDL_CloseAudioDevice(Device);
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
}

bool TSdlSoundPlayer::StartAudio() {
    if (State != TState::NotStarted) {
        return State == TState::Running;
    }
    State = TState::Failed;
    // SDL would otherwise catch SIGINT and SIGTERM and turn them into quit events that the
    // Qt window never reads, and the game could no longer be stopped by a signal.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_SetHint(SDL_HINT_APP_NAME, "Vyx Zeziz");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        return false;
    }
    SDL_AudioSpec wanted{};
    wanted.freq = WantedFrequency;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = WantedChannels;
    wanted.samples = BufferFrames;
    SDL_AudioSpec obtained{};
    Device =
        SDL_OpenAudioDevice(nullptr, 0, &wanted, &obtained,
                            SDL_AUDIO_ALLOW_FREQUENCY_CHANGE | SDL_AUDIO_ALLOW_CHANNELS_CHANGE);
    if (Device == 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    Frequency = obtained.freq;
    Channels = obtained.channels;
    SDL_PauseAudioDevice(Device, 0);
    State = TState::Running;
    return true;
}

std::vector<int16_t> TSdlSoundPlayer::LoadAndConvert(std::string_view gamePath) const {
    SDL_AudioSpec spec{};
    Uint8* data = nullptr;
    Uint32 length = 0;
    if (SDL_LoadWAV((ShippedFolder / NativePath(gamePath)).c_str(), &spec, &data, &length) ==
        nullptr) {
        return {};
    }
    std::vector<int16_t> converted;
    SDL_AudioStream* stream =
        SDL_NewAudioStream(spec.format, spec.channels, spec.freq, AUDIO_S16SYS,
                           static_cast<Uint8>(Channels), Frequency);
    if (stream != nullptr && length <= static_cast<Uint32>(std::numeric_limits<int>::max()) &&
        SDL_AudioStreamPut(stream, data, static_cast<int>(length)) == 0 &&
        SDL_AudioStreamFlush(stream) == 0) {
        const int available = SDL_AudioStreamAvailable(stream);
        converted.resize(static_cast<std::size_t>(available) / sizeof(int16_t));
        const int got = SDL_AudioStreamGet(stream, converted.data(),
                                           static_cast<int>(converted.size() * sizeof(int16_t)));
        converted.resize(static_cast<std::size_t>(std::max(got, 0)) / sizeof(int16_t));
    }
    SDL_FreeAudioStream(stream);
    SDL_FreeWAV(data);
    converted.resize(converted.size() - converted.size() % static_cast<std::size_t>(Channels));
    return converted;
}

const std::vector<int16_t>& TSdlSoundPlayer::Sound(std::string_view gamePath) {
    auto found = Cache.find(gamePath);
    if (found == Cache.end()) {
        found = Cache.emplace(std::string(gamePath), LoadAndConvert(gamePath)).first;
    }
    return found->second;
}

std::vector<int16_t> TSdlSoundPlayer::FadingRest(uint32_t stillQueuedBytes) const {
    const auto channels = static_cast<std::size_t>(Channels);
    const auto fadeFrames = static_cast<std::size_t>(CutFadeSeconds * Frequency);
    const std::size_t stillQueued =
        std::min<std::size_t>(stillQueuedBytes / sizeof(int16_t), Queued.size());
    const std::size_t from = Queued.size() - stillQueued;
    std::vector<int16_t> rest(std::min(stillQueued, fadeFrames * channels));
    for (std::size_t i = 0; i < rest.size(); ++i) {
        const double gain =
            1.0 - static_cast<double>(i / channels) / static_cast<double>(fadeFrames);
        rest[i] = static_cast<int16_t>(Queued[from + i] * gain);
    }
    return rest;
}

void TSdlSoundPlayer::Play(std::string_view gamePath) {
    if (!StartAudio()) {
        return;
    }
    // A file that cannot be read is silence: it still cuts off the sound that is playing.
    const std::vector<int16_t>& sound = Sound(gamePath);
    // The device's thread takes from the queue; holding its lock makes the cut exact: the
    // rest of the old sound is measured, cleared and replaced in one step.
    SDL_LockAudioDevice(Device);
    const std::vector<int16_t> rest = FadingRest(SDL_GetQueuedAudioSize(Device));
    SDL_ClearQueuedAudio(Device);
    Queued = sound;
    if (Queued.size() < rest.size()) {
        Queued.resize(rest.size(), 0);
    }
    for (std::size_t i = 0; i < rest.size(); ++i) {
        Queued[i] = static_cast<int16_t>(std::clamp(Queued[i] + rest[i], -32768, 32767));
    }
    SDL_QueueAudio(Device, Queued.data(), static_cast<Uint32>(Queued.size() * sizeof(int16_t)));
    SDL_UnlockAudioDevice(Device);
}
