#include "Synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace Synth {

namespace {

constexpr double TwoPi = 2.0 * std::numbers::pi;

std::size_t SampleCount(double seconds) {
    return static_cast<std::size_t>(std::lround(seconds * SampleRate));
}

// Rises from 0 to 1 along half a cosine period; smoother than a straight ramp, so an
// envelope edge adds no audible click.
double RaisedCosine(double fraction) {
    return 0.5 - 0.5 * std::cos(std::numbers::pi * std::clamp(fraction, 0.0, 1.0));
}

void FadeEnds(TSamples& samples, double fadeInSeconds, double fadeOutSeconds) {
    const std::size_t count = samples.size();
    const std::size_t fadeIn = std::min(count / 2, SampleCount(fadeInSeconds));
    const std::size_t fadeOut = std::min(count / 2, SampleCount(fadeOutSeconds));
    for (std::size_t i = 0; i < fadeIn; ++i) {
        samples[i] *= RaisedCosine(static_cast<double>(i) / static_cast<double>(fadeIn));
    }
    for (std::size_t i = 0; i < fadeOut; ++i) {
        samples[count - 1 - i] *=
            RaisedCosine(static_cast<double>(i) / static_cast<double>(fadeOut));
    }
}

}  // namespace

TSamples Render(const TTone& tone) {
    const std::size_t count = SampleCount(tone.Seconds);
    TSamples samples(count, 0.0);
    std::vector<double> phases(tone.Partials.size(), 0.0);
    const double glide = std::log(tone.EndHz / tone.StartHz);
    for (std::size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / SampleRate;
        const double pitch = tone.StartHz * std::exp(glide * t / tone.Seconds);
        double value = 0.0;
        for (std::size_t p = 0; p < tone.Partials.size(); ++p) {
            const TPartial& partial = tone.Partials[p];
            const double frequency = pitch * partial.Ratio;
            // Partials above the audible band would only fold back as noise.
            if (frequency < SampleRate * 0.45) {
                double level = partial.Level;
                if (tone.DecaySeconds > 0.0) {
                    level *= std::exp(-t / (tone.DecaySeconds * partial.DecayFactor));
                }
                value += level * std::sin(phases[p]);
            }
            phases[p] = std::fmod(phases[p] + TwoPi * frequency / SampleRate, TwoPi);
        }
        if (tone.TremoloDepth > 0.0) {
            value *= 1.0 - tone.TremoloDepth * (0.5 - 0.5 * std::cos(TwoPi * tone.TremoloHz * t));
        }
        samples[i] = value;
    }
    FadeEnds(samples, tone.AttackSeconds, std::min(tone.ReleaseSeconds, tone.Seconds / 4.0));
    return samples;
}

TSamples Knock(double seconds, double cutoffHz, double decaySeconds, uint32_t seed) {
    const std::size_t count = SampleCount(seconds);
    TSamples samples(count, 0.0);
    const double smoothing = 1.0 - std::exp(-TwoPi * cutoffHz / SampleRate);
    uint32_t state = seed == 0 ? 1 : seed;
    // Two one-pole stages: a steeper slope keeps the knock dull instead of hissing.
    double firstStage = 0.0;
    double filtered = 0.0;
    for (std::size_t i = 0; i < count; ++i) {
        // xorshift32: a fixed sequence on every machine.
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        const double white = static_cast<double>(state) / 4294967295.0 * 2.0 - 1.0;
        firstStage += smoothing * (white - firstStage);
        filtered += smoothing * (firstStage - filtered);
        const double t = static_cast<double>(i) / SampleRate;
        samples[i] = filtered * std::exp(-t / decaySeconds);
    }
    FadeEnds(samples, 0.0005, std::min(0.004, seconds / 4.0));
    return samples;
}

void MixIn(TSamples& mix, const TSamples& sound, double atSeconds, double gain) {
    const std::size_t offset = SampleCount(atSeconds);
    if (mix.size() < offset + sound.size()) {
        mix.resize(offset + sound.size(), 0.0);
    }
    for (std::size_t i = 0; i < sound.size(); ++i) {
        mix[offset + i] += gain * sound[i];
    }
}

TSamples Finish(TSamples samples, double peak) {
    if (samples.empty()) {
        return samples;
    }
    double mean = 0.0;
    for (double value : samples) {
        mean += value;
    }
    mean /= static_cast<double>(samples.size());
    double loudest = 0.0;
    for (double& value : samples) {
        value -= mean;
        loudest = std::max(loudest, std::abs(value));
    }
    if (loudest > 0.0) {
        for (double& value : samples) {
            value *= peak / loudest;
        }
    }
    FadeEnds(samples, 0.001, 0.003);
    return samples;
}

std::vector<int16_t> ToPcm16(const TSamples& samples) {
    std::vector<int16_t> pcm;
    pcm.reserve(samples.size());
    for (double value : samples) {
        pcm.push_back(static_cast<int16_t>(std::lround(std::clamp(value, -1.0, 1.0) * 32767.0)));
    }
    return pcm;
}

double Seconds(const TSamples& samples) {
    return static_cast<double>(samples.size()) / SampleRate;
}

}  // namespace Synth
