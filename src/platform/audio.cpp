// Sound through SDL2_mixer: effects on a channel of their own, MIDI music through one FluidSynth
// synthesiser mixed into the same output.
#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <set>
#include <vector>

#include "platform/music.h"
#include "platform/platform.h"
#include "ui/midi_length.h"

namespace platform {

namespace {

constexpr int first_channel_count = 16;
// A stop this close to the end of the file is its end: the next play starts from the beginning.
constexpr std::int64_t end_slack_ms = 50;

constexpr const char* soundfonts[] = {"/usr/share/sounds/sf2/TimGM6mb.sf2",
                                      "/usr/share/sounds/sf3/default-GM.sf3",
                                      "/usr/share/sounds/sf2/default-GM.sf2"};

bool is_music(const std::string& path) {
    std::string ext = std::filesystem::path(path).extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char ch) { return static_cast<char>(std::tolower(ch)); });
    return ext == ".mid" || ext == ".midi";
}

void say(const std::string& line) {
    std::fprintf(stderr, "brellon: %s\n", line.c_str());
}

std::int64_t pcm_length_ms(std::uint64_t bytes, int freq, Uint16 format, int channels) {
    const std::uint64_t frame = static_cast<std::uint64_t>(SDL_AUDIO_BITSIZE(format) / 8) *
                                static_cast<std::uint64_t>(channels);
    if (frame == 0 || freq <= 0) return 0;
    return static_cast<std::int64_t>(bytes / frame * 1000 / static_cast<std::uint64_t>(freq));
}

class SdlAudio final : public ui::AudioDevice {
public:
    SdlAudio();
    ~SdlAudio() override;
    SdlAudio(const SdlAudio&) = delete;
    SdlAudio& operator=(const SdlAudio&) = delete;

    ui::OpenResult open(const std::string& player, const std::string& path) override;
    void play(const std::string& player) override;
    void rewind(const std::string& player) override;
    void stop(const std::string& player) override;

private:
    struct Player {
        std::string path;
        bool music = false;
        Mix_Chunk* chunk = nullptr;
        Mix_Chunk* rest = nullptr;  // the part of chunk after a resume point, sharing its samples
        std::vector<std::uint8_t> midi;
        int channel = -1;
        std::int64_t length_ms = 0;
        std::int64_t position_ms = 0;
        std::uint64_t started = 0;
        bool playing = false;
    };

    void halt(const std::string& name, Player& p);
    void release(Player& p);
    void start_effect(Player& p);
    void start_music(const std::string& name, Player& p);
    int next_channel();
    void say_once(const std::string& key, const std::string& line);
    bool synth_ready();

    bool subsystem_ = false;
    bool device_ = false;
    bool music_ = false;  // a SoundFont is there and the synthesiser has not failed
    std::string soundfont_;
    int freq_ = 0;
    Uint16 format_ = 0;
    int channels_ = 0;
    int channels_allocated_ = 0;
    int channels_used_ = 0;
    // Made when the first tune opens, so the title costs nothing; it outlives every player.
    // Its SoundFont loads meanwhile: the bout plays its music seconds later.
    std::unique_ptr<MusicSynth> synth_;
    std::string music_owner_;
    std::map<std::string, Player> players_;
    std::set<std::string> said_;
};

SdlAudio::SdlAudio() {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        say(std::string("no sound: ") + SDL_GetError());
        return;
    }
    subsystem_ = true;
    for (const char* sf : soundfonts) {
        std::error_code ec;
        if (std::filesystem::is_regular_file(sf, ec)) {
            soundfont_ = sf;
            break;
        }
    }
    if (Mix_OpenAudio(MIX_DEFAULT_FREQUENCY, MIX_DEFAULT_FORMAT, 2, 1024) != 0) {
        // Loads after a failed open fail with misleading messages: stay silent instead. The
        // subsystem goes too, or its device watcher keeps waking up for nothing.
        say(std::string("no sound: ") + Mix_GetError());
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        subsystem_ = false;
        return;
    }
    device_ = true;
    Mix_QuerySpec(&freq_, &format_, &channels_);
    channels_allocated_ = Mix_AllocateChannels(first_channel_count);
    if (format_ != AUDIO_S16SYS || channels_ < 1) {
        say("no music: the mixer's output is not 16-bit samples");
    } else if (soundfont_.empty()) {
        say("no music: no General MIDI SoundFont (package timgm6mb-soundfont)");
    } else {
        music_ = true;
    }
}

