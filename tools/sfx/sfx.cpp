// brellon-sfx OUTDIR: synthesises the game's sound effects as 44.1 kHz 16-bit mono WAV files.
//
// Every sound is built from sines, filtered noise and envelopes. The noise comes from a generator
// with a fixed seed per sound, so each run writes the same bytes. After synthesis every sound is
// scaled to a common loudness, without letting its peak pass -1 dBFS.

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr int sample_rate = 44100;
constexpr double two_pi = 2.0 * std::numbers::pi;

using Buffer = std::vector<double>;

Buffer silence(double seconds) {
    return Buffer(static_cast<std::size_t>(std::lround(seconds * sample_rate)), 0.0);
}

double time_of(std::size_t i) { return static_cast<double>(i) / sample_rate; }

// xorshift64*: small, fast and the same on every platform.
class Noise {
public:
    explicit Noise(std::uint64_t seed) : state_(seed ? seed : 1) {}

    // Uniform in [-1, 1).
    double next() {
        state_ ^= state_ >> 12;
        state_ ^= state_ << 25;
        state_ ^= state_ >> 27;
        std::uint64_t bits = (state_ * 0x2545F4914F6CDD1DULL) >> 11;
        return static_cast<double>(bits) / static_cast<double>(1ULL << 52) - 1.0;
    }

private:
    std::uint64_t state_;
};

// Second-order sections from the usual audio cookbook formulas.
class Biquad {
public:
    static Biquad band_pass(double centre, double q) {
        double w = two_pi * centre / sample_rate;
        double alpha = std::sin(w) / (2.0 * q);
        return Biquad(alpha, 0.0, -alpha, 1.0 + alpha, -2.0 * std::cos(w), 1.0 - alpha);
    }

    static Biquad low_pass(double corner, double q) {
        double w = two_pi * corner / sample_rate;
        double alpha = std::sin(w) / (2.0 * q);
        double c = std::cos(w);
        return Biquad((1.0 - c) / 2.0, 1.0 - c, (1.0 - c) / 2.0, 1.0 + alpha, -2.0 * c,
                      1.0 - alpha);
    }

    static Biquad high_pass(double corner, double q) {
        double w = two_pi * corner / sample_rate;
        double alpha = std::sin(w) / (2.0 * q);
        double c = std::cos(w);
        return Biquad((1.0 + c) / 2.0, -(1.0 + c), (1.0 + c) / 2.0, 1.0 + alpha, -2.0 * c,
                      1.0 - alpha);
    }

    static Biquad high_shelf(double corner, double q, double gain_db) {
        double a = std::pow(10.0, gain_db / 40.0);
        double w = two_pi * corner / sample_rate;
        double alpha = std::sin(w) / (2.0 * q);
        double c = std::cos(w);
        double s = 2.0 * std::sqrt(a) * alpha;
        return Biquad(a * ((a + 1.0) + (a - 1.0) * c + s), -2.0 * a * ((a - 1.0) + (a + 1.0) * c),
                      a * ((a + 1.0) + (a - 1.0) * c - s), (a + 1.0) - (a - 1.0) * c + s,
                      2.0 * ((a - 1.0) - (a + 1.0) * c), (a + 1.0) - (a - 1.0) * c - s);
    }

    // Moves a band-pass to a new centre while keeping its state, for sweeps.
    void retune_band_pass(double centre, double q) {
        Biquad fresh = band_pass(centre, q);
        b0_ = fresh.b0_;
        b1_ = fresh.b1_;
        b2_ = fresh.b2_;
        a1_ = fresh.a1_;
        a2_ = fresh.a2_;
    }

    double operator()(double x) {
        double y = b0_ * x + b1_ * x1_ + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
        x2_ = x1_;
        x1_ = x;
        y2_ = y1_;
        y1_ = y;
        return y;
    }

private:
    Biquad(double b0, double b1, double b2, double a0, double a1, double a2)
        : b0_(b0 / a0), b1_(b1 / a0), b2_(b2 / a0), a1_(a1 / a0), a2_(a2 / a0) {}

