#include "gridlines.h"

#include "cardpile.h"

namespace {
constexpr std::array<TLine, LineCount> MakeLines() {
    std::array<TLine, LineCount> lines{};
    for (int i = 0; i < GridSide; ++i)
        for (int k = 0; k < GridSide; ++k) {
            lines[i][k] = GridSide * i + k;            // row i
            lines[GridSide + i][k] = i + GridSide * k; // column i
        }
    return lines;
}
} // namespace

const std::array<TLine, LineCount> GridLines = MakeLines();

std::string LineCaption(int line) {
    return line < GridSide ? "Row " + std::to_string(line + 1)
                           : "Column " + std::to_string(line - GridSide + 1);
}

std::string LineHandText(std::span<TCardPile* const> places, int line) {
    std::string text;
    text.reserve(2 * GridSide);
    for (int place : GridLines[line]) {
        const TCard* top = places[place]->CardAt(TCardPile::TopIndex);
        text += top ? top->Name : "--";
    }
    return text;
}
