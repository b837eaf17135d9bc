// The tick's cost beside the one reading of the clocks it must make, in one run.
#include <benchmark/benchmark.h>

#include <array>
#include <cstdio>
#include <map>
#include <string>

#include "clock.h"
#include "copy_text.h"
#include "stopwatch_bank.h"

namespace {

void BM_ClockReading(benchmark::State& state) {
  mirt2::SystemClock clock;
  for (auto _ : state) benchmark::DoNotOptimize(clock.Now());
}
BENCHMARK(BM_ClockReading);

// Start-all and the tick after it, as the start-all button runs them: the tick
// takes ten start times and writes ten texts, its most expensive case.
void BM_StartAllThenTick(benchmark::State& state) {
  mirt2::SystemClock clock;
  mirt2::StopwatchBank bank(clock, mirt2::TimePattern::Default());
  for (auto _ : state) {
    benchmark::DoNotOptimize(bank.StartAll());
    benchmark::DoNotOptimize(bank.Tick());
  }
}
BENCHMARK(BM_StartAllThenTick);

void BM_StartAll(benchmark::State& state) {
  mirt2::SystemClock clock;
  mirt2::StopwatchBank bank(clock, mirt2::TimePattern::Default());
  for (auto _ : state) benchmark::DoNotOptimize(bank.StartAll());
}
BENCHMARK(BM_StartAll);

void BM_TickTenRunningSteady(benchmark::State& state) {
  mirt2::SystemClock clock;
  mirt2::StopwatchBank bank(clock, mirt2::TimePattern::Default());
  bank.StartAll();
  bank.Tick();
  for (auto _ : state) benchmark::DoNotOptimize(bank.Tick());
}
BENCHMARK(BM_TickTenRunningSteady);

void BM_BuildCopyTextTenNumbered(benchmark::State& state) {
  std::array<std::string, 10> texts;
  texts.fill("12:34:56");
  for (auto _ : state) benchmark::DoNotOptimize(mirt2::BuildCopyText(texts, 10, true));
}
BENCHMARK(BM_BuildCopyTextTenNumbered);

// Keeps each benchmark's time per iteration so that the ratios print at the end.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      if (run.run_type == Run::RT_Iteration && run.iterations > 0) {
        nanoseconds_[run.benchmark_name()] = run.GetAdjustedRealTime();
      }
    }
  }
  // (top - minus) / bottom; minus may be empty.
  void PrintRatio(const char* what, const std::string& top, const std::string& minus,
                  const std::string& bottom) const {
    const double t = Get(top);
    const double m = minus.empty() ? 0.0 : Get(minus);
    const double b = Get(bottom);
    if (t < 0 || m < 0 || b <= 0) return;
    std::printf("%-56s %.2f\n", what, (t - m) / b);
  }

 private:
  [[nodiscard]] double Get(const std::string& name) const {
    const auto found = nanoseconds_.find(name);
    return found == nanoseconds_.end() ? -1.0 : found->second;
  }

  std::map<std::string, double> nanoseconds_;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  std::printf("\nratios (goal: at most 2.00)\n");
  reporter.PrintRatio("tick, ten running / one clock reading", "BM_TickTenRunningSteady", "",
                      "BM_ClockReading");
  reporter.PrintRatio("first tick after start-all / one clock reading", "BM_StartAllThenTick",
                      "BM_StartAll", "BM_ClockReading");
  benchmark::Shutdown();
  return 0;
}
