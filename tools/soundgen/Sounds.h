#pragma once

#include <string>
#include <vector>

#include "Synth.h"

struct TSoundEffect {
    std::string FileName;
    Synth::TSamples Samples;
};

// The twelve effects the game offers: three choices for each of its four events.
std::vector<TSoundEffect> MakeSoundEffects();
