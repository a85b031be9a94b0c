#pragma once

#include <string>
#include <vector>

namespace app {

// One boxer of the roster: a name and her seven statistics, 0 to 10.
struct RosterRecord {
    std::string name;
    int ldt = 0, hp = 0, nap = 0, lap = 0, spd = 0, gad = 0, agl = 0;
};

// The roster text: a header line, then a name line and a values line for each of six boxers.
const std::vector<std::string>& roster_text();

// Record k (0 to 5) of a copy of the roster text. A field that is not a decimal number throws the
// conversion error, which abandons the handler that was reading.
RosterRecord read_roster_record(const std::vector<std::string>& text, int k);

// "IN FIGHTER" below 6, "OUT BOXER" from 6 on.
const char* type_label(int ldt);

// Decimal text to integer the strict way: anything else throws, naming the text.
int str_to_int(const std::string& text);

}  // namespace app
