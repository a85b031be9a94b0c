#pragma once
#include <cstdint>
#include <span>
#include <string>
namespace ui {
// Length of a Standard MIDI File from its start to its last event, following its tempo map.
struct MidiLength { bool ok; std::int64_t ms; std::string error; };
MidiLength midi_length_ms(std::span<const std::uint8_t> bytes);
}
