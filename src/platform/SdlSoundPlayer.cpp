#include "SdlSoundPlayer.h"

#include <algorithm>
#include <limits>

#include "FileSystem.h"
#include "SdlLibrary.h"

namespace {

constexpr int WantedFrequency = 44100;
constexpr int WantedChannels = 2;
// About 12 ms at 44.1 kHz: short enough that a new sound starts at once, even while the
// walking ball enters a new cell every 27 ms.
constexpr Uint16 BufferFrames = 512;
constexpr double CutFadeSeconds = 0.005;

}  // namespace

TSdlSoundPlayer::TSdlSoundPlayer(std::filesystem::path shippedFolder)
    : ShippedFolder(std::move(shippedFolder)) {}

TSdlSoundPlayer::~TSdlSoundPlayer() {
    if (State == TState::Running) {
        Sdl->CloseAudioDevice(Device);
        Sdl->QuitSubSystem(SDL_INIT_AUDIO);
    }
}

bool TSdlSoundPlayer::StartAudio() {
    if (State != TState::NotStarted) {
        return State == TState::Running;
    }
    State = TState::Failed;
    std::optional<TSdlLibrary> library = TSdlLibrary::Open();
    if (!library) {
        return false;
    }
    Sdl = std::make_unique<const TSdlLibrary>(*library);
    // SDL would otherwise catch SIGINT and SIGTERM and turn them into quit events that the
    // Qt window never reads, and the game could no longer be stopped by a signal.
    Sdl->SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    Sdl->SetHint(SDL_HINT_APP_NAME, "Vyx Zeziz");
    if (Sdl->InitSubSystem(SDL_INIT_AUDIO) != 0) {
        return false;
    }
    SDL_AudioSpec wanted{};
    wanted.freq = WantedFrequency;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = WantedChannels;
    wanted.samples = BufferFrames;
    SDL_AudioSpec obtained{};
    Device =
        Sdl->OpenAudioDevice(nullptr, 0, &wanted, &obtained,
                             SDL_AUDIO_ALLOW_FREQUENCY_CHANGE | SDL_AUDIO_ALLOW_CHANNELS_CHANGE);
    if (Device == 0) {
        Sdl->QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    Frequency = obtained.freq;
    Channels = obtained.channels;
    Sdl->PauseAudioDevice(Device, 0);
    State = TState::Running;
    return true;
}

std::vector<int16_t> TSdlSoundPlayer::LoadAndConvert(std::string_view gamePath) const {
    SDL_AudioSpec spec{};
    Uint8* data = nullptr;
    Uint32 length = 0;
    const std::filesystem::path file = ShippedFolder / NativePath(gamePath);
    if (Sdl->LoadWAV_RW(Sdl->RWFromFile(file.c_str(), "rb"), 1, &spec, &data, &length) == nullptr) {
        return {};
    }
    std::vector<int16_t> converted;
    SDL_AudioStream* stream =
        Sdl->NewAudioStream(spec.format, spec.channels, spec.freq, AUDIO_S16SYS,
                            static_cast<Uint8>(Channels), Frequency);
    if (stream != nullptr && length <= static_cast<Uint32>(std::numeric_limits<int>::max()) &&
        Sdl->AudioStreamPut(stream, data, static_cast<int>(length)) == 0 &&
        Sdl->AudioStreamFlush(stream) == 0) {
        const int available = Sdl->AudioStreamAvailable(stream);
        converted.resize(static_cast<std::size_t>(available) / sizeof(int16_t));
        const int got = Sdl->AudioStreamGet(stream, converted.data(),
                                            static_cast<int>(converted.size() * sizeof(int16_t)));
        converted.resize(static_cast<std::size_t>(std::max(got, 0)) / sizeof(int16_t));
    }
    Sdl->FreeAudioStream(stream);
    Sdl->FreeWAV(data);
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
    Sdl->LockAudioDevice(Device);
    const std::vector<int16_t> rest = FadingRest(Sdl->GetQueuedAudioSize(Device));
    Sdl->ClearQueuedAudio(Device);
    Queued = sound;
    if (Queued.size() < rest.size()) {
        Queued.resize(rest.size(), 0);
    }
    for (std::size_t i = 0; i < rest.size(); ++i) {
        Queued[i] = static_cast<int16_t>(std::clamp(Queued[i] + rest[i], -32768, 32767));
    }
    Sdl->QueueAudio(Device, Queued.data(), static_cast<Uint32>(Queued.size() * sizeof(int16_t)));
    Sdl->UnlockAudioDevice(Device);
}
