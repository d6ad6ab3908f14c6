// SPDX-License-Identifier: GPL-3.0-or-later
// The chart's own characters as the bitmaps they are drawn with: DejaVu Sans at 10 pixels without
// anti-aliasing, as FreeType draws it, kept here so that drawing the chart needs no font. Loading a font
// (matching it, opening it, rendering each glyph) took longer than the rest of the chart's first paint; a
// handheld's default font was a bitmap font just the same. The chart tests compare every character with the
// installed font's own rendering.
#pragma once

#include <array>
#include <string_view>

namespace plenta {

struct ChartGlyph {
    char character = 0;
    // How far the next character's cell starts to the right, in pixels: the font's advance, fractions
    // included, so that a label's characters fall on the pixels the font would put them on.
    double advance = 0;
    // The ink from GLYPH_INK_TOP rows below the cell's top, one string per row, '#' for an inked pixel, from
    // the cell's left edge on.
    std::array<std::string_view, 7> rows;
};

inline constexpr int GLYPH_INK_TOP = 2;
inline constexpr int GLYPH_COLUMNS = 7;

inline constexpr std::array<ChartGlyph, 12> CHART_GLYPHS{{
    {'0', 6.359375, {"..###..", ".#...#.", ".#...#.", ".#...#.", ".#...#.", ".#...#.", "..###.."}},
    {'1', 6.359375, {".###...", "...#...", "...#...", "...#...", "...#...", "...#...", ".#####."}},
    {'2', 6.359375, {"..###..", ".#...#.", ".....#.", "....#..", "...#...", "..#....", ".#####."}},
    {'3', 6.359375, {"..###..", ".#...#.", ".....#.", "..###..", ".....#.", ".#...#.", "..###.."}},
    {'4', 6.359375, {"....#..", "...##..", "..#.#..", ".#..#..", ".#####.", "....#..", "....#.."}},
    {'5', 6.359375, {".####..", ".#.....", ".####..", ".....#.", ".....#.", ".....#.", ".####.."}},
    {'6', 6.359375, {"..####.", ".##....", ".#.....", ".####..", ".#...#.", ".#...#.", "..###.."}},
    {'7', 6.359375, {".#####.", ".....#.", "....#..", "....#..", "...#...", "...#...", "..#...."}},
    {'8', 6.359375, {"..###..", ".#...#.", ".#...#.", "..###..", ".#...#.", ".#...#.", "..###.."}},
    {'9', 6.359375, {"..###..", ".#...#.", ".#...#.", "..####.", ".....#.", "....##.", ".####.."}},
    {'.', 3.171875, {".......", ".......", ".......", ".......", ".......", ".......", ".#....."}},
    {'x', 5.906250, {".......", ".......", ".#...#.", "..#.#..", "...#...", "..#.#..", ".#...#."}},
}};

} // namespace plenta
