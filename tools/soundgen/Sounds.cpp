#include "Sounds.h"

#include <array>
#include <cmath>

#include "skinformat/SoundFiles.h"

using Synth::TPartial;
using Synth::TSamples;
using Synth::TTone;

namespace {

// Peak levels per event. The moving sound repeats at every cell of a walk and the choosing
// sound at every bounce of the selected ball, so both stay well in the background; the
// deleting chime is the player's reward and the loudest; the error sound must be noticed.
constexpr double MovingPeak = 0.13;
constexpr double ChoosingPeak = 0.2;
constexpr double DeletingPeak = 0.7;
constexpr double ErrorPeak = 0.3;

double NoteHz(int semitonesFromA4) {
    return 440.0 * std::pow(2.0, semitonesFromA4 / 12.0);
}

// Semitones from A4 of the notes the chimes use.
constexpr int C5 = 3, D5 = 5, E5 = 7, G5 = 10, A5 = 12, B5 = 14, C6 = 15, D6 = 17, E6 = 19, G6 = 22,
              A6 = 24, C7 = 27;

// A bright struck bar or bell: the body of every chime.
TSamples Bell(double hz, double seconds, double decay) {
    return Synth::Render(
        {.StartHz = hz,
         .EndHz = hz,
         .Seconds = seconds,
         .AttackSeconds = 0.002,
         .DecaySeconds = decay,
         .Partials = {{1.0, 1.0, 1.0}, {2.0, 0.35, 0.6}, {3.0, 0.12, 0.4}, {4.2, 0.06, 0.3}}});
}

// A wooden bar: the strong fourth partial of a marimba, fading faster than the body.
TSamples Marimba(double hz, double seconds, double decay) {
    return Synth::Render({.StartHz = hz,
                          .EndHz = hz,
                          .Seconds = seconds,
                          .AttackSeconds = 0.0015,
                          .DecaySeconds = decay,
                          .Partials = {{1.0, 1.0, 1.0}, {3.93, 0.3, 0.3}, {9.2, 0.04, 0.15}}});
}

// Moving: one short, soft touch per cell of the walk, finished before the next cell.

TSamples MovingTick() {
    return Synth::Render({.StartHz = 1500.0,
                          .EndHz = 1300.0,
                          .Seconds = 0.022,
                          .AttackSeconds = 0.001,
                          .DecaySeconds = 0.005,
                          .Partials = {{1.0, 1.0, 1.0}, {2.7, 0.25, 0.5}}});
}

TSamples MovingBlip() {
    return Synth::Render({.StartHz = 520.0,
                          .EndHz = 820.0,
                          .Seconds = 0.024,
                          .AttackSeconds = 0.002,
                          .DecaySeconds = 0.009,
                          .Partials = {{1.0, 1.0, 1.0}, {2.0, 0.15, 1.0}}});
}

TSamples MovingTap() {
    TSamples tap =
        Synth::Render({.StartHz = 260.0,
                       .EndHz = 210.0,
                       .Seconds = 0.025,
                       .AttackSeconds = 0.0015,
                       .DecaySeconds = 0.007,
                       .Partials = {{1.0, 1.0, 1.0}, {2.0, 0.4, 0.8}, {3.0, 0.15, 0.6}}});
    Synth::MixIn(tap, Synth::Knock(0.012, 2500.0, 0.003, 7), 0.0, 0.35);
    return tap;
}

// Choosing: a gentle note once per bounce of the selected ball.

TSamples ChoosingBounce() {
    return Synth::Render({.StartHz = 430.0,
                          .EndHz = 300.0,
                          .Seconds = 0.11,
                          .AttackSeconds = 0.003,
                          .DecaySeconds = 0.035,
                          .Partials = {{1.0, 1.0, 1.0}, {2.0, 0.3, 0.8}, {3.0, 0.1, 0.6}}});
}

TSamples ChoosingTing() {
    return Synth::Render({.StartHz = NoteHz(C7),
                          .EndHz = NoteHz(C7),
                          .Seconds = 0.18,
                          .AttackSeconds = 0.001,
                          .DecaySeconds = 0.05,
                          .Partials = {{1.0, 0.8, 1.0}, {2.76, 0.3, 0.5}, {5.4, 0.08, 0.3}}});
}

TSamples ChoosingWood() {
    return Marimba(NoteHz(G5), 0.14, 0.045);
}

// Deleting: the reward for a finished line, a bright chime.

TSamples DeletingArpeggio() {
    TSamples chime;
    const std::array notes{C6, E6, G6, C7};
    for (std::size_t i = 0; i < notes.size(); ++i) {
        Synth::MixIn(chime, Bell(NoteHz(notes[i]), 0.5, 0.16), 0.06 * static_cast<double>(i),
                     i + 1 == notes.size() ? 1.0 : 0.8);
    }
    return chime;
}

TSamples DeletingSparkle() {
    TSamples chime;
    // Each bell of the chord has a quieter, slightly detuned twin; they beat slowly against
    // each other, a gentle shimmer rather than a tremolo.
    for (int note : {G5, B5, D6, G6}) {
        Synth::MixIn(chime, Bell(NoteHz(note), 0.85, 0.28), 0.0, 0.6);
        Synth::MixIn(chime, Bell(NoteHz(note) + 1.5, 0.85, 0.28), 0.0, 0.25);
    }
    const std::array<std::pair<int, double>, 5> sparkles{
        {{D6 + 12, 0.05}, {G6 + 12, 0.11}, {B5 + 24, 0.17}, {A6 + 12, 0.24}, {G6 + 24, 0.31}}};
    for (const auto& [note, at] : sparkles) {
        Synth::MixIn(chime, Marimba(NoteHz(note), 0.2, 0.04), at, 0.3);
    }
    return chime;
}

TSamples DeletingRun() {
    TSamples run;
    const std::array notes{C5, D5, E5, G5, A5, C6, D6, E6};
    for (std::size_t i = 0; i < notes.size(); ++i) {
        const bool last = i + 1 == notes.size();
        Synth::MixIn(run, Marimba(NoteHz(notes[i]), last ? 0.4 : 0.25, last ? 0.12 : 0.07),
                     0.04 * static_cast<double>(i), 0.6 + 0.05 * static_cast<double>(i));
    }
    return run;
}

// Error: clearly "no", low and round rather than shrill.

TSamples ErrorTwoTones() {
    // Odd partials give a hollow, reed-like voice.
    const std::vector<TPartial> reed{
        {1.0, 1.0, 1.0}, {2.0, 0.2, 1.0}, {3.0, 0.3, 1.0}, {5.0, 0.1, 1.0}};
    TSamples tones;
    Synth::MixIn(tones,
                 Synth::Render({.StartHz = NoteHz(-2),
                                .EndHz = NoteHz(-2),
                                .Seconds = 0.12,
                                .AttackSeconds = 0.006,
                                .DecaySeconds = 0.15,
                                .ReleaseSeconds = 0.03,
                                .Partials = reed}),
                 0.0);
    Synth::MixIn(tones,
                 Synth::Render({.StartHz = NoteHz(-7),
                                .EndHz = NoteHz(-7),
                                .Seconds = 0.16,
                                .AttackSeconds = 0.006,
                                .DecaySeconds = 0.15,
                                .ReleaseSeconds = 0.03,
                                .Partials = reed}),
                 0.14);
    return tones;
}

TSamples ErrorBuzz() {
    std::vector<TPartial> partials;
    for (int n = 1; n <= 12; ++n) {
        partials.push_back({static_cast<double>(n), 1.0 / std::pow(n, 1.4), 1.0});
    }
    return Synth::Render({.StartHz = 165.0,
                          .EndHz = 155.0,
                          .Seconds = 0.24,
                          .AttackSeconds = 0.008,
                          .DecaySeconds = 0.4,
                          .TremoloHz = 22.0,
                          .TremoloDepth = 0.45,
                          .ReleaseSeconds = 0.05,
                          .Partials = partials});
}

TSamples ErrorThud() {
    TSamples thud =
        Synth::Render({.StartHz = 300.0,
                       .EndHz = 140.0,
                       .Seconds = 0.26,
                       .AttackSeconds = 0.003,
                       .DecaySeconds = 0.12,
                       .Partials = {{1.0, 1.0, 1.0}, {2.0, 0.25, 0.7}, {3.0, 0.2, 0.5}}});
    Synth::MixIn(thud, Synth::Knock(0.03, 1200.0, 0.008, 11), 0.0, 0.5);
    return thud;
}

}  // namespace

