// The comparison, stage by stage, for squads of 30 to 1 000 000 players.
// Each benchmark reports its time per player ("per_player"), which must stay
// flat as the squad grows.

#include "bench/squad_generator.h"
#include "core/engine.h"
#include "core/id_index.h"
#include "core/pairing.h"
#include "core/path_handlers.h"
#include "core/skills.h"
#include "core/summary.h"

#include <benchmark/benchmark.h>

#include <map>
#include <memory>

using namespace squadlens;
using squadlens::bench::squadFiles;

namespace {

struct NullView : HandlerView {
    void messageBox(const std::string &, const std::string &, MessageIcon) override {}
    void showResultArea() override {}
    void setActivePage(Page) override {}
    void setTabHighlighted(Page, bool) override {}
};

void perPlayer(benchmark::State &state)
{
    state.counters["per_player"] = benchmark::Counter(
        static_cast<double>(state.range(0)),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// An engine after a whole comparison of the pair of the given size.
Engine &compared(int players)
{
    static std::map<int, std::unique_ptr<Engine>> engines;
    auto &e = engines[players];
    if (!e) {
        e = std::make_unique<Engine>();
        NullView view;
        PathHandlers handlers(*e, view);
        handlers.fileChosen(Side::Old, squadFiles(players).oldPath);
        handlers.fileChosen(Side::New, squadFiles(players).newPath);
    }
    return *e;
}

void BM_ReadAndSplit(benchmark::State &state)
{
    const auto &files = squadFiles(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        Lines lines = readTeamFile(files.oldPath);
        benchmark::DoNotOptimize(lines);
    }
    perPlayer(state);
}

void BM_DecimalStepAndCutting(benchmark::State &state)
{
    Engine &e = compared(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        convertDecimalPoints(e.ws.ListBoxO);
        // As the run sizes the table before cutting.
        e.ws.StringGrid1.clear();
        e.ws.StringGrid1.reserveLineRows(e.ws.StringGrid1.rowCount());
        for (std::size_t l = 3; l + 1 < e.ws.ListBoxO.size(); ++l)
            cutPlayerLine(e.ws.ListBoxO, l, e.ws.StringGrid1, static_cast<int>(l) - 2);
        benchmark::ClobberMemory();
    }
    perPlayer(state);
}

void BM_PairingAndChooser(benchmark::State &state)
{
    Engine &e = compared(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const IdIndex oldIds(e.ws.StringGrid1, 0), newIds(e.ws.StringGrid2, 0);
        EndFigures newFigures;
        newFigures.build(e.ws.StringGrid2, newIds);
        const auto pairs = pairRosters(e.ws, oldIds, newIds, newFigures);
        fillChooser(e.ws, newIds, pairs, e.chooser);
        benchmark::ClobberMemory();
    }
    perPlayer(state);
}

void BM_ClearTablesAndSummary(benchmark::State &state)
{
    Engine &e = compared(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        ClearTables(e.results, e.ws);
        fillSummaryTables(e.ws.SubGrid, e.results);
        benchmark::ClobberMemory();
    }
    perPlayer(state);
}

void BM_SkillFillOfOnePlayer(benchmark::State &state)
{
    Engine &e = compared(static_cast<int>(state.range(0)));
    const int entries = static_cast<int>(e.chooser.ComboBox3.size());
    int k = 0;
    for (auto _ : state) {
        ComboBox3Change(e, k);
        k = (k + 7919) % entries;
    }
}

void BM_WholeComparison(benchmark::State &state)
{
    const auto &files = squadFiles(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        Engine e;
        NullView view;
        PathHandlers handlers(e, view);
        handlers.fileChosen(Side::Old, files.oldPath);
        handlers.fileChosen(Side::New, files.newPath);
        ComboBox3Change(e, 0);
        benchmark::DoNotOptimize(e.results.StringGrid_ru.rowCount());
    }
    perPlayer(state);
    state.counters["file_MB"] = static_cast<double>(files.bytes) / 1e6;
}

void sizes(benchmark::internal::Benchmark *b)
{
    for (int n : {30, 1000, 100000, 1000000})
        b->Arg(n);
    b->Unit(benchmark::kMillisecond);
}

} // namespace

BENCHMARK(BM_ReadAndSplit)->Apply(sizes);
BENCHMARK(BM_DecimalStepAndCutting)->Apply(sizes);
BENCHMARK(BM_PairingAndChooser)->Apply(sizes);
BENCHMARK(BM_ClearTablesAndSummary)->Apply(sizes);
BENCHMARK(BM_SkillFillOfOnePlayer)->Apply(sizes)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WholeComparison)->Apply(sizes);