SdlAudio::~SdlAudio() {
    if (device_) {
        Mix_HaltChannel(-1);
        synth_.reset();
        for (auto& [name, p] : players_) release(p);
        Mix_CloseAudio();
    }
    if (subsystem_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void SdlAudio::say_once(const std::string& key, const std::string& line) {
    if (said_.insert(key).second) say(line);
}

// A synthesiser that failed to load is said once and leaves the music silent, the effects
// playing.
bool SdlAudio::synth_ready() {
    if (!synth_) return false;
    const std::string why = synth_->ready();
    if (why.empty()) return true;
    say("no music: " + why);
    music_ = false;
    synth_.reset();
    return false;
}

int SdlAudio::next_channel() {
    if (channels_used_ >= channels_allocated_) {
        channels_allocated_ = Mix_AllocateChannels(std::max(1, channels_allocated_ * 2));
    }
    return channels_used_++;
}

void SdlAudio::release(Player& p) {
    if (p.rest) Mix_FreeChunk(p.rest);
    if (p.chunk) Mix_FreeChunk(p.chunk);
    p.rest = nullptr;
    p.chunk = nullptr;
}

// Stops what the player is playing and keeps the place it reached, as a paused tape does.
void SdlAudio::halt(const std::string& name, Player& p) {
    if (!p.playing) return;
    p.playing = false;
    p.position_ms += static_cast<std::int64_t>(SDL_GetTicks64() - p.started);
    if (p.length_ms <= 0 || p.position_ms >= p.length_ms - end_slack_ms) p.position_ms = 0;
    if (!device_) return;
    if (p.music) {
        if (music_owner_ == name && synth_) {
            synth_->stop();
            music_owner_.clear();
        }
    } else if (p.channel >= 0) {
        Mix_HaltChannel(p.channel);
    }
}

ui::OpenResult SdlAudio::open(const std::string& player, const std::string& path) {
    Player& p = players_[player];
    halt(player, p);
    release(p);
    p.midi.clear();
    p.path = path;
    p.music = is_music(path);
    p.length_ms = 0;
    p.position_ms = 0;
    const std::string file = find_data_file(path);
    if (file.empty()) return {false, "file not found", 0};
    if (p.music) {
        std::ifstream in(file, std::ios::binary);
        std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in),
                                        std::istreambuf_iterator<char>()};
        if (!in.good() && !in.eof()) return {false, "cannot read the file", 0};
        const ui::MidiLength len = ui::midi_length_ms(bytes);
        if (!len.ok) return {false, len.error, 0};
        p.midi = std::move(bytes);
        p.length_ms = len.ms;
        if (device_ && music_ && !synth_) {
            synth_ = std::make_unique<MusicSynth>(freq_, channels_);
            synth_->load(soundfont_);
        }
        return {true, "", p.length_ms};
    }
    if (!device_) {
        // Silent, but with the sound's true length, so the game keeps its timing.
        SDL_AudioSpec wav;
        Uint8* buf = nullptr;
        Uint32 len = 0;
        if (!SDL_LoadWAV(file.c_str(), &wav, &buf, &len)) {
            return {false, std::string("cannot decode the sound: ") + SDL_GetError(), 0};
        }
        SDL_FreeWAV(buf);
        p.length_ms = pcm_length_ms(len, wav.freq, wav.format, wav.channels);
        return {true, "", p.length_ms};
    }
    p.chunk = Mix_LoadWAV(file.c_str());
    if (!p.chunk) return {false, std::string("cannot decode the sound: ") + Mix_GetError(), 0};
    if (p.channel < 0) p.channel = next_channel();
    p.length_ms = pcm_length_ms(p.chunk->alen, freq_, format_, channels_);
    return {true, "", p.length_ms};
}

void SdlAudio::start_effect(Player& p) {
    if (!p.chunk || p.channel < 0) return;
    Mix_Chunk* chunk = p.chunk;
    if (p.position_ms > 0) {
        const Uint32 frame = static_cast<Uint32>(SDL_AUDIO_BITSIZE(format_) / 8 * channels_);
        const Uint32 offset = static_cast<Uint32>(p.position_ms * freq_ / 1000) * frame;
        if (offset >= p.chunk->alen) return;
        if (p.rest) Mix_FreeChunk(p.rest);
        p.rest = Mix_QuickLoad_RAW(p.chunk->abuf + offset, p.chunk->alen - offset);
        if (p.rest) chunk = p.rest;
    }
    if (Mix_PlayChannel(p.channel, chunk, 0) < 0) {
        say_once("play:" + p.path, "cannot play " + p.path + ": " + Mix_GetError());
    }
}

// A piece resumed after a stop starts again from its beginning, as it always has: the game
// only ever rewinds its music.
void SdlAudio::start_music(const std::string& name, Player& p) {
    if (p.midi.empty() || !synth_ready()) return;
    if (!music_owner_.empty() && music_owner_ != name) {
        // One synthesiser: the other player's music ends here.
        halt(music_owner_, players_[music_owner_]);
    }
    const std::string why = synth_->start(p.midi);
    if (!why.empty()) {
        say_once("play:" + p.path, "cannot play " + p.path + ": " + why);
        return;
    }
    music_owner_ = name;
}

void SdlAudio::play(const std::string& player) {
    auto it = players_.find(player);
    if (it == players_.end()) return;
    Player& p = it->second;
    halt(player, p);
    if (p.length_ms <= 0 && !p.chunk) return;
    p.playing = true;
    p.started = SDL_GetTicks64();
    if (!device_) return;
    if (p.music) {
        start_music(player, p);
    } else {
        start_effect(p);
    }
}

void SdlAudio::rewind(const std::string& player) {
    auto it = players_.find(player);
    if (it == players_.end()) return;
    halt(player, it->second);
    it->second.position_ms = 0;
}

void SdlAudio::stop(const std::string& player) {
    auto it = players_.find(player);
    if (it == players_.end()) return;
    halt(player, it->second);
}

}  // namespace

std::unique_ptr<ui::AudioDevice> make_sdl_audio() {
    return std::make_unique<SdlAudio>();
}

}  // namespace platform
