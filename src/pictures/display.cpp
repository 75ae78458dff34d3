#include "pictures/display.hpp"

#include <algorithm>

namespace kestrel::pictures {

const std::vector<Rgb>& staticColours() {
    static const std::vector<Rgb> colours{
        {0, 0, 0},       {128, 0, 0},     {0, 128, 0},     {128, 128, 0},   {0, 0, 128},
        {128, 0, 128},   {0, 128, 128},   {192, 192, 192}, {192, 220, 192}, {166, 202, 240},
        {255, 251, 240}, {160, 160, 164}, {128, 128, 128}, {255, 0, 0},     {0, 255, 0},
        {255, 255, 0},   {0, 0, 255},     {255, 0, 255},   {0, 255, 255},   {255, 255, 255}};
    return colours;
}

const std::vector<Rgb>& standardPalette() {
    static const std::vector<Rgb> palette = [] {
        std::vector<Rgb> p(256);
        const auto& s = staticColours();
        std::copy_n(s.begin(), 10, p.begin());
        std::copy_n(s.begin() + 10, 10, p.begin() + 246);
        return p;
    }();
    return palette;
}

const std::vector<Rgb>& standardSixteen() {
    static const std::vector<Rgb> sixteen = [] {
        const auto& p = standardPalette();
        std::vector<Rgb> s(p.begin(), p.begin() + 8);
        s.insert(s.end(), p.begin() + 248, p.end());
        return s;
    }();
    return sixteen;
}

const std::vector<Rgb>& greyShadesFirst() {
    static const std::vector<Rgb> set = [] {
        std::vector<Rgb> s{{0, 0, 0}, {255, 255, 255}, {128, 128, 128}, {192, 192, 192}};
        for (const Rgb c : standardSixteen())
            if (std::find(s.begin(), s.end(), c) == s.end()) s.push_back(c);
        return s;
    }();
    return set;
}

Display Display::trueColour() { return Display{}; }

Display Display::palette(int bitsPerPixel, int planes) {
    if (bitsPerPixel > 8) return trueColour();
    Display d;
    d.bitsPerPixel = (bitsPerPixel == 1 || bitsPerPixel == 2 || bitsPerPixel == 4) ? bitsPerPixel : 8;
    d.planes = d.bitsPerPixel == 1 ? std::clamp(planes, 1, 4) : 1;
    const auto count = static_cast<std::size_t>(d.colourCount());
    if (d.bitsPerPixel == 8)
        d.systemPalette = standardPalette();
    else if (d.bitsPerPixel == 4)
        d.systemPalette = standardSixteen();
    else
        d.systemPalette.assign(greyShadesFirst().begin(), greyShadesFirst().begin() + count);
    return d;
}

int Display::colourCount() const {
    switch (bitsPerPixel) {
        case 1: return 1 << std::clamp(planes, 1, 8);
        case 2: return 4;
        case 4: return 16;
        case 8: return 256;
        default: return 0;
    }
}

}  // namespace kestrel::pictures
