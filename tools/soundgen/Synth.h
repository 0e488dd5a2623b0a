#pragma once

#include <cstdint>
#include <vector>

// A small additive synthesiser for the game's sound effects. Everything is computed in
// doubles at one sample rate and is fully deterministic: the same program always writes
// the same files.
namespace Synth {

constexpr int SampleRate = 44100;

using TSamples = std::vector<double>;

// One partial of a tone: its frequency as a multiple of the tone's pitch, its level, and
// how much faster than the tone's body it dies away (1 = as fast, 0.5 = twice as fast).
struct TPartial {
    double Ratio = 1.0;
    double Level = 1.0;
    double DecayFactor = 1.0;
};

// A pitched tone: struck (exponential decay) or held (no decay), gliding exponentially
// from its start pitch to its end pitch, with an optional tremolo.
struct TTone {
    double StartHz = 440.0;
    double EndHz = 440.0;
    double Seconds = 0.1;
    double AttackSeconds = 0.002;
    // Time constant of the exponential decay; 0 holds the level.
    double DecaySeconds = 0.0;
    double TremoloHz = 0.0;
    double TremoloDepth = 0.0;
    // Held tones need a longer fade at their end than struck ones, whose level is already low.
    double ReleaseSeconds = 0.008;
    std::vector<TPartial> Partials{{1.0, 1.0, 1.0}};
};

TSamples Render(const TTone& tone);

// Low-passed white noise from a fixed seed with an exponential decay: the knock of a
// strike.
TSamples Knock(double seconds, double cutoffHz, double decaySeconds, uint32_t seed);

// Adds the sound into the mix at the given time, scaled by the gain; the mix grows as
// needed.
void MixIn(TSamples& mix, const TSamples& sound, double atSeconds, double gain = 1.0);

// Makes the finished effect: removes any DC offset, scales it so its loudest sample
// reaches the given peak (0 to 1), and closes both ends with short raised-cosine fades so
// that it starts and stops on silence without a click.
TSamples Finish(TSamples samples, double peak);

// Quantises to 16-bit PCM with rounding.
std::vector<int16_t> ToPcm16(const TSamples& samples);

double Seconds(const TSamples& samples);

}  // namespace Synth
