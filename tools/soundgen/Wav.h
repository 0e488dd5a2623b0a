#pragma once

#include <cstdint>
#include <span>
#include <string>

// A canonical RIFF WAVE file: one "fmt " chunk (PCM, 16 bits) and one "data" chunk.
std::string EncodeWav16(std::span<const int16_t> samples, int sampleRate, int channels);
