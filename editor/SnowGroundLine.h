#pragma once

#include <array>

// Per pixel column of the 190 × 87 snow overlay, the row where falling flakes vanish: the top edge of
// the logo lettering beneath it (the first row of the logo's snow mask more than 10 % opaque). The
// snow overlay reads it at run time; the artwork tool draws the logo and its mask to it.
constexpr int snowGroundLineWidth = 190;
constexpr int snowGroundLineHeight = 87;

constexpr std::array<int, snowGroundLineWidth> snowGroundLine {
    49, 47, 44, 42, 40, 39, 37, 36, 34, 33, 31, 30, 29, 28, 27, 27, 26, 26, 25,
    24, 24, 23, 23, 23, 22, 22, 22, 22, 22, 22, 22, 22, 22, 22, 22, 22, 22, 22,
    22, 22, 22, 22, 22, 23, 23, 24, 25, 25, 26, 27, 28, 29, 30, 31, 43, 45, 60,
    61, 64, 73, 73, 70, 67, 65, 63, 60, 57, 56, 55, 54, 54, 54, 53, 52, 52, 52,
    53, 55, 72, 72, 72, 70, 68, 63, 60, 57, 56, 55, 55, 55, 54, 55, 55, 55, 56,
    57, 74, 73, 72, 69, 68, 67, 62, 40, 38, 37, 36, 36, 36, 36, 35, 35, 35, 35,
    35, 36, 36, 37, 39, 40, 41, 43, 58, 57, 55, 54, 54, 53, 53, 53, 53, 54, 54,
    55, 57, 59, 60, 58, 57, 56, 55, 54, 54, 53, 53, 53, 53, 53, 53, 53, 53, 54,
    55, 56, 63, 66, 64, 62, 60, 58, 57, 56, 55, 55, 54, 54, 53, 53, 53, 53, 53,
    53, 53, 53, 54, 54, 54, 55, 55, 56, 56, 57, 58, 59, 60, 61, 61, 62, 62, 62,
};
