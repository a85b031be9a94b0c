#include "app/pictures.h"

namespace app {

namespace {

bool load_one(const ImageLoader& load, const std::string& name, int w, int h, ui::Image& out,
              std::string& error) {
    const std::string path = "pics/" + name + ".png";
    ui::LoadedImage r = load(path);
    if (!r.ok) {
        error = path + ": " + r.error;
        return false;
    }
    if (r.image.width() != w || r.image.height() != h) {
        error = path + ": the picture is " + std::to_string(r.image.width()) + " x " +
                std::to_string(r.image.height()) + ", not " + std::to_string(w) + " x " +
                std::to_string(h);
        return false;
    }
    out = std::move(r.image);
    return true;
}

}  // namespace

PicturesLoad load_pictures(const ImageLoader& load) {
    PicturesLoad r;
    Pictures& p = r.pictures;
    bool ok = load_one(load, "title", 640, 480, p.title, r.error) &&
              load_one(load, "ending", 640, 480, p.ending, r.error);
    for (int i = 0; ok && i < 8; ++i) {
        ok = load_one(load, "chr_" + std::to_string(i), 128, 176, p.chr[i], r.error);
    }
    for (int i = 0; ok && i < 4; ++i) {
        ok = load_one(load, "waza_" + std::to_string(i), 256, 192, p.waza[i], r.error);
    }
    for (int i = 0; ok && i < 4; ++i) {
        ok = load_one(load, "ring_" + std::to_string(i), 80, 145, p.ring[i], r.error);
    }
    r.ok = ok;
    return r;
}

}  // namespace app
