#include "SdlLibrary.h"

#include <dlfcn.h>

namespace {

template <typename TFunction>
bool Find(void* library, const char* name, TFunction& function) {
    function = reinterpret_cast<TFunction>(dlsym(library, name));
    return function != nullptr;
}

}  // namespace

std::optional<TSdlLibrary> TSdlLibrary::Open(const char* file) {
    void* library = dlopen(file, RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) {
        return std::nullopt;
    }
    TSdlLibrary sdl{};
    if (Find(library, "SDL_SetHint", sdl.SetHint) &&
        Find(library, "SDL_InitSubSystem", sdl.InitSubSystem) &&
        Find(library, "SDL_QuitSubSystem", sdl.QuitSubSystem) &&
        Find(library, "SDL_OpenAudioDevice", sdl.OpenAudioDevice) &&
        Find(library, "SDL_CloseAudioDevice", sdl.CloseAudioDevice) &&
        Find(library, "SDL_PauseAudioDevice", sdl.PauseAudioDevice) &&
        Find(library, "SDL_LockAudioDevice", sdl.LockAudioDevice) &&
        Find(library, "SDL_UnlockAudioDevice", sdl.UnlockAudioDevice) &&
        Find(library, "SDL_GetQueuedAudioSize", sdl.GetQueuedAudioSize) &&
        Find(library, "SDL_ClearQueuedAudio", sdl.ClearQueuedAudio) &&
        Find(library, "SDL_QueueAudio", sdl.QueueAudio) &&
        Find(library, "SDL_RWFromFile", sdl.RWFromFile) &&
        Find(library, "SDL_LoadWAV_RW", sdl.LoadWAV_RW) &&
        Find(library, "SDL_FreeWAV", sdl.FreeWAV) &&
        Find(library, "SDL_NewAudioStream", sdl.NewAudioStream) &&
        Find(library, "SDL_AudioStreamPut", sdl.AudioStreamPut) &&
        Find(library, "SDL_AudioStreamFlush", sdl.AudioStreamFlush) &&
        Find(library, "SDL_AudioStreamAvailable", sdl.AudioStreamAvailable) &&
        Find(library, "SDL_AudioStreamGet", sdl.AudioStreamGet) &&
        Find(library, "SDL_FreeAudioStream", sdl.FreeAudioStream)) {
        return sdl;
    }
    dlclose(library);
    return std::nullopt;
}
