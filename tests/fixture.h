#pragma once

// A game on the virtual clock for tests: the driver in-process, with small test drawings in place
// of the real art, so a test can tell every pixel it expects.

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "app/pictures.h"
#include "driver.h"

namespace test {

// The driver's stand-in drawings (drive::test_drawings: the places of their key colours and
// marker columns are written there).
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

// The lines that pick roster boxers p (the player) and c (the CP) on the VS screen from the
// title, at a difficulty (0 EASY, 1 NORMAL, 2 HARD), and press ENTER.
std::string vs_bout(int p, int c, int level = 1);

// A VS bout between roster boxers p and c run up to the bout start, 2000 ms after its set-up,
// with the sound log emptied. Its cycles first tick 3000 ms later, the CP's first.
std::unique_ptr<Game> started_bout(int p, int c, int level = 1);

}  // namespace test
