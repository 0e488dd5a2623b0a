#pragma once

#include <string_view>

// Plays a WAV file asynchronously; a new sound cuts off the one playing. A missing or
// unreadable file plays silence (so it too cuts off the one playing), and without an audio
// device every sound is silence.
class TSoundPlayer {
public:
    virtual ~TSoundPlayer() = default;
    virtual void Play(std::string_view gamePath) = 0;
};
