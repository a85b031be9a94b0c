// One FluidSynth synthesiser for the whole run, rendering straight into SDL2_mixer's output.
#include "platform/music.h"

#include <SDL_mixer.h>
#include <fluidsynth.h>

#include <algorithm>
#include <array>
#include <cmath>

namespace platform {

namespace {

// SDL2_mixer gave FluidSynth a gain of 1.2 x volume / 128 and the music played at volume 106:
// the same level here, the tunes' peaks near -3 dBFS.
constexpr double gain = 1.2 * 106.0 / 128.0;
// brelo peaks at 69 voices, brelo_B at 160, most of them string and choir tails: with 128, what
// the cap steals lies 30 dB under the music in brelo_B's busiest bars.
constexpr int polyphony = 128;
// The tunes' reverb comes back 20 to 27 dB under the dry sound and costs a quarter of the
// synthesiser's time: without it their level and spectrum stay within 0.1 dB. The chorus
// carries TimGM6mb's own sends: without it the tunes lose 2 dB between 200 Hz and 2 kHz.
constexpr bool reverb = false;
constexpr bool chorus = true;
// Linear interpolation would save 7 % of the time but dull the tunes by 0.5 to 1 dB between
// 2 and 8 kHz.
constexpr int interpolation = FLUID_INTERP_4THORDER;
constexpr int buffer_frames = 512;  // synthesised frames at a time
// The midpoint between two synthesised frames, from the 8-point Lagrange interpolator: flat to
// 5 kHz and -1 dB at 8 kHz, images of what lies below 5 kHz 45 dB down.
constexpr std::array<float, 8> midpoint = {-5 / 2048.0f,   49 / 2048.0f,   -245 / 2048.0f,
                                           1225 / 2048.0f, 1225 / 2048.0f, -245 / 2048.0f,
                                           49 / 2048.0f,   -5 / 2048.0f};

void keep_first(int, const char* message, void* data) {
    auto& kept = *static_cast<std::string*>(data);
    if (kept.empty() && message) kept = message;
}

std::int16_t to_s16(float v) {
    return static_cast<std::int16_t>(std::lrint(std::clamp(v * 32768.0f, -32768.0f, 32767.0f)));
}

void put(std::int16_t* out, int channels, float left, float right) {
    if (channels == 1) {
        out[0] = to_s16((left + right) / 2);
    } else {
        out[0] = to_s16(left);
        out[1] = to_s16(right);
    }
}

}  // namespace

MusicSynth::MusicSynth(int freq, int channels) : freq_(freq), channels_(channels) {}

MusicSynth::~MusicSynth() {
    if (loader_.joinable()) loader_.join();
    // Once Mix_HookMusic returns, the audio thread has left mix() for good.
    if (hooked_) Mix_HookMusic(nullptr, nullptr);
    if (player_) delete_fluid_player(player_);
    // A SoundFont whose samples are still pinned is not freed with its synthesiser.
    for (const Pinned& p : pinned_) fluid_synth_unpin_preset(synth_, sfont_, p.bank, p.program);
    if (synth_) delete_fluid_synth(synth_);
    if (settings_) delete_fluid_settings(settings_);
}

void MusicSynth::load(const std::string& soundfont) {
    loader_ = std::thread([this, soundfont] { error_ = make(soundfont); });
}

const std::string& MusicSynth::ready() {
    if (loader_.joinable()) loader_.join();
    return error_;
}

// Nothing else touches the synthesiser until the loader is joined.
std::string MusicSynth::make(const std::string& soundfont) {
    // FluidSynth's own audio drivers stay unused: registering none spares new_fluid_settings
    // from probing the sound system. Its warnings (a voice stolen when the polyphony runs out)
    // would come from the audio thread onto the player's terminal.
    const char* no_drivers[] = {nullptr};
    fluid_audio_driver_register(no_drivers);
    fluid_set_log_function(FLUID_WARN, nullptr, nullptr);
    fluid_set_log_function(FLUID_INFO, nullptr, nullptr);
    fluid_set_log_function(FLUID_DBG, nullptr, nullptr);

    settings_ = new_fluid_settings();
    if (!settings_) return "FluidSynth cannot start";
    const bool set =
        fluid_settings_setnum(settings_, "synth.sample-rate", freq_ / 2.0) == FLUID_OK &&
        fluid_settings_setnum(settings_, "synth.gain", gain) == FLUID_OK &&
        fluid_settings_setint(settings_, "synth.polyphony", polyphony) == FLUID_OK &&
        fluid_settings_setint(settings_, "synth.reverb.active", reverb) == FLUID_OK &&
        fluid_settings_setint(settings_, "synth.chorus.active", chorus) == FLUID_OK &&
        // Only the samples of the instruments the tunes choose are read into memory.
        fluid_settings_setint(settings_, "synth.dynamic-sample-loading", 1) == FLUID_OK &&
        fluid_settings_setint(settings_, "synth.lock-memory", 0) == FLUID_OK &&
        // Every call comes under mutex_ already.
        fluid_settings_setint(settings_, "synth.threadsafe-api", 0) == FLUID_OK;
    if (!set) return "FluidSynth refuses its settings";
    synth_ = new_fluid_synth(settings_);
    if (!synth_) return "FluidSynth cannot start";

    std::string why;
    fluid_set_log_function(FLUID_ERR, keep_first, &why);
    fluid_set_log_function(FLUID_PANIC, keep_first, &why);
    sfont_ = fluid_synth_sfload(synth_, soundfont.c_str(), 1);
    fluid_set_log_function(FLUID_ERR, fluid_default_log_function, nullptr);
    fluid_set_log_function(FLUID_PANIC, fluid_default_log_function, nullptr);
    if (sfont_ == FLUID_FAILED) {
        return "cannot load the SoundFont " + soundfont + (why.empty() ? "" : ": " + why);
    }
    fluid_synth_set_interp_method(synth_, -1, interpolation);
    buffer_.assign(2 * (buffer_frames + midpoint.size() - 1), 0.0f);
    Mix_HookMusic(&MusicSynth::mix, this);
    hooked_ = true;
    return {};
}

std::string MusicSynth::start(std::span<const std::uint8_t> midi) {
    std::lock_guard lock(mutex_);
    drop_player();
    player_ = new_fluid_player(synth_);
    if (!player_) return "FluidSynth cannot make a player";
    if (fluid_player_add_mem(player_, midi.data(), midi.size()) != FLUID_OK ||
        fluid_player_play(player_) != FLUID_OK) {
        delete_fluid_player(player_);
        player_ = nullptr;
        return "FluidSynth cannot play it";
    }
    return {};
}

void MusicSynth::stop() {
    std::lock_guard lock(mutex_);
    drop_player();
}

void MusicSynth::drop_player() {
    if (!player_) return;
    pin_presets();
    delete_fluid_player(player_);
    player_ = nullptr;
    fluid_synth_all_sounds_off(synth_, -1);
}

// The next start resets the synthesiser, which deselects every instrument; with dynamic sample
// loading that would read the same samples again from the file, on the audio thread. Pinned,
// they stay.
void MusicSynth::pin_presets() {
    for (int chan = 0; chan < fluid_synth_count_midi_channels(synth_); ++chan) {
        fluid_preset_t* preset = fluid_synth_get_channel_preset(synth_, chan);
        if (!preset || fluid_sfont_get_id(fluid_preset_get_sfont(preset)) != sfont_) continue;
        const Pinned p{fluid_preset_get_banknum(preset), fluid_preset_get_num(preset)};
        if (std::find(pinned_.begin(), pinned_.end(), p) != pinned_.end()) continue;
        if (fluid_synth_pin_preset(synth_, sfont_, p.bank, p.program) == FLUID_OK) {
            pinned_.push_back(p);
        }
    }
}

void MusicSynth::mix(void* self, std::uint8_t* stream, int len) {
    auto& music = *static_cast<MusicSynth*>(self);
    std::lock_guard lock(music.mutex_);
    music.render(reinterpret_cast<std::int16_t*>(stream), len / (2 * music.channels_));
}

// The synthesiser runs at half the mixer's rate, for half its cost: most of TimGM6mb's samples
// are 22 kHz or less, and what the tunes have above 11 kHz lies 29 dB under the rest. Each
// synthesised frame gives two output frames, itself and the midpoint to the next one, four
// frames late; buffer_ begins with the last frames of the call before. The mixer hands over
// silence and adds the effects afterwards.
void MusicSynth::render(std::int16_t* out, int frames) {
    constexpr int kept = static_cast<int>(midpoint.size()) - 1;
    constexpr int even = kept / 2;  // where the frame itself sits among the midpoint's eight
    // Stopped is silent at once, the chorus tail too: the next start resets the synthesiser.
    // A tune that has played to its end rings on until its last voice has faded.
    const bool sounding = player_ && (fluid_player_get_status(player_) == FLUID_PLAYER_PLAYING ||
                                      fluid_synth_get_active_voice_count(synth_) > 0);
    if (!sounding) {
        std::fill(buffer_.begin(), buffer_.begin() + 2 * kept, 0.0f);
        carry_ = false;
        return;
    }
    if (carry_ && frames > 0) {
        put(out, channels_, carried_[0], carried_[1]);
        out += channels_;
        --frames;
        carry_ = false;
    }
    while (frames > 0) {
        const int n = std::min((frames + 1) / 2, buffer_frames);
        float* lr = buffer_.data();
        fluid_synth_write_float(synth_, n, lr + 2 * kept, 0, 2, lr + 2 * kept, 1, 2);
        for (int i = 0; i < n; ++i) {
            const float* f = lr + 2 * i;
            float odd_l = 0.0f, odd_r = 0.0f;
            for (std::size_t t = 0; t < midpoint.size(); ++t) {
                odd_l += midpoint[t] * f[2 * t];
                odd_r += midpoint[t] * f[2 * t + 1];
            }
            put(out, channels_, f[2 * even], f[2 * even + 1]);
            out += channels_;
            if (--frames == 0) {
                carried_[0] = odd_l;
                carried_[1] = odd_r;
                carry_ = true;
                break;
            }
            put(out, channels_, odd_l, odd_r);
            out += channels_;
            --frames;
        }
        std::copy(lr + 2 * n, lr + 2 * (n + kept), lr);
    }
}

}  // namespace platform
