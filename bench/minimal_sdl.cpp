// The floor of the platform: a window and a renderer, one cleared frame presented, and out.
// Prints its peak resident memory like the game's own benchmark does.
#include <SDL.h>

#include <cstdio>

#include "proc.h"

int main(int, char**) {
    if (SDL_Init(SDL_INIT_VIDEO) != 0) return 1;
    SDL_Window* w = SDL_CreateWindow("minimal", 192, 107, 640, 480, SDL_WINDOW_RESIZABLE);
    SDL_Renderer* r = w ? SDL_CreateRenderer(w, -1, 0) : nullptr;
    if (!r) return 1;
    SDL_SetRenderDrawColor(r, 212, 208, 200, 255);
    SDL_RenderClear(r);
    SDL_RenderPresent(r);
    std::printf("peak_rss_kb %ld\n", bench::peak_rss_kb());
    SDL_DestroyRenderer(r);
    SDL_DestroyWindow(w);
    SDL_Quit();
    return 0;
}
