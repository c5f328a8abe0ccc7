// Speed of the varying cells: 100,000 answers of a 100 x 100 board taken one at a time.
#include "model/answer_differences.h"

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

namespace {

using namespace corvane;

constexpr int Side = 100;
constexpr int Answers = 100000;

/// `count` distinct answers of a 100 x 100 board: one layout with a few cells changed in each.
std::vector<Answer> answerPool(int count) {
    std::mt19937 random(13);
    Answer base(Side, Side);
    for (int y = 1; y <= Side; ++y)
        for (int x = 1; x <= Side; ++x) base.set(cellIndex(x, y), 1 + (x + y) % 90);
    std::vector<Answer> pool(static_cast<std::size_t>(count), base);
    std::uniform_int_distribution<int> coordinate(1, Side), value(0, 99);
    for (Answer& a : pool)
        for (int i = 0; i < 20; ++i)
            a.set(cellIndex(coordinate(random), coordinate(random)), value(random));
    return pool;
}

/// Adds 100,000 answers, cycling through a pool of state.range(0) distinct ones: a small pool
/// stays in the cache as a freshly built answer does; a large one streams from memory as
/// stored answers do.
void varyingCells(benchmark::State& state) {
    const std::vector<Answer> pool = answerPool(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        VaryingCells varying;
        for (int k = 0; k < Answers; ++k)
            varying.add(pool[static_cast<std::size_t>(k) % pool.size()]);
        benchmark::DoNotOptimize(varying.count());
    }
    state.counters["answers/s"] = benchmark::Counter(double(Answers) * double(state.iterations()),
                                                     benchmark::Counter::kIsRate);
}
BENCHMARK(varyingCells)->Arg(64)->Arg(4096)->Unit(benchmark::kMillisecond);

} // namespace
