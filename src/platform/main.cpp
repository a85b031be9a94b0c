// Brellon.
#include "platform/platform.h"

int main(int, char**) { return platform::run_game(); }
