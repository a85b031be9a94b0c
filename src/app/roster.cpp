#include "app/roster.h"

#include <stdexcept>

namespace app {

const std::vector<std::string>& roster_text() {
    static const std::vector<std::string> text = {
        "//ldt,hp,nap,lap,spd,gad,agl",
        "Tsugane Hiyo", "02,04,07,02,05,10,02",
        "Arakida Mone", "09,06,05,07,06,06,06",
        "Nurume Sayo",  "06,05,06,03,10,04,07",
        "Ebisawa Kino", "03,07,09,06,02,03,04",
        "Kokko Mahiro", "05,08,05,04,04,07,10",
        "Amber Falcon", "07,10,09,06,07,06,08",
    };
    return text;
}

int str_to_int(const std::string& text) {
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    if (i == text.size()) throw std::runtime_error("'" + text + "' is not a valid integer value");
    long long v = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9' || v > 1'000'000'000) {
            throw std::runtime_error("'" + text + "' is not a valid integer value");
        }
        v = v * 10 + (text[i] - '0');
    }
    return static_cast<int>(negative ? -v : v);
}

RosterRecord read_roster_record(const std::vector<std::string>& text, int k) {
    const auto line = [&](std::size_t n) -> const std::string& {
        if (n >= text.size()) throw std::out_of_range("list index out of bounds (" +
                                                      std::to_string(n) + ")");
        return text[n];
    };
    RosterRecord r;
    r.name = line(static_cast<std::size_t>(2 * k + 1));
    const std::string& values = line(static_cast<std::size_t>(2 * k + 2));
    int* fields[] = {&r.ldt, &r.hp, &r.nap, &r.lap, &r.spd, &r.gad, &r.agl};
    for (std::size_t j = 0; j < 7; ++j) {
        // Every field is two characters wide: "10" reads as ten.
        const std::size_t at = 3 * j;
        *fields[j] = str_to_int(at < values.size() ? values.substr(at, 2) : std::string());
    }
    return r;
}

const char* type_label(int ldt) { return ldt < 6 ? "IN FIGHTER" : "OUT BOXER"; }

}  // namespace app