    double b0_, b1_, b2_, a1_, a2_;
    double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

// Rises linearly over `attack`, then decays with time constant `tau`.
double strike_envelope(double t, double attack, double tau) {
    if (t < 0.0) {
        return 0.0;
    }
    double rise = attack > 0.0 ? std::min(1.0, t / attack) : 1.0;
    return rise * std::exp(-(t - std::min(t, attack)) / tau);
}

// Raised-cosine hump over [start, start + length], for swishes.
double hump(double t, double start, double length) {
    double x = (t - start) / length;
    if (x <= 0.0 || x >= 1.0) {
        return 0.0;
    }
    return 0.5 - 0.5 * std::cos(two_pi * x);
}

// A sine whose frequency glides exponentially from `from` to `to` with time constant `tau`,
// added into out starting at `start`.
void add_falling_sine(Buffer& out, double start, double from, double to, double glide_tau,
                      double amplitude, double attack, double decay_tau) {
    double phase = 0.0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        double t = time_of(i) - start;
        if (t < 0.0) {
            continue;
        }
        double freq = to + (from - to) * std::exp(-t / glide_tau);
        phase += two_pi * freq / sample_rate;
        out[i] += amplitude * strike_envelope(t, attack, decay_tau) * std::sin(phase);
    }
}

// Noise through a filter chain under a strike envelope.
template <typename Filter>
void add_noise_burst(Buffer& out, Noise& noise, Filter&& filter, double start, double amplitude,
                     double attack, double decay_tau) {
    for (std::size_t i = 0; i < out.size(); ++i) {
        double t = time_of(i) - start;
        double x = t >= 0.0 ? noise.next() : 0.0;
        double y = filter(x);
        out[i] += amplitude * strike_envelope(t, attack, decay_tau) * y;
    }
}

// Fades the last `seconds` to zero so nothing ends on a click.
void fade_out(Buffer& out, double seconds) {
    auto n = std::min(out.size(), static_cast<std::size_t>(seconds * sample_rate));
    for (std::size_t k = 0; k < n; ++k) {
        double g = static_cast<double>(k) / static_cast<double>(n);
        out[out.size() - 1 - k] *= 0.5 - 0.5 * std::cos(std::numbers::pi * g);
    }
}

// One strike of the boxing bell: inharmonic partials, each split into a slightly detuned pair
// that beats the way a real bell shimmers, and a short metallic click on impact.
void add_bell_strike(Buffer& out, double start, double strength, Noise& noise) {
    constexpr double fundamental = 700.0;
    struct Partial {
        double ratio, amplitude, tau, beat_hz;
    };
    constexpr std::array<Partial, 4> partials = {{
        {1.00, 1.00, 0.95, 1.3},
        {2.76, 0.60, 0.55, 2.1},
        {5.40, 0.35, 0.28, 3.4},
        {8.93, 0.22, 0.14, 4.7},
    }};
    for (const auto& p : partials) {
        double f = fundamental * p.ratio;
        for (std::size_t i = 0; i < out.size(); ++i) {
            double t = time_of(i) - start;
            if (t < 0.0) {
                continue;
            }
            double env = strike_envelope(t, 0.0015, p.tau);
            double pair = std::sin(two_pi * f * t) + 0.6 * std::sin(two_pi * (f + p.beat_hz) * t);
            out[i] += strength * p.amplitude * env * pair / 1.6;
        }
    }
    auto click = Biquad::high_pass(4000.0, 0.7);
    add_noise_burst(out, noise, click, start, 0.5 * strength, 0.0005, 0.004);
}

Buffer make_gong() {
    Buffer out = silence(2.6);
    Noise noise(0x60A6);
    add_bell_strike(out, 0.0, 1.0, noise);
    fade_out(out, 0.4);
    return out;
}

Buffer make_gong_2() {
    Buffer out = silence(2.9);
    Noise noise(0x60A62);
    add_bell_strike(out, 0.00, 1.00, noise);
    add_bell_strike(out, 0.25, 0.90, noise);
    add_bell_strike(out, 0.50, 0.95, noise);
    fade_out(out, 0.4);
    return out;
}

Buffer make_hit() {
    Buffer out = silence(0.21);
    Noise noise(0x4171);
    // Crack: 1-3 kHz, gone within about 30 ms.
    auto low = Biquad::high_pass(1000.0, 0.7);
    auto high = Biquad::low_pass(3000.0, 0.7);
    auto crack = [&](double x) { return high(low(x)); };
    add_noise_burst(out, noise, crack, 0.0, 1.6, 0.001, 0.008);
    add_falling_sine(out, 0.0, 150.0, 60.0, 0.035, 0.9, 0.002, 0.055);
    fade_out(out, 0.03);
    return out;
}

