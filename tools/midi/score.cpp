#include "score.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <map>
#include <optional>
#include <set>
#include <sstream>

namespace midi {
namespace {

constexpr int whole_note = 4 * ticks_per_quarter;
constexpr int drum_channel = 9;  // channel 10 as musicians count

enum Order { note_off_order = 0, control_order = 1, note_on_order = 2, end_order = 3 };

struct Note {
    std::int64_t tick;
    int key;
    int velocity;
    std::int64_t length;
};

struct Control {
    std::int64_t tick;
    int number;
    int value;
};

struct Pattern {
    std::int64_t length = 0;
    bool uses_drum_names = false;
    std::vector<Note> notes;
    std::vector<Control> controls;
};

struct Track {
    std::string name;
    int channel = 0;
    int program = 0;
    int volume = 100;
    int pan = 64;
    int reverb = 40;
    int chorus = 0;
};

struct Use {
    std::string pattern;  // empty for a bar of silence
    int transpose = 0;
    int repeat = 1;
};

struct Layer {
    int line = 0;
    std::string track;
    std::vector<Use> uses;
};

struct Section {
    int line = 0;
    std::optional<double> tempo;
    std::vector<Layer> layers;
};

struct Score {
    double tempo = 120.0;
    int beats = 4;
    int beat_unit = 4;
    std::vector<Track> tracks;
    std::map<std::string, Pattern> patterns;
    std::map<std::string, Section> sections;
    std::vector<std::string> song;
    int song_line = 0;