std::vector<TSoundEffect> MakeSoundEffects() {
    // The ear hears bright sounds louder and low ones softer than their peaks say, so the
    // three choices of an event are set to sound equally loud rather than to peak equally.
    // In the order of the events and their choices.
    const std::array<std::array<Synth::TSamples, SoundChoiceCount>, SoundEvents> sounds{{
        {Synth::Finish(ChoosingBounce(), ChoosingPeak),
         Synth::Finish(ChoosingTing(), ChoosingPeak * 0.7),
         Synth::Finish(ChoosingWood(), ChoosingPeak)},
        {Synth::Finish(MovingTick(), MovingPeak * 0.8), Synth::Finish(MovingBlip(), MovingPeak),
         Synth::Finish(MovingTap(), MovingPeak * 1.2)},
        {Synth::Finish(DeletingArpeggio(), DeletingPeak),
         Synth::Finish(DeletingSparkle(), DeletingPeak),
         Synth::Finish(DeletingRun(), DeletingPeak)},
        {Synth::Finish(ErrorTwoTones(), ErrorPeak), Synth::Finish(ErrorBuzz(), ErrorPeak),
         Synth::Finish(ErrorThud(), ErrorPeak)},
    }};
    std::vector<TSoundEffect> effects;
    for (int event = 0; event < SoundEvents; ++event) {
        for (int choice = 0; choice < SoundChoiceCount; ++choice) {
            effects.push_back({SoundFileInSfx(event, choice), sounds[event][choice]});
        }
    }
    return effects;
}
