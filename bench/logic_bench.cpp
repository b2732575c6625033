// Hands classified per second over every five-card hand of one deck, and
// numbered deals of 52 per second.
#include "cardpile.h"
#include "pokercalc.h"

#include <benchmark/benchmark.h>

#include <array>
#include <string>

static void BM_ClassifyAllHands(benchmark::State& state) {
    std::array<std::string, 52> names;
    for (int n = 0; n < 52; ++n)
        names[n] = TCard(n).Name;
    std::string text(10, '-');
    for (auto _ : state) {
        int sum = 0;
        for (int a = 0; a < 52; ++a)
            for (int b = a + 1; b < 52; ++b)
                for (int c = b + 1; c < 52; ++c)
                    for (int d = c + 1; d < 52; ++d)
                        for (int e = d + 1; e < 52; ++e) {
                            const int cards[5] = {a, b, c, d, e};
                            for (int i = 0; i < 5; ++i) {
                                text[2 * i] = names[cards[i]][0];
                                text[2 * i + 1] = names[cards[i]][1];
                            }
                            sum += EvaluateHand(text).Category;
                        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * 2598960);
}
BENCHMARK(BM_ClassifyAllHands)->Unit(benchmark::kMillisecond);

static void BM_NumberedDeal(benchmark::State& state) {
    TCardPile pile;
    int hand = 0;
    for (auto _ : state) {
        pile.CreateAndShufflePile(hand++ % 32767, 52);
        benchmark::DoNotOptimize(pile.Cards.data());
        pile.Empty(true);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_NumberedDeal);

BENCHMARK_MAIN();