    std::int64_t bar_ticks() const { return std::int64_t{whole_note} * beats / beat_unit; }
};

const std::map<std::string, int>& drum_keys() {
    static const std::map<std::string, int> keys = {
        {"kick2", 35}, {"kick", 36},   {"rim", 37},    {"snare", 38},  {"clap", 39},
        {"snare2", 40}, {"tomf", 41},  {"hat", 42},    {"tomf2", 43},  {"phat", 44},
        {"toml", 45},  {"ohat", 46},   {"tomm", 47},   {"tommh", 48},  {"crash", 49},
        {"tomh", 50},  {"ride", 51},   {"china", 52},  {"bell", 53},   {"tamb", 54},
        {"splash", 55}, {"cowbell", 56}, {"crash2", 57},
    };
    return keys;
}

std::optional<int> parse_int(std::string_view text) {
    int value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

// c4 is middle C (60); sharps with #, flats with b; octaves from -1.
std::optional<int> parse_note_name(std::string_view text) {
    if (text.empty()) {
        return std::nullopt;
    }
    static constexpr std::array<int, 7> steps = {9, 11, 0, 2, 4, 5, 7};  // a b c d e f g
    char letter = static_cast<char>(std::tolower(static_cast<unsigned char>(text[0])));
    if (letter < 'a' || letter > 'g') {
        return std::nullopt;
    }
    int key = steps[static_cast<std::size_t>(letter - 'a')];
    std::size_t i = 1;
    if (i < text.size() && (text[i] == '#' || text[i] == 'b')) {
        key += text[i] == '#' ? 1 : -1;
        ++i;
    }
    auto octave = parse_int(text.substr(i));
    if (!octave) {
        return std::nullopt;
    }
    key += (*octave + 1) * 12;
    if (key < 0 || key > 127) {
        return std::nullopt;
    }
    return key;
}

std::optional<std::int64_t> parse_length(std::string_view text) {
    std::int64_t total = 0;
    while (!text.empty()) {
        auto plus = text.find('+');
        std::string_view term = text.substr(0, plus);
        text = plus == std::string_view::npos ? std::string_view{} : text.substr(plus + 1);
        if (plus != std::string_view::npos && text.empty()) {
            return std::nullopt;
        }
        int dots = 0;
        bool triplet = false;
        while (!term.empty() && (term.back() == '.' || term.back() == 't')) {
            if (term.back() == '.') {
                ++dots;
            } else {
                triplet = true;
            }
            term.remove_suffix(1);
        }
        auto division = parse_int(term);
        if (!division || (*division != 1 && *division != 2 && *division != 4 && *division != 8 &&
                          *division != 16 && *division != 32 && *division != 64) ||
            dots > 1 || (dots == 1 && triplet)) {
            return std::nullopt;
        }
        std::int64_t ticks = whole_note / *division;
        if (dots == 1) {
            ticks = ticks * 3 / 2;
        }
        if (triplet) {
            ticks = ticks * 2 / 3;
        }
        total += ticks;
    }
    return total > 0 ? std::optional(total) : std::nullopt;
}

std::vector<std::string> split_words(const std::string& line) {
    std::vector<std::string> words;
    std::istringstream in(line);
    std::string word;
    while (in >> word) {
        words.push_back(word);
    }
    return words;
}

class Parser {
public:
    explicit Parser(std::string& error) : error_(error) {}

    bool parse(const std::string& text, Score& score) {
        std::istringstream in(text);
        std::string raw;
        std::vector<std::pair<int, std::vector<std::string>>> lines;
        int number = 0;
        while (std::getline(in, raw)) {
            ++number;
            auto words = split_words(strip_comment(raw));
            if (!words.empty()) {
                lines.emplace_back(number, std::move(words));
            }
        }
        for (std::size_t i = 0; i < lines.size(); ++i) {
            line_ = lines[i].first;
            const auto& words = lines[i].second;
            const std::string& keyword = words[0];
            if (keyword == "pattern" || keyword == "section") {
                if (words.size() != 2) {
                    return fail(keyword + " needs exactly one name");
                }
                std::size_t end = i + 1;
                while (end < lines.size() && lines[end].second[0] != "end") {
                    ++end;
                }
                if (end == lines.size()) {
                    return fail(keyword + " " + words[1] + " has no end");
                }
                std::vector<std::pair<int, std::vector<std::string>>> body(
                    lines.begin() + static_cast<std::ptrdiff_t>(i + 1),
                    lines.begin() + static_cast<std::ptrdiff_t>(end));
                bool ok = keyword == "pattern" ? parse_pattern(words[1], body, score)
                                               : parse_section(words[1], body, score);
                if (!ok) {
                    return false;
                }
                i = end;
            } else if (!parse_statement(words, score)) {
                return false;
            }
        }
        return check(score);
    }

private:
    // '#' starts a comment at the start of a word; inside a word it is a sharp (f#3).
    static std::string strip_comment(const std::string& line) {
        for (std::size_t i = 0; i < line.size(); ++i) {
            bool word_start = i == 0 || std::isspace(static_cast<unsigned char>(line[i - 1]));
            if (line[i] == '#' && word_start) {
                return line.substr(0, i);
            }
        }
        return line;
    }

    bool fail(const std::string& message) {
        error_ = line_ > 0 ? "line " + std::to_string(line_) + ": " + message : message;
        return false;
    }

    bool parse_statement(const std::vector<std::string>& words, Score& score) {
        const std::string& keyword = words[0];
        if (keyword == "tempo") {
            if (words.size() != 2 || !parse_tempo(words[1], score.tempo)) {
                return fail("tempo needs a number of beats per minute between 20 and 400");
            }
            return true;
        }
        if (keyword == "time") {
            auto slash = words.size() == 2 ? words[1].find('/') : std::string::npos;
            std::optional<int> beats, unit;
            if (slash != std::string::npos) {
                beats = parse_int(std::string_view(words[1]).substr(0, slash));
                unit = parse_int(std::string_view(words[1]).substr(slash + 1));
            }
            if (!beats || !unit || *beats < 1 || *beats > 32 ||
                (*unit != 2 && *unit != 4 && *unit != 8 && *unit != 16)) {
                return fail("time needs a signature like 4/4 or 6/8");
            }
            score.beats = *beats;
            score.beat_unit = *unit;
            return true;
        }
        if (keyword == "track") {
            return parse_track(words, score);
        }
        if (keyword == "song") {
            if (!score.song.empty()) {
                return fail("a score has one song line");
            }
            score.song_line = line_;
            for (std::size_t i = 1; i < words.size(); ++i) {
                Use use;
                if (!parse_use(words[i], use) || use.transpose != 0 || use.pattern.empty()) {
                    return fail("song entries are section names, optionally *N: " + words[i]);
                }
                for (int k = 0; k < use.repeat; ++k) {
                    score.song.push_back(use.pattern);
                }
            }
            if (score.song.empty()) {
                return fail("song lists no sections");
            }
            return true;
        }
        return fail("unknown statement " + keyword);
    }

    static bool parse_tempo(const std::string& word, double& tempo) {
        std::istringstream in(word);
        double value = 0;
        if (!(in >> value) || !in.eof() || value < 20.0 || value > 400.0) {
            return false;
        }
        tempo = value;
        return true;
    }

    bool parse_track(const std::vector<std::string>& words, Score& score) {
        if (words.size() < 2 || words.size() % 2 != 0) {
            return fail("track needs a name and then pairs of setting and value");
        }
        Track track;
        track.name = words[1];
        bool has_channel = false;
        bool has_program = false;
        for (std::size_t i = 2; i + 1 < words.size(); i += 2) {
            auto value = parse_int(words[i + 1]);
            const std::string& key = words[i];
            auto in_range = [&](int low, int high) {
                return value && *value >= low && *value <= high;
            };
            if (key == "channel" && in_range(1, 16)) {
                track.channel = *value - 1;
                has_channel = true;
            } else if (key == "program" && in_range(1, 128)) {
                track.program = *value - 1;
                has_program = true;
            } else if (key == "volume" && in_range(0, 127)) {
                track.volume = *value;
            } else if (key == "pan" && in_range(0, 127)) {
                track.pan = *value;
            } else if (key == "reverb" && in_range(0, 127)) {
                track.reverb = *value;
            } else if (key == "chorus" && in_range(0, 127)) {
                track.chorus = *value;
            } else {
                return fail("track " + track.name + ": bad setting " + key + " " + words[i + 1]);
            }
        }
        if (!has_channel) {
            return fail("track " + track.name + " needs a channel");
        }
        if (!has_program && track.channel != drum_channel) {
            return fail("track " + track.name + " needs a program");
        }
        for (const auto& other : score.tracks) {
            if (other.name == track.name) {
                return fail("track " + track.name + " is declared twice");
            }
            if (other.channel == track.channel) {
                return fail("tracks " + other.name + " and " + track.name + " share a channel");
            }
        }
        score.tracks.push_back(track);
        return true;
    }

    bool parse_pattern(const std::string& name,
                       const std::vector<std::pair<int, std::vector<std::string>>>& body,
                       Score& score) {
        if (score.patterns.count(name) != 0) {
            return fail("pattern " + name + " is defined twice");
        }
        Pattern pattern;
        std::int64_t now = 0;
        std::int64_t bar_start = 0;
        int bar = 1;
        std::int64_t length = whole_note / 4;
        int velocity = 90;
        int gate = 90;
        for (const auto& [number, words] : body) {
            line_ = number;
            for (const auto& word : words) {
                if (word == "|") {
                    if (now - bar_start != score.bar_ticks()) {
                        return fail("bar " + std::to_string(bar) + " of pattern " + name + " is " +
                                    std::to_string(now - bar_start) + " ticks long, not " +
                                    std::to_string(score.bar_ticks()) + " (" +
                                    std::to_string(ticks_per_quarter) + " a quarter note)");
                    }
                    bar_start = now;
                    ++bar;
                    continue;
                }
                if (word.size() > 1 && word[0] == 'v' && parse_int(word.substr(1))) {
                    velocity = std::clamp(*parse_int(word.substr(1)), 1, 127);
                    continue;
                }
                if (word == "gate") {
                    return fail("gate needs its percentage joined to it, like gate=80");
                }
                if (word.rfind("gate=", 0) == 0) {
                    auto value = parse_int(word.substr(5));
                    if (!value || *value < 1 || *value > 100) {
                        return fail("gate is a percentage from 1 to 100: " + word);
                    }
                    gate = *value;
                    continue;
                }
                if (word.rfind("cc", 0) == 0) {
                    auto eq = word.find('=');
                    std::optional<int> number_cc, value;
                    if (eq != std::string::npos) {
                        number_cc = parse_int(word.substr(2, eq - 2));
                        value = parse_int(word.substr(eq + 1));
                    }
                    if (!number_cc || !value || *number_cc < 0 || *number_cc > 119 ||
                        *value < 0 || *value > 127) {
                        return fail("controller changes look like cc11=100: " + word);
                    }
                    pattern.controls.push_back({now, *number_cc, *value});
                    continue;
                }
                if (!parse_step(word, pattern, now, length, velocity, gate)) {
                    return false;
                }
            }
        }
        if (now == 0) {
            return fail("pattern " + name + " is empty");
        }
        pattern.length = now;
        score.patterns.emplace(name, std::move(pattern));
        return true;
    }

    // One note, chord or rest with its optional length and accent.
    bool parse_step(const std::string& word, Pattern& pattern, std::int64_t& now,
                    std::int64_t& length, int velocity, int gate) {
        std::string_view rest = word;
        int accent = 0;
        while (!rest.empty() && (rest.back() == '!' || rest.back() == '?')) {
            accent += rest.back() == '!' ? 20 : -30;
            rest.remove_suffix(1);
        }
        auto slash = rest.find('/');
        std::string_view pitches = rest.substr(0, slash);
        if (slash != std::string_view::npos) {
            auto parsed = parse_length(rest.substr(slash + 1));
            if (!parsed) {
                return fail("bad length in " + word);
            }
            length = *parsed;
        }
        if (pitches != "r") {
            while (!pitches.empty()) {
                auto plus = pitches.find('+');
                std::string key_name(pitches.substr(0, plus));
                pitches = plus == std::string_view::npos ? std::string_view{}
                                                         : pitches.substr(plus + 1);
                std::optional<int> key;
                auto drum = drum_keys().find(key_name);
                if (drum != drum_keys().end()) {
                    key = drum->second;
                    pattern.uses_drum_names = true;
                } else if (key_name.size() > 1 && key_name[0] == 'n') {
                    key = parse_int(key_name.substr(1));
                    if (key && (*key < 0 || *key > 127)) {
                        key.reset();
                    }
                } else {
                    key = parse_note_name(key_name);
                }
                if (!key) {
                    return fail("not a note, drum or rest: " + key_name +
                                (key_name == word ? std::string{} : " in " + word));
                }
                int v = std::clamp(velocity + accent, 1, 127);
                std::int64_t sounding = std::max<std::int64_t>(1, length * gate / 100);
                pattern.notes.push_back({now, *key, v, sounding});
            }
        }
        now += length;
        return true;
    }

    // NAME, NAME*3, NAME+5, NAME-2*2, or _ for a bar of silence.
    static bool parse_use(const std::string& word, Use& use) {
        std::string_view text = word;
        auto star = text.find('*');
        if (star != std::string_view::npos) {
            auto repeat = parse_int(text.substr(star + 1));
            if (!repeat || *repeat < 1 || *repeat > 64) {
                return false;
            }
            use.repeat = *repeat;
            text = text.substr(0, star);
        }
        auto sign = text.find_first_of("+-");
        if (sign != std::string_view::npos) {
            auto shift = parse_int(text.substr(sign + (text[sign] == '+' ? 1 : 0)));
            if (!shift || *shift < -48 || *shift > 48) {
                return false;
            }
            use.transpose = *shift;
            text = text.substr(0, sign);
        }
        if (text.empty()) {
            return false;
        }
        use.pattern = text == "_" ? std::string{} : std::string(text);
        return true;
    }

    bool parse_section(const std::string& name,
                       const std::vector<std::pair<int, std::vector<std::string>>>& body,
                       Score& score) {
        if (score.sections.count(name) != 0) {
            return fail("section " + name + " is defined twice");
        }
        Section section;
        section.line = line_;
        // A line that ends in a lone backslash goes on in the next one.
        std::vector<std::pair<int, std::vector<std::string>>> joined;
        bool continues = false;
        for (const auto& [number, words] : body) {
            if (continues) {
                joined.back().second.insert(joined.back().second.end(), words.begin(),
                                            words.end());
            } else {
                joined.emplace_back(number, words);
            }
            continues = joined.back().second.back() == "\\";
            if (continues) {
                joined.back().second.pop_back();
            }
        }
        if (continues) {
            line_ = body.back().first;
            return fail("the last line of section " + name + " ends in a backslash");
        }
        for (const auto& [number, words] : joined) {
            line_ = number;
            if (words[0] == "tempo") {
                double tempo = 0;
                if (words.size() != 2 || !parse_tempo(words[1], tempo)) {
                    return fail("tempo needs a number of beats per minute between 20 and 400");
                }
                section.tempo = tempo;
                continue;
            }
            if (words[0].size() < 2 || words[0].back() != ':') {
                return fail("section lines start with a track name and a colon, like bass:");
            }
            Layer layer;
            layer.line = number;
            layer.track = words[0].substr(0, words[0].size() - 1);
            for (std::size_t i = 1; i < words.size(); ++i) {
                Use use;
                if (!parse_use(words[i], use)) {
                    return fail("not a pattern use: " + words[i]);
                }
                layer.uses.push_back(use);
            }
            if (layer.uses.empty()) {
                return fail("track " + layer.track + " plays nothing here");
            }
            section.layers.push_back(std::move(layer));
        }
        if (section.layers.empty()) {
            return fail("section " + name + " is empty");
        }
        score.sections.emplace(name, std::move(section));
        return true;
    }

    bool check(const Score& score) {
        if (score.tracks.empty()) {
            line_ = 0;
            return fail("the score declares no tracks");
        }
        if (score.song.empty()) {
            line_ = 0;
            return fail("the score has no song line");
        }
        for (const auto& name : score.song) {
            if (score.sections.count(name) == 0) {
                line_ = score.song_line;
                return fail("no section named " + name);
            }
        }
        return true;
    }

    std::string& error_;
    int line_ = 0;
};

std::uint8_t byte(int value) { return static_cast<std::uint8_t>(value); }

// Lays the song out in time: each section's layers start together and must be equally long.
bool arrange(const Score& score, Compiled& out, std::string& error) {
    auto fail = [&](int line, const std::string& message) {
        error = "line " + std::to_string(line) + ": " + message;
        return false;
    };
    std::map<std::string, std::size_t> track_index;
    out.tracks.clear();
    out.tracks.push_back({"conductor", {}});
    for (std::size_t i = 0; i < score.tracks.size(); ++i) {
        const Track& track = score.tracks[i];
        track_index[track.name] = i + 1;
        TrackEvents events{track.name, {}};
        int status = 0xB0 | track.channel;
        events.events.push_back(
            {0, control_order, {byte(0xC0 | track.channel), byte(track.program)}});
        for (auto [number, value] : {std::pair{7, track.volume}, {10, track.pan},
                                     {91, track.reverb}, {93, track.chorus}}) {
            events.events.push_back({0, control_order, {byte(status), byte(number), byte(value)}});
        }
        out.tracks.push_back(std::move(events));
    }
    auto& conductor = out.tracks.front().events;
    int denominator_power = 0;
    while ((1 << denominator_power) < score.beat_unit) {
        ++denominator_power;
    }
    conductor.push_back({0, control_order,
                         {0xFF, 0x58, 0x04, byte(score.beats), byte(denominator_power), 24, 8}});
    auto tempo_event = [](std::int64_t tick, double bpm) {
        auto us = static_cast<std::uint32_t>(60000000.0 / bpm + 0.5);
        return TimedEvent{
            tick, control_order,
            {0xFF, 0x51, 0x03, byte(us >> 16), byte((us >> 8) & 0xFF), byte(us & 0xFF)}};
    };
    conductor.push_back(tempo_event(0, score.tempo));

    std::int64_t now = 0;
    std::set<std::size_t> used_tracks;
    for (const auto& name : score.song) {
        const Section& section = score.sections.at(name);
        if (section.tempo) {
            conductor.push_back(tempo_event(now, *section.tempo));
        }
        std::optional<std::int64_t> section_length;
        for (const auto& layer : section.layers) {
            auto found = track_index.find(layer.track);
            if (found == track_index.end()) {
                return fail(layer.line, "no track named " + layer.track);
            }
            const Track& track = score.tracks[found->second - 1];
            auto& events = out.tracks[found->second].events;
            used_tracks.insert(found->second);
            std::int64_t at = now;
            for (const auto& use : layer.uses) {
                for (int k = 0; k < use.repeat; ++k) {
                    if (use.pattern.empty()) {
                        at += score.bar_ticks();
                        continue;
                    }
                    auto pattern_it = score.patterns.find(use.pattern);
                    if (pattern_it == score.patterns.end()) {
                        return fail(layer.line, "no pattern named " + use.pattern);
                    }
                    const Pattern& pattern = pattern_it->second;
                    bool drums = track.channel == drum_channel;
                    if (!drums && pattern.uses_drum_names) {
                        return fail(layer.line, "pattern " + use.pattern +
                                                    " names drums but " + track.name +
                                                    " is not on the drum channel");
                    }
                    if (drums && use.transpose != 0) {
                        return fail(layer.line, "drum patterns cannot be transposed");
                    }
                    for (const auto& note : pattern.notes) {
                        int key = note.key + use.transpose;
                        if (key < 0 || key > 127) {
                            return fail(layer.line, "transposing " + use.pattern +
                                                        " leaves the MIDI key range");
                        }
                        std::int64_t on = at + note.tick;
                        events.push_back({on, note_on_order,
                                          {byte(0x90 | track.channel), byte(key),
                                           byte(note.velocity)}});
                        // A note-on of velocity 0 ends the note, which keeps running status.
                        events.push_back({on + note.length, note_off_order,
                                          {byte(0x90 | track.channel), byte(key), 0}});
                    }
                    for (const auto& control : pattern.controls) {
                        events.push_back({at + control.tick, control_order,
                                          {byte(0xB0 | track.channel), byte(control.number),
                                           byte(control.value)}});
                    }
                    at += pattern.length;
                }
            }
            std::int64_t length = at - now;
            if (section_length && *section_length != length) {
                return fail(layer.line, "in section " + name + ", " + layer.track + " lasts " +
                                            std::to_string(length) + " ticks but the lines " +
                                            "before it last " + std::to_string(*section_length));
            }
            section_length = length;
        }
        if (*section_length % score.bar_ticks() != 0) {
            return fail(section.line, "section " + name + " is not a whole number of bars");
        }
        now += *section_length;
    }
    // Every used channel is silenced on the last bar line, so a restart begins clean.
    for (std::size_t index : used_tracks) {
        int channel = score.tracks[index - 1].channel;
        out.tracks[index].events.push_back({now, end_order, {byte(0xB0 | channel), 123, 0}});
    }
    out.end_tick = now;
    return true;
}

}  // namespace

bool compile_score(const std::string& text, Compiled& out, std::string& error) {
    Score score;
    Parser parser(error);
    if (!parser.parse(text, score)) {
        return false;
    }
    return arrange(score, out, error);
}

}  // namespace midi
