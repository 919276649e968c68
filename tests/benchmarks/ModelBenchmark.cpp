#include "CFretboard.h"

#include <benchmark/benchmark.h>
#include <memory>
#include <vector>

namespace {

std::unique_ptr<CFretboard> ChromaticBoard(int strings)
{
    auto board = std::make_unique<CFretboard>(0, nullptr);
    for (int s = 0; s < strings; ++s)
        board->AddString((7 + 5 * s) % 12);
    for (int d = 0; d < 12; ++d)
        board->ToggleDegree(d, LAYER_SCALE);
    return board;
}

// Fills the pattern with every cell of a strings x 13 block, the far cells first, so that each
// origin where the block fits walks the whole list before the search accepts it.
void FillBlock(CFretboard& board, int strings, int frets)
{
    board.pattern.Clear();
    for (int s = strings - 1; s >= 0; --s)
        for (int f = frets - 1; f >= 0; --f)
            board.pattern.Toggle(s, f);
}

// 78 cells (six strings by frets 0..12, the whole setup grid) on a ten-string chromatic board.
void BM_FindMatches78On10Strings(benchmark::State& state)
{
    auto board = ChromaticBoard(10);
    FillBlock(*board, 6, 13);
    for (auto _ : state)
        benchmark::DoNotOptimize(board->FindMatches());
    state.counters["matches"] = board->matches->Count();
}
BENCHMARK(BM_FindMatches78On10Strings);

// The same on a 24-fret neck: the whole setup grid fits at 5 x 13 origins, the most any pattern
// of at most 78 cells has there, and each is walked to the end.
void BM_FindMatches78On10Strings24Frets(benchmark::State& state)
{
    auto board = ChromaticBoard(10);
    board->SetFrets(24);
    FillBlock(*board, 6, 13);
    for (auto _ : state)
        benchmark::DoNotOptimize(board->FindMatches());
    state.counters["matches"] = board->matches->Count();
}
BENCHMARK(BM_FindMatches78On10Strings24Frets);

// One cell fits at every one of the 250 positions of a ten-string, 24-fret board: the longest
// list of matches.
void BM_FindMatches1On10Strings24Frets(benchmark::State& state)
{
    auto board = ChromaticBoard(10);
    board->SetFrets(24);
    FillBlock(*board, 1, 1);
    for (auto _ : state)
        benchmark::DoNotOptimize(board->FindMatches());
    state.counters["matches"] = board->matches->Count();
}
BENCHMARK(BM_FindMatches1On10Strings24Frets);

// 78 of the 80 cells of an eight-string by ten-fret block: the most origins (twelve) at which
// 78 distinct cells can fit, each checked to full depth.
void BM_FindMatches78MostOrigins(benchmark::State& state)
{
    auto board = ChromaticBoard(10);
    FillBlock(*board, 8, 10);
    board->pattern.Remove(7, 9);
    board->pattern.Remove(7, 8);
    for (auto _ : state)
        benchmark::DoNotOptimize(board->FindMatches());
    state.counters["matches"] = board->matches->Count();
}
BENCHMARK(BM_FindMatches78MostOrigins);

// Twelve cells, three frets on four strings, on a six-string chromatic guitar.
void BM_FindMatches12On6Strings(benchmark::State& state)
{
    auto board = ChromaticBoard(6);
    FillBlock(*board, 4, 3);
    for (auto _ : state)
        benchmark::DoNotOptimize(board->FindMatches());
    state.counters["matches"] = board->matches->Count();
}
BENCHMARK(BM_FindMatches12On6Strings);

// Every position of a ten-string board, as one repaint of the diagram asks for them.
void BM_ClassifyWholeBoard(benchmark::State& state)
{
    auto board = ChromaticBoard(10);
    board->SetRoot(3, LAYER_SCALE);
    board->ToggleDegree(1, LAYER_OVERLAY);
    board->ToggleDegree(6, LAYER_OVERLAY);
    board->placement = std::make_unique<PositionList>();
    for (int f = 0; f < 13; ++f)
        board->placement->Add(f % 10, f);
    for (auto _ : state) {
        int sum = 0;
        for (int s = 0; s < board->GetStringCount(); ++s)
            for (int f = 0; f < 13; ++f)
                sum += board->Classify(s, f);
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_ClassifyWholeBoard);

} // namespace
