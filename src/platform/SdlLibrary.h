#pragma once

#include <SDL.h>

#include <optional>

// The SDL functions the sound player calls, looked up when the first sound plays rather than
// linked: SDL brings the whole audio stack with it (PulseAudio, ALSA and the codecs
// PulseAudio links), and loading it before the window opens held back the first frame by
// about ten milliseconds. The library stays loaded for the rest of the run.
struct TSdlLibrary {
    decltype(&SDL_SetHint) SetHint;
    decltype(&SDL_InitSubSystem) InitSubSystem;
    decltype(&SDL_QuitSubSystem) QuitSubSystem;
    decltype(&SDL_OpenAudioDevice) OpenAudioDevice;
    decltype(&SDL_CloseAudioDevice) CloseAudioDevice;
    decltype(&SDL_PauseAudioDevice) PauseAudioDevice;
    decltype(&SDL_LockAudioDevice) LockAudioDevice;
    decltype(&SDL_UnlockAudioDevice) UnlockAudioDevice;
    decltype(&SDL_GetQueuedAudioSize) GetQueuedAudioSize;
    decltype(&SDL_ClearQueuedAudio) ClearQueuedAudio;
    decltype(&SDL_QueueAudio) QueueAudio;
    decltype(&SDL_RWFromFile) RWFromFile;
    decltype(&SDL_LoadWAV_RW) LoadWAV_RW;
    decltype(&SDL_FreeWAV) FreeWAV;
    decltype(&SDL_NewAudioStream) NewAudioStream;
    decltype(&SDL_AudioStreamPut) AudioStreamPut;
    decltype(&SDL_AudioStreamFlush) AudioStreamFlush;
    decltype(&SDL_AudioStreamAvailable) AudioStreamAvailable;
    decltype(&SDL_AudioStreamGet) AudioStreamGet;
    decltype(&SDL_FreeAudioStream) FreeAudioStream;

    // Loads the SDL 2 library (or the one named); nothing when it or one of the functions
    // is missing.
    static std::optional<TSdlLibrary> Open(const char* file = "libSDL2-2.0.so.0");
};
