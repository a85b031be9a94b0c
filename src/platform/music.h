#pragma once

#include <cstdint>
#include <mutex>
#include <span>
#include <string>
#include <thread>
#include <vector>

// As fluidsynth.h names them; only music.cpp needs the whole header.
typedef struct _fluid_hashtable_t fluid_settings_t;
typedef struct _fluid_synth_t fluid_synth_t;
typedef struct _fluid_player_t fluid_player_t;

namespace platform {

// MIDI music through one FluidSynth synthesiser, made once and kept for the run, mixed into
// SDL2_mixer's output through its music hook. One tune sounds at a time.
class MusicSynth {
public:
    // The mixer's output: 16-bit samples at freq, channels interleaved. Nothing is made yet.
    MusicSynth(int freq, int channels);
    ~MusicSynth();
    MusicSynth(const MusicSynth&) = delete;
    MusicSynth& operator=(const MusicSynth&) = delete;

    // Makes the synthesiser, loads the SoundFont and starts mixing, on a thread of its own:
    // that takes tens of milliseconds the UI thread need not wait. Call it once.
    void load(const std::string& soundfont);
    // Waits for the load to finish. The empty string, or why the music cannot sound.
    const std::string& ready();
    // Once ready: the tune from its first event, in place of whatever was playing. Returns the
    // empty string, or why it cannot play.
    std::string start(std::span<const std::uint8_t> midi);
    // Silence at once: no note rings on.
    void stop();

private:
    struct Pinned {
        int bank, program;
        bool operator==(const Pinned&) const = default;
    };

    std::string make(const std::string& soundfont);
    static void mix(void* self, std::uint8_t* stream, int len);
    void render(std::int16_t* out, int frames);
    void drop_player();
    void pin_presets();

    const int freq_;
    const int channels_;
    std::thread loader_;
    std::string error_;  // written by the loader, read once it has been joined
    fluid_settings_t* settings_ = nullptr;
    fluid_synth_t* synth_ = nullptr;
    int sfont_ = -1;
    std::vector<Pinned> pinned_;
    bool hooked_ = false;
    // The audio thread renders while the UI thread starts and stops: this guards the
    // synthesiser, the player and the buffer.
    std::mutex mutex_;
    fluid_player_t* player_ = nullptr;
    std::vector<float> buffer_;  // interleaved left and right
    float carried_[2] = {};      // an odd frame the last call had no room for
    bool carry_ = false;
};

}  // namespace platform
