#include "Wav.h"

namespace {

void PutLittleEndian(std::string& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
}

}  // namespace

std::string EncodeWav16(std::span<const int16_t> samples, int sampleRate, int channels) {
    constexpr uint32_t BytesPerSample = 2;
    const auto dataBytes = static_cast<uint32_t>(samples.size() * BytesPerSample);
    const auto blockAlign = static_cast<uint32_t>(channels) * BytesPerSample;
    std::string out;
    out.reserve(44 + dataBytes);
    out += "RIFF";
    PutLittleEndian(out, 36 + dataBytes, 4);
    out += "WAVEfmt ";
    PutLittleEndian(out, 16, 4);
    PutLittleEndian(out, 1, 2);  // PCM
    PutLittleEndian(out, static_cast<uint32_t>(channels), 2);
    PutLittleEndian(out, static_cast<uint32_t>(sampleRate), 4);
    PutLittleEndian(out, static_cast<uint32_t>(sampleRate) * blockAlign, 4);
    PutLittleEndian(out, blockAlign, 2);
    PutLittleEndian(out, 16, 2);
    out += "data";
    PutLittleEndian(out, dataBytes, 4);
    for (int16_t sample : samples) {
        PutLittleEndian(out, static_cast<uint16_t>(sample), 2);
    }
    return out;
}
