// Synthesises the program's sound effects, so the build needs no recordings.
// Usage: make_sounds OUTPUT_FOLDER  (writes golfswng.wav and cup.wav there)

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <vector>

namespace {

constexpr int sampleRate = 44100;
constexpr double pi = 3.14159265358979323846;
constexpr double peakDbfs = -3.0;

using Samples = std::vector<double>;

std::size_t toSample(double seconds) {
    return static_cast<std::size_t>(seconds * sampleRate);
}

double timeOf(std::size_t sample) {
    return static_cast<double>(sample) / sampleRate;
}

// A tiny xorshift generator: unlike the standard distributions it gives the
// same numbers with every compiler, so the files come out identical everywhere.
class Noise {
  public:
    explicit Noise(std::uint32_t seed) : state(seed) {}

    double next() {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return state / 4294967295.0 * 2.0 - 1.0;
    }

  private:
    std::uint32_t state;
};

// Band-pass biquad (0 dB peak gain) that can be retuned every sample for sweeps.
class BandPass {
  public:
    void tune(double centreHz, double q) {
        const double w0 = 2.0 * pi * centreHz / sampleRate;
        const double alpha = std::sin(w0) / (2.0 * q);
        const double a0 = 1.0 + alpha;
        b0 = alpha / a0;
        a1 = -2.0 * std::cos(w0) / a0;
        a2 = (1.0 - alpha) / a0;
    }

    double process(double in) {
        const double out = b0 * (in - x2) - a1 * y1 - a2 * y2;
        x2 = x1;
        x1 = in;
        y2 = y1;
        y1 = out;
        return out;
    }

  private:
    double b0 = 0.0, a1 = 0.0, a2 = 0.0;
    double x1 = 0.0, x2 = 0.0, y1 = 0.0, y2 = 0.0;
};

// One resonance of a struck object: a sine dying away exponentially.
struct Mode {
    double hz;
    double decaySeconds;
    double level;
};

// A fraction of a millisecond of fade-in keeps hits crisp without a hard click.
double softAttack(double secondsSinceHit) {
    return std::min(1.0, secondsSinceHit / 0.0003);
}

void addMode(Samples &out, double hitTime, const Mode &mode, double loudness) {
    const std::size_t end = std::min(out.size(), toSample(hitTime + 8.0 * mode.decaySeconds));
    for (std::size_t i = toSample(hitTime); i < end; ++i) {
        const double t = timeOf(i) - hitTime;
        out[i] += loudness * mode.level * softAttack(t) * std::exp(-t / mode.decaySeconds) *
                  std::sin(2.0 * pi * mode.hz * t);
    }
}

void addClick(Samples &out, double hitTime, double decaySeconds, double level, Noise &noise) {
    const std::size_t end = std::min(out.size(), toSample(hitTime + 8.0 * decaySeconds));
    for (std::size_t i = toSample(hitTime); i < end; ++i) {
        const double t = timeOf(i) - hitTime;
        out[i] += level * softAttack(t) * std::exp(-t / decaySeconds) * noise.next();
    }
}

void normalise(Samples &samples) {
    double peak = 0.0;
    for (double s : samples)
        peak = std::max(peak, std::abs(s));
    if (peak == 0.0)
        return;
    const double gain = std::pow(10.0, peakDbfs / 20.0) / peak;
    for (double &s : samples)
        s *= gain;
}

// Brings the tail smoothly to silence so the sound never stops on a step.
void fadeOut(Samples &samples, double seconds) {
    const std::size_t length = std::min(samples.size(), toSample(seconds));
    for (std::size_t i = 0; i < length; ++i)
        samples[samples.size() - 1 - i] *= static_cast<double>(i) / static_cast<double>(length);
}

// --- The swing: a whoosh swelling as the club speeds up, then the strike ---

constexpr double swingLength = 0.72;
constexpr double impactTime = 0.50;

// Louder and higher as the club head accelerates; after impact the
// follow-through fades quickly.
double whooshLevel(double t) {
    if (t < impactTime)
        return std::pow(t / impactTime, 2.0);
    return std::exp(-(t - impactTime) / 0.035);
}

double whooshCentreHz(double t) {
    const double progress = std::min(t / impactTime, 1.0);
    return 300.0 * std::pow(2400.0 / 300.0, progress * progress);
}

void addWhoosh(Samples &out, Noise &noise) {
    // Two filters in a row give a narrower, airier band than one.
    BandPass first, second;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = timeOf(i);
        first.tune(whooshCentreHz(t), 1.8);
        second.tune(whooshCentreHz(t), 1.8);
        out[i] += 2.2 * whooshLevel(t) * second.process(first.process(noise.next()));
    }
}

