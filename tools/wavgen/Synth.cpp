// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/wavgen/Synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double fadeInSeconds = 0.002;
constexpr double fadeOutSeconds = 0.008;

// Raised-cosine ramp from 0 at x = 0 to 1 at x = 1.
double Ramp(double x)
{
    x = std::clamp(x, 0.0, 1.0);
    return 0.5 - 0.5 * std::cos(std::numbers::pi * x);
}

}  // namespace

void AddNote(Samples& samples, const Note& note)
{
    const auto first = static_cast<std::size_t>(std::lround(note.start * SampleRate));
    const auto count = static_cast<std::size_t>(std::lround(note.length * SampleRate));
    if (samples.size() < first + count)
        samples.resize(first + count, 0.0);
    const double endFrequency = note.endFrequency > 0 ? note.endFrequency : note.frequency;
    const double glide = std::log(endFrequency / note.frequency);
    std::vector<double> phases(note.partials.size(), 0.0);
    for (std::size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / SampleRate;
        const double progress = static_cast<double>(i) / static_cast<double>(count);
        const double frequency = note.frequency * std::exp(glide * progress);
        double level = Ramp(t / note.attack);
        if (t > note.attack)
            level *= std::exp(-(t - note.attack) / note.decay);
        level *= Ramp((note.length - t) / note.release);
        double value = 0;
        for (std::size_t p = 0; p < note.partials.size(); ++p) {
            const double partialFrequency = frequency * note.partials[p].ratio;
            // Partials above the audible band would only alias.
            if (partialFrequency < SampleRate / 2.5)
                value += note.partials[p].amplitude * std::sin(phases[p]);
            phases[p] += 2 * std::numbers::pi * partialFrequency / SampleRate;
        }
        samples[first + i] += note.amplitude * level * value;
    }
}

void Finish(Samples& samples, double peak)
{
    double largest = 0;
    for (const double value : samples)
        largest = std::max(largest, std::abs(value));
    if (largest <= 0)
        return;
    const double scale = peak / largest;
    const std::size_t size = samples.size();
    for (std::size_t i = 0; i < size; ++i) {
        const double fromStart = static_cast<double>(i) / SampleRate;
        const double toEnd = static_cast<double>(size - 1 - i) / SampleRate;
        samples[i] *= scale * Ramp(fromStart / fadeInSeconds) * Ramp(toEnd / fadeOutSeconds);
    }
}

std::vector<std::int16_t> ToPcm(const Samples& samples)
{
    std::vector<std::int16_t> pcm;
    pcm.reserve(samples.size());
    for (const double value : samples) {
        const double clamped = std::clamp(value, -1.0, 1.0);
        pcm.push_back(static_cast<std::int16_t>(std::lround(clamped * 32767.0)));
    }
    return pcm;
}