Buffer make_damage() {
    Buffer out = silence(0.34);
    Noise noise(0xDA3A6E);
    add_falling_sine(out, 0.0, 120.0, 42.0, 0.06, 1.0, 0.003, 0.085);
    add_falling_sine(out, 0.0, 240.0, 84.0, 0.05, 0.25, 0.003, 0.05);
    // Only the body is driven into the soft clipper: it sounds pushed while the impact on top
    // keeps its edge.
    for (double& s : out) {
        s = 0.55 * std::tanh(1.8 * s) / std::tanh(1.8);
    }
    auto body = Biquad::band_pass(700.0, 0.9);
    add_noise_burst(out, noise, body, 0.0, 2.2, 0.001, 0.018);
    auto slap = Biquad::band_pass(1800.0, 1.2);
    add_noise_burst(out, noise, slap, 0.0, 1.6, 0.0005, 0.006);
    fade_out(out, 0.06);
    return out;
}

Buffer make_guard() {
    Buffer out = silence(0.13);
    Noise noise(0x6A2D);
    auto muffle_a = Biquad::low_pass(450.0, 0.7);
    auto muffle_b = Biquad::low_pass(450.0, 0.7);
    auto muffled = [&](double x) { return muffle_b(muffle_a(x)); };
    add_noise_burst(out, noise, muffled, 0.0, 6.0, 0.002, 0.025);
    add_falling_sine(out, 0.0, 340.0, 210.0, 0.02, 0.8, 0.002, 0.03);
    fade_out(out, 0.03);
    return out;
}

struct SwishShape {
    double length;
    double sweep_from, sweep_to;
    double squeak_hz, squeak_at, squeak_length;
    std::uint64_t seed;
};

// Noise through two band-passes that sweep across the hump, and a faint rubber squeak on top.
Buffer make_swish(const SwishShape& shape) {
    Buffer out = silence(shape.length);
    Noise noise(shape.seed);
    constexpr double q = 2.5;
    auto first = Biquad::band_pass(shape.sweep_from, q);
    auto second = Biquad::band_pass(shape.sweep_from, q);
    for (std::size_t i = 0; i < out.size(); ++i) {
        double t = time_of(i);
        if (i % 32 == 0) {
            double centre = shape.sweep_from * std::pow(shape.sweep_to / shape.sweep_from,
                                                        t / shape.length);
            first.retune_band_pass(centre, q);
            second.retune_band_pass(centre, q);
        }
        out[i] += 3.0 * hump(t, 0.0, shape.length * 0.9) * second(first(noise.next()));
    }
    double phase = 0.0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        double t = time_of(i);
        double wobble = 1.0 + 0.03 * std::sin(two_pi * 45.0 * t);
        phase += two_pi * shape.squeak_hz * wobble / sample_rate;
        out[i] += 0.3 * hump(t, shape.squeak_at, shape.squeak_length) * std::sin(phase);
    }
    fade_out(out, 0.01);
    return out;
}

Buffer make_move_1() {
    return make_swish({0.12, 1400.0, 4200.0, 2600.0, 0.06, 0.04, 0x30E1});
}

Buffer make_move_2() {
    return make_swish({0.18, 2600.0, 700.0, 1700.0, 0.035, 0.06, 0x30E2});
}

Buffer make_down() {
    Buffer out = silence(0.8);
    Noise noise(0xD0A7);
    add_falling_sine(out, 0.0, 95.0, 38.0, 0.08, 1.0, 0.004, 0.2);
    auto thud_a = Biquad::low_pass(300.0, 0.7);
    auto thud_b = Biquad::low_pass(300.0, 0.7);
    auto thud = [&](double x) { return thud_b(thud_a(x)); };
    add_noise_burst(out, noise, thud, 0.0, 5.0, 0.002, 0.06);
    auto slap = Biquad::band_pass(900.0, 1.0);
    add_noise_burst(out, noise, slap, 0.0, 0.5, 0.001, 0.01);
    // The ropes: a low twang that beats, and the turnbuckles rattling a few times.
    for (std::size_t i = 0; i < out.size(); ++i) {
        double t = time_of(i) - 0.03;
        if (t < 0.0) {
            continue;
        }
        double env = strike_envelope(t, 0.01, 0.18);
        out[i] += 0.12 * env * (std::sin(two_pi * 112.0 * t) + std::sin(two_pi * 117.5 * t) +
                                0.5 * std::sin(two_pi * 231.0 * t));
    }
    constexpr std::array<double, 7> rattle_times = {0.05, 0.09, 0.12, 0.17, 0.22, 0.30, 0.41};
    for (std::size_t k = 0; k < rattle_times.size(); ++k) {
        auto metal = Biquad::band_pass(2900.0 + 250.0 * static_cast<double>(k % 3), 6.0);
        double amplitude = 0.9 * std::exp(-rattle_times[k] / 0.18);
        add_noise_burst(out, noise, metal, rattle_times[k], amplitude, 0.0005, 0.012);
    }
    fade_out(out, 0.15);
    return out;
}

