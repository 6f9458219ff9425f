#include "core/report.h"
#include "core/soul_urge.h"

#include <benchmark/benchmark.h>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

constexpr std::size_t kHugeNameSize = std::size_t{1} << 20;

// A name of `size` bytes made of `pattern` repeated: capitals, blanks and a two-byte letter.
std::string RepeatedName(std::string_view pattern, std::size_t size)
{
    std::string name;
    name.reserve(size + pattern.size());
    while (name.size() < size) {
        name.append(pattern);
    }
    name.resize(size);
    return name;
}

void BM_CalculateSoulUrge_TypicalName(benchmark::State& state)
{
    const std::string first = "MARY ";
    const std::string middle = "ELIZABETH";
    const std::string last = " SANDERSON";
    for (auto _ : state) {
        benchmark::DoNotOptimize(lumo::CalculateSoulUrge(first, middle, last));
    }
}
BENCHMARK(BM_CalculateSoulUrge_TypicalName);

void BM_CalculateSoulUrge_HugeName(benchmark::State& state)
{
    const std::string first = RepeatedName("MARY ELIZABETH SANDERSON \xC3\x89", kHugeNameSize);
    for (auto _ : state) {
        benchmark::DoNotOptimize(lumo::CalculateSoulUrge(first, "", ""));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(first.size()));
}
BENCHMARK(BM_CalculateSoulUrge_HugeName);

// Without any vowel the name is read twice: the vowel pass, then the Y pass.
void BM_CalculateSoulUrge_HugeNameWithoutVowels(benchmark::State& state)
{
    const std::string first = RepeatedName("LYNN FLYNN GWYN ", kHugeNameSize);
    for (auto _ : state) {
        benchmark::DoNotOptimize(lumo::CalculateSoulUrge(first, "", ""));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(first.size()));
}
BENCHMARK(BM_CalculateSoulUrge_HugeNameWithoutVowels);

void BM_BuildSoulUrgeReport(benchmark::State& state)
{
    const auto number = static_cast<std::int16_t>(state.range(0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(lumo::BuildSoulUrgeReport(number));
    }
}
BENCHMARK(BM_BuildSoulUrgeReport)->Arg(0)->Arg(7)->Arg(22);

} // namespace
