// What a de-duplication costs: a million GBK keyword lines at once, and a small list once the pool holds
// a million. `keyword_bench --write-fixture FILE` writes the million lines for the awk and Python runs
// of run.sh.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "keywords/DeduplicateKeywords.h"
#include "keywords/KeywordPool.h"
#include "keywords/SplitLines.h"

namespace {

constexpr int kBigList = 1000000;
constexpr int kSmallList = 10000;

// Keyword lines of 2 to 8 characters from the GB2312 hanzi rows, each ended by CR LF; about 3 in 10
// lines are new, the others repeat an earlier line. The same seed gives the same bytes.
Text KeywordLines(int count, std::uint64_t seed) {
  std::uint64_t state = seed;
  auto next = [&state] {
    state ^= state << 13;
    state ^= state >> 7;
    state ^= state << 17;
    return state;
  };
  std::vector<std::size_t> starts;
  Text text;
  for (int i = 0; i < count; ++i) {
    if (starts.empty() || next() % 10 < 3) {
      starts.push_back(text.size());
      const int characters = 2 + static_cast<int>(next() % 7);
      for (int c = 0; c < characters; ++c) {
        text += static_cast<char>(0xB0 + next() % 40);
        text += static_cast<char>(0xA1 + next() % 94);
      }
      text += "\r\n";
    } else {
      const std::size_t from = starts[next() % starts.size()];
      const std::size_t to = text.find("\r\n", from) + 2;  // generated trail bytes are never CR
      text.append(text, from, to - from);
    }
  }
  return text;
}

const Text& BigFixture() {
  static const Text text = KeywordLines(kBigList, 0x9E3779B97F4A7C15u);
  return text;
}

const Text& SmallFixture() {
  static const Text text = KeywordLines(kSmallList, 0xD1B54A32D192ED03u);
  return text;
}

// The three boxes in memory. A real box copies what SetText hands it (and converts it to UTF-16); that
// cost belongs to the box and follows the text written, so `copyOnSet` says whether to count it.
class BenchControls : public ListControls {
public:
  explicit BenchControls(bool copyOnSet) : copyOnSet(copyOnSet) {}
  Text ReadText(ListBox box) override { return box == ListBox::Results ? results : Text(); }
  void SetText(ListBox box, const Text& text) override {
    if (box != ListBox::Results) return;
    if (copyOnSet) {
      results = text;
    } else {
      writtenBytes = text.size();
    }
  }
  void AppendText(ListBox box, const Text& text) override {
    if (box == ListBox::Work) work += text;
  }
  void PumpMessages() override {}

  bool copyOnSet;
  Text results;
  Text work;
  std::size_t writtenBytes = 0;
};

void SplitLinesOnly(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    Text text = BigFixture();
    state.ResumeTiming();
    LineList lines = SplitLines(std::move(text));
    benchmark::DoNotOptimize(lines.size());
  }
}

// The same work as awk '!seen[$0]++' and dict.fromkeys: lines in, distinct lines out as one text.
void SplitLinesAndPool(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    Text text = BigFixture();
    KeywordPool pool;
    state.ResumeTiming();
    const LineList lines = SplitLines(std::move(text));
    pool.AddLines(lines);
    benchmark::DoNotOptimize(pool.DistinctText().data());
  }
  KeywordPool pool;
  for (std::string_view line : SplitLines(BigFixture())) pool.Add(line);
  state.counters["distinct"] = static_cast<double>(pool.DistinctCount());
}

// The whole operation on in-memory boxes: read the list, split, pool, append to the work list, write.
void DeduplicateMillion(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    KeywordPool pool;
    BenchControls controls(true);
    controls.results = BigFixture();
    state.ResumeTiming();
    DeduplicateKeywords(pool, controls);
    benchmark::DoNotOptimize(controls.results.data());
  }
}

// range(0): 1 when the pool has received the million lines first; range(1): 1 when the box's copy of
// the written text is counted.
void DeduplicateSmallList(benchmark::State& state) {
  const bool fullPool = state.range(0) == 1;
  const bool copyOnSet = state.range(1) == 1;
  std::unique_ptr<KeywordPool> pool;
  std::unique_ptr<BenchControls> controls;
  for (auto _ : state) {
    // Set up, and the last round's pool released, off the clock. The pool is built afresh rather than
    // copied: a copy's text has no room to spare, and its first growth would be counted.
    state.PauseTiming();
    pool.reset();
    pool = std::make_unique<KeywordPool>();
    if (fullPool) pool->AddLines(SplitLines(BigFixture()));
    controls = std::make_unique<BenchControls>(copyOnSet);
    controls->results = SmallFixture();
    state.ResumeTiming();
    DeduplicateKeywords(*pool, *controls);
  }
  state.counters["written_bytes"] =
      static_cast<double>(copyOnSet ? controls->results.size() : controls->writtenBytes);
}

// For contrast, the walk without a kept set: every line ever received in order, looked up afresh in a
// seen set at every de-duplication.
void LiteralSmallListAfterMillion(benchmark::State& state) {
  std::vector<Text> everyLine;
  for (std::string_view line : SplitLines(BigFixture())) everyLine.emplace_back(line);
  const LineList small = SplitLines(SmallFixture());
  for (auto _ : state) {
    state.PauseTiming();
    std::vector<Text> pool = everyLine;
    state.ResumeTiming();
    for (std::string_view line : small) pool.emplace_back(line);
    std::unordered_set<std::string_view> seen;
    Text results;
    for (const Text& line : pool) {
      if (seen.insert(line).second) {
        results += line;
        results += "\r\n";
      }
    }
    benchmark::DoNotOptimize(results.data());
  }
}

BENCHMARK(SplitLinesOnly)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(SplitLinesAndPool)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(DeduplicateMillion)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(DeduplicateSmallList)
    ->ArgNames({"full_pool", "box_copy"})
    ->Args({0, 0})
    ->Args({1, 0})
    ->Args({0, 1})
    ->Args({1, 1})
    ->Unit(benchmark::kMicrosecond)
    ->Iterations(60);
BENCHMARK(LiteralSmallListAfterMillion)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::strcmp(argv[1], "--write-fixture") == 0) {
    std::FILE* file = std::fopen(argv[2], "wb");
    if (!file) return 1;
    const Text& text = BigFixture();
    const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    return std::fclose(file) == 0 && written ? 0 : 1;
  }
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