void addImpact(Samples &out, Noise &noise) {
    addClick(out, impactTime, 0.0015, 0.7, noise);
    const Mode strike[] = {
        {190.0, 0.018, 0.45},  // the thwack's body
        {1650.0, 0.040, 0.30}, // the club face's ring
        {3900.0, 0.014, 0.12}, // its bright edge
    };
    for (const Mode &mode : strike)
        addMode(out, impactTime, mode, 1.0);
}

Samples makeSwing() {
    Noise noise(0x5EED1234u);
    Samples out(toSample(swingLength));
    addWhoosh(out, noise);
    addImpact(out, noise);
    normalise(out);
    fadeOut(out, 0.02);
    return out;
}

// --- The cup: the ball bouncing in a plastic cup, then settling ---

constexpr double cupLength = 0.68;

struct Bounce {
    double time;
    double loudness;
    double pitch; // each bounce lands on a slightly different spot
};

// A hollow plastic "tock": inharmonic modes dying quickly, over a soft thud.
void addTock(Samples &out, const Bounce &bounce, Noise &noise) {
    const Mode tock[] = {
        {320.0, 0.022, 0.45},  {910.0, 0.020, 1.00},  {1430.0, 0.012, 0.55},
        {2310.0, 0.007, 0.30}, {3720.0, 0.004, 0.18},
    };
    for (const Mode &mode : tock)
        addMode(out, bounce.time, {mode.hz * bounce.pitch, mode.decaySeconds, mode.level},
                bounce.loudness);
    addClick(out, bounce.time, 0.0008, 0.35 * bounce.loudness, noise);
}

// The ball rolls round the bottom a moment: tiny, quick, fading taps.
void addSettle(Samples &out, double start, Noise &noise) {
    double time = start;
    double loudness = 0.10;
    for (int tap = 0; tap < 6; ++tap) {
        addTock(out, {time, loudness, 1.25 + 0.05 * noise.next()}, noise);
        time += 0.018 + 0.004 * noise.next();
        loudness *= 0.7;
    }
}

Samples makeCup() {
    Noise noise(0xC0FFEE42u);
    Samples out(toSample(cupLength));
    // Each bounce comes sooner and softer than the one before.
    const Bounce bounces[] = {
        {0.010, 1.00, 1.00}, {0.185, 0.60, 1.04}, {0.305, 0.38, 0.97},
        {0.385, 0.24, 1.02}, {0.440, 0.15, 0.99},
    };
    for (const Bounce &bounce : bounces)
        addTock(out, bounce, noise);
    addSettle(out, 0.480, noise);
    normalise(out);
    fadeOut(out, 0.02);
    return out;
}

// --- WAV output: 16-bit PCM, mono ---

void putLittleEndian(std::ofstream &file, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        file.put(static_cast<char>((value >> (8 * i)) & 0xFF));
}

std::int16_t toPcm(double sample) {
    return static_cast<std::int16_t>(std::lround(std::clamp(sample, -1.0, 1.0) * 32767.0));
}

bool writeWav(const std::filesystem::path &path, const Samples &samples) {
    constexpr std::uint32_t bytesPerSample = 2;
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * bytesPerSample);
    std::ofstream file(path, std::ios::binary);
    file << "RIFF";
    putLittleEndian(file, 36 + dataBytes, 4);
    file << "WAVEfmt ";
    putLittleEndian(file, 16, 4); // size of the format chunk
    putLittleEndian(file, 1, 2);  // PCM
    putLittleEndian(file, 1, 2);  // mono
    putLittleEndian(file, sampleRate, 4);
    putLittleEndian(file, sampleRate * bytesPerSample, 4);
    putLittleEndian(file, bytesPerSample, 2);
    putLittleEndian(file, 16, 2);
    file << "data";
    putLittleEndian(file, dataBytes, 4);
    for (double sample : samples)
        putLittleEndian(file, static_cast<std::uint16_t>(toPcm(sample)), 2);
    return static_cast<bool>(file);
}

bool writeSound(const std::filesystem::path &path, const Samples &samples) {
    if (writeWav(path, samples))
        return true;
    std::cerr << "make_sounds: cannot write " << path << '\n';
    return false;
}

} // namespace

int main(int argc, char *argv[]) {
    if (argc != 2) {
        std::cerr << "usage: make_sounds OUTPUT_FOLDER\n";
        return 1;
    }
    const std::filesystem::path folder = argv[1];
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    const bool swingWritten = writeSound(folder / "golfswng.wav", makeSwing());
    const bool cupWritten = writeSound(folder / "cup.wav", makeCup());
    return swingWritten && cupWritten ? 0 : 1;
}
