#pragma once

// A game on the virtual clock for tests: the driver in-process, with small test drawings in place
// of the real art, so a test can tell every pixel it expects.

#include <sstream>
#include <string>
#include <vector>

#include "app/pictures.h"
#include "driver.h"

namespace test {

// Test drawings: every cell is filled with a ground colour of its own (ring cell 0: black), with
// the four key colours hair, outfit, hair shade, outfit shade in 4 x 4 squares at x = 4, 10, 16,
// 22 and y = 4; a pixel one unit off the hair colour at (0, 0); from y = 20 down, the first
// column #404040 and the last #808080.
app::Pictures test_pictures();

// The whole game behind the driver's protocol. run() takes one or more lines and returns the
// answers they gave, one a line.
class Game {
public:
    explicit Game(std::uint64_t seed = 1);
    std::string run(const std::string& lines);
    // One answer, without its newline.
    std::string get(const std::string& path) { return strip(run("get " + path)); }
    int get_int(const std::string& path);
    drive::Driver& driver() { return driver_; }

private:
    static std::string strip(std::string s);
    app::Pictures pictures_;
    std::ostringstream out_;
    drive::Driver driver_;
};

}  // namespace test
