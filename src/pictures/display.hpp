// The screen a picture is made for: true colour (the default), or an
// emulated palette display of 1, 2, 4 or 8 bits with the standard static
// colours, whose rules the palette tests check.
#pragma once
#include <vector>

#include "pictures/surface.hpp"

namespace kestrel::pictures {

struct Display {
    int planes = 1;
    int bitsPerPixel = 32;
    // Palette displays: the current system palette, colourCount() entries.
    // A picture keeps its own copy, which its Load realizes into.
    std::vector<Rgb> systemPalette;

    static Display trueColour();
    // 8 bits: 256 entries with the 20 static colours at 0 to 9 and 246 to
    // 255; 4 bits: the 16 standard colours; fewer bits: the first entries of
    // greyShadesFirst(). More than 8 bits gives trueColour(); other depths
    // up to 8 give 8 bits. Planes count only at 1 bit (1 to 4).
    static Display palette(int bitsPerPixel, int planes = 1);

    bool isPalette() const { return bitsPerPixel <= 8; }
    // 2^planes at 1 bit per pixel; 4, 16, 256 at 2, 4, 8 bits; 0 for true colour.
    int colourCount() const;
};

// The 20 static colours of the standard system palette: entries 0 to 9,
// then 246 to 255.
const std::vector<Rgb>& staticColours();
// The standard 256-entry system palette: the static colours, black between.
const std::vector<Rgb>& standardPalette();
// The 16 standard colours: standard palette entries 0 to 7, then 248 to 255.
const std::vector<Rgb>& standardSixteen();
// What 1- and 2-bit displays take their first entries from: black, white,
// dark grey, light grey, then the other twelve standard colours.
const std::vector<Rgb>& greyShadesFirst();

}  // namespace kestrel::pictures
