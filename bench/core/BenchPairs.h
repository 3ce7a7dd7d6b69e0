#pragma once

#include <benchmark/benchmark.h>

#include <chrono>
#include <string>
#include <type_traits>
#include <utility>

namespace natarix::bench {

// The seconds one call takes. What the call returns is discarded only after
// the clock has stopped, so that a result's teardown is not counted.
template <typename Call>
double SecondsOf(Call& call)
{
    using Clock = std::chrono::steady_clock;
    const auto start = Clock::now();
    if constexpr (std::is_void_v<std::invoke_result_t<Call&>>) {
        call();
        return std::chrono::duration<double>(Clock::now() - start).count();
    } else {
        auto result = call();
        const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
        benchmark::DoNotOptimize(result);
        return seconds;
    }
}

// Runs a case and its floor in turns, both in every iteration, so that a disk
// or a processor whose pace changes from second to second slows both alike.
// The case's time is the benchmark's time; the counters hold the floor's mean
// time ("floor_seconds") and the ratio of the two sums ("ratio"). Register
// with UseManualTime(). `prepare`, untimed, runs before every call of the work.
template <typename Work, typename Floor, typename Prepare = void (*)()>
void MeasureAgainstFloor(
    benchmark::State& state, Work work, Floor floor, Prepare prepare = [] {})
{
    double workSeconds = 0;
    double floorSeconds = 0;
    bool floorFirst = false;
    for (auto _ : state) {
        double seconds = 0;
        if (floorFirst) {
            floorSeconds += SecondsOf(floor);
            prepare();
            seconds = SecondsOf(work);
        } else {
            prepare();
            seconds = SecondsOf(work);
            floorSeconds += SecondsOf(floor);
        }
        floorFirst = !floorFirst;
        workSeconds += seconds;
        state.SetIterationTime(seconds);
    }
    state.counters["floor_seconds"] = benchmark::Counter(floorSeconds, benchmark::Counter::kAvgIterations);
    state.counters["ratio"] = floorSeconds > 0 ? workSeconds / floorSeconds : 0;
}

// How every case is registered.
template <typename Lambda>
void RegisterCase(const std::string& name, Lambda lambda)
{
    benchmark::RegisterBenchmark(name.c_str(), std::move(lambda))->UseManualTime()->Unit(benchmark::kMillisecond);
}

}  // namespace natarix::bench
