// The flags of a pile view that are game state: whether the place takes the
// mouse, whether it is framed, and what it shows while it is empty.  They are
// saved for undo with the cards.
#pragma once

#include <cstdint>

// What an empty place shows; the values are those of the pile view's marks.
enum class PileMark : std::int8_t { Blank = 0, Recycle = 1, Empty = 2, Lattice = 3 };

struct TPlaceFlags {
    bool Enabled = true;
    bool IsBordered = false;
    PileMark State = PileMark::Blank;
};