// Loudness as the ear weighs it, roughly: the broadcast K-weighting (a high shelf above
// 1.7 kHz and a high-pass at 38 Hz), then the RMS of the loudest 100 ms.
double loudness(const Buffer& samples) {
    constexpr std::size_t window = sample_rate / 10;
    auto shelf = Biquad::high_shelf(1681.0, 0.707, 4.0);
    auto rumble = Biquad::high_pass(38.0, 0.5);
    double loudest = 0.0;
    double sum = 0.0;
    Buffer weighted(samples.size());
    for (std::size_t i = 0; i < samples.size(); ++i) {
        weighted[i] = rumble(shelf(samples[i]));
        sum += weighted[i] * weighted[i];
        if (i >= window) {
            sum -= weighted[i - window] * weighted[i - window];
        }
        if (i + 1 >= window) {
            loudest = std::max(loudest, std::sqrt(std::max(0.0, sum) / window));
        }
    }
    return loudest;
}

// Scales every sound to the same loudness, unless that would push its peak above -1 dBFS.
// The target is where a clean hit peaks at -1 dBFS, so the punches keep their headroom.
void normalise(Buffer& samples) {
    constexpr double peak_limit = 0.891;
    constexpr double target_loudness = 0.25;
    double peak = 0.0;
    for (double s : samples) {
        peak = std::max(peak, std::abs(s));
    }
    double level = loudness(samples);
    if (peak <= 0.0 || level <= 0.0) {
        return;
    }
    double gain = std::min(peak_limit / peak, target_loudness / level);
    for (double& s : samples) {
        s *= gain;
    }
}

void put_le(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
}

std::string wav_bytes(const Buffer& samples) {
    std::string data;
    data.reserve(samples.size() * 2);
    for (double s : samples) {
        long v = std::lround(std::clamp(s, -1.0, 1.0) * 32767.0);
        put_le(data, static_cast<std::uint32_t>(static_cast<std::int16_t>(v)) & 0xFFFF, 2);
    }
    std::string out = "RIFF";
    put_le(out, static_cast<std::uint32_t>(36 + data.size()), 4);
    out += "WAVEfmt ";
    put_le(out, 16, 4);
    put_le(out, 1, 2);  // PCM
    put_le(out, 1, 2);  // mono
    put_le(out, sample_rate, 4);
    put_le(out, sample_rate * 2, 4);
    put_le(out, 2, 2);
    put_le(out, 16, 2);
    out += "data";
    put_le(out, static_cast<std::uint32_t>(data.size()), 4);
    out += data;
    return out;
}

bool write_file(const std::filesystem::path& path, const std::string& bytes, std::string& error) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file) {
        error = "cannot open " + path.string() + " for writing";
        return false;
    }
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    file.close();
    if (!file) {
        error = "cannot write " + path.string();
        return false;
    }
    return true;
}

struct Sound {
    const char* name;
    Buffer (*make)();
};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: brellon-sfx OUTDIR\n");
        return 2;
    }
    const std::filesystem::path out_dir = argv[1];
    std::error_code ec;
    std::filesystem::create_directories(out_dir, ec);
    if (ec) {
        std::fprintf(stderr, "brellon-sfx: cannot create %s: %s\n", out_dir.string().c_str(),
                     ec.message().c_str());
        return 1;
    }
    const std::array<Sound, 8> sounds = {{
        {"gong", make_gong},
        {"gong_2", make_gong_2},
        {"hit", make_hit},
        {"damage", make_damage},
        {"guard", make_guard},
        {"move_1", make_move_1},
        {"move_2", make_move_2},
        {"down", make_down},
    }};
    for (const auto& sound : sounds) {
        Buffer samples = sound.make();
        normalise(samples);
        std::string error;
        if (!write_file(out_dir / (std::string(sound.name) + ".wav"), wav_bytes(samples), error)) {
            std::fprintf(stderr, "brellon-sfx: %s\n", error.c_str());
            return 1;
        }
    }
    return 0;
}
