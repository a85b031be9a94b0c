// brellon-midi SCORE OUT.mid: compiles a score in Brellon's text notation into a Standard MIDI
// File (format 1, General MIDI, 480 ticks a quarter note).
//
// The notation, one statement a line; '#' at the start of a word begins a comment:
//
//   tempo 146                 quarter notes per minute
//   time 4/4                  time signature (default 4/4)
//   track NAME channel C program P [volume V] [pan P] [reverb R] [chorus C]
//                             C is 1-16, 10 being the GM drum channel (program optional there);
//                             P is 1-128 as numbered in the GM instrument list; V, P, R, C are
//                             0-127 (defaults 100, 64, 40, 0)
//   pattern NAME              a phrase, until a line "end"; it belongs to no track
//     ...
//   end
//   section NAME              lines "TRACK: USE USE ..." that start together at the section's
//     bass: root-5*2 root+3   start and must last equally long; a track may have several lines
//     tempo 150               (layers); an optional tempo changes the tempo from here on.
//   end                       A line ending in a lone \ goes on in the next line.
//   song A B A*2 C            the sections in order, N times with *N
//
// Inside a pattern, words separated by spaces:
//   e2  f#3  bb4  c-1         a note: letter, optional # or b, octave; c4 is middle C (key 60)
//   kick snare hat ...        a drum (kick2 kick rim snare clap snare2 tomf hat tomf2 phat toml
//                             ohat tomm tommh crash tomh ride china bell tamb splash cowbell
//                             crash2), only on the drum channel
//   n42                       any key by number
//   e2+b2+e3                  notes struck together
//   r                         a rest
//   /4  /8.  /8t  /2+8        the length, written after the note, chord or rest: 1 2 4 8 16 32 64,
//                             '.' dotted, 't' triplet, '+' ties lengths together. A step without
//                             a length keeps the previous one; each pattern starts with /4
//   !  ?                      at the very end of a step: accented (+20) or soft (-30)
//   v96                       velocity of the following steps (each pattern starts at 90)
//   gate=80                   how much of its length a note sounds, in percent (starts at 90)
//   cc11=100                  a controller change at this point
//   |                         a bar line: the bar it closes must be exactly one bar long
//
// A use in a section line is NAME, NAME*N (N times), NAME+S or NAME-S (transposed by S
// semitones, not for drums), NAME-S*N, or _ for one bar of silence.
//
// The song ends on the last section's closing bar line: there every note is off, every used
// channel gets an all-notes-off (controller 123), and every track ends, so that a player
// restarting the file at once stays on the beat.

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "score.h"
#include "smf.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: brellon-midi SCORE OUT.mid\n");
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "brellon-midi: cannot open %s\n", argv[1]);
        return 1;
    }
    std::ostringstream text;
    text << in.rdbuf();
    midi::Compiled compiled;
    std::string error;
    if (!midi::compile_score(text.str(), compiled, error)) {
        std::fprintf(stderr, "%s: %s\n", argv[1], error.c_str());
        return 1;
    }
    auto bytes = midi::write_smf(std::move(compiled.tracks), midi::ticks_per_quarter,
                                 compiled.end_tick);
    std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
    if (!out) {
        std::fprintf(stderr, "brellon-midi: cannot open %s for writing\n", argv[2]);
        return 1;
    }
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        std::fprintf(stderr, "brellon-midi: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
