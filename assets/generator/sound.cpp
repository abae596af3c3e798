// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound.h"

#include <QDataStream>
#include <QIODevice>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace artwork
{

namespace
{

constexpr int SampleRate = 22050;
constexpr int BitsPerSample = 16;
constexpr int BytesPerSample = BitsPerSample / 8;
// Shorter clips are not heard at all on some sound systems, so the snap is followed by silence.
constexpr double ClipSeconds = 0.25;

// The snap of the card's edge: a burst of noise, brightened, dying away within a few ms...
constexpr double SnapSeconds = 0.03;
constexpr double SnapDecaySeconds = 0.004;
constexpr double SnapLevel = 0.55;
constexpr double Brightness = 0.85; // how much of the low end the noise loses
// ...and the soft thump of the card landing flat on the cloth.
constexpr double ThumpSeconds = 0.1;
constexpr double ThumpDecaySeconds = 0.018;
constexpr double ThumpStartHz = 160;
constexpr double ThumpEndHz = 90;
constexpr double ThumpLevel = 0.45;
constexpr double FadeInSeconds = 0.0005; // keeps the first sample from clicking

// A fixed-seed linear congruential generator, so the sound is the same on every build.
class Noise
{
public:
    double next()
    {
        state_ = state_ * Multiplier + Increment;
        return double(state_ >> Shift) / double(1u << (32 - Shift)) * 2 - 1;
    }

private:
    static constexpr std::uint32_t Multiplier = 1664525;
    static constexpr std::uint32_t Increment = 1013904223;
    static constexpr int Shift = 8;
    std::uint32_t state_ = 0x5eed;
};

std::vector<double> laying()
{
    const double pi = std::acos(-1.0);
    std::vector<double> wave(std::size_t(SampleRate * ClipSeconds), 0.0);
    Noise noise;
    double previous = 0;
    double phase = 0;
    for (std::size_t i = 0; i < wave.size(); ++i) {
        const double t = double(i) / SampleRate;
        double sample = 0;
        if (t < SnapSeconds) {
            // A first-order high-pass filter takes the rumble out of the noise.
            const double white = noise.next();
            const double bright = white - Brightness * previous;
            previous = white;
            sample += SnapLevel * bright * std::exp(-t / SnapDecaySeconds);
        }
        if (t < ThumpSeconds) {
            const double hz =
                ThumpEndHz + (ThumpStartHz - ThumpEndHz) * std::exp(-t / ThumpDecaySeconds);
            phase += 2 * pi * hz / SampleRate;
            sample += ThumpLevel * std::sin(phase) * std::exp(-t / ThumpDecaySeconds);
        }
        wave[i] = sample * std::min(1.0, t / FadeInSeconds);
    }
    return wave;
}

} // namespace

QByteArray layingSound()
{
    const std::vector<double> wave = laying();
    const quint32 dataBytes = quint32(wave.size()) * BytesPerSample;
    constexpr quint32 FormatBytes = 16;
    constexpr quint32 HeaderBytes = 36; // of the RIFF body before the samples
    constexpr quint16 Pcm = 1;
    constexpr quint16 Mono = 1;
    constexpr double Full = 32767;

    QByteArray out;
    QDataStream s(&out, QIODevice::WriteOnly);
    s.setByteOrder(QDataStream::LittleEndian);
    s.writeRawData("RIFF", 4);
    s << quint32(HeaderBytes + dataBytes);
    s.writeRawData("WAVEfmt ", 8);
    s << FormatBytes << Pcm << Mono << quint32(SampleRate) << quint32(SampleRate * BytesPerSample)
      << quint16(BytesPerSample) << quint16(BitsPerSample);
    s.writeRawData("data", 4);
    s << dataBytes;
    for (double sample : wave)
        s << qint16(std::lround(std::clamp(sample, -1.0, 1.0) * Full));
    return out;
}

} // namespace artwork
