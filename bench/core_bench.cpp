// Cost of the conversion core and of one refresh tick over in-memory fields.
#include "core/DDeci_to_DMS.h"
#include "core/DegDMS_to_DegDeci.h"
#include "app/memory_form.h"
#include "core/number_text.h"
#include "app/refresh_cycle.h"

#include <benchmark/benchmark.h>

namespace {

using namespace tarvola;

const LocaleSeparators kCommaDecimal {",", "."};

void BM_ParseNumber(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(ParseNumber("12,5825", kCommaDecimal));
}
BENCHMARK(BM_ParseNumber);

void BM_NumberToText(benchmark::State& state)
{
    double value = 10.333333333333334;
    for (auto _ : state) {
        benchmark::DoNotOptimize(value);
        benchmark::DoNotOptimize(NumberToText(value, kCommaDecimal));
    }
}
BENCHMARK(BM_NumberToText);

void BM_DMSToDeci(benchmark::State& state)
{
    std::int16_t degrees = 45, minutes = 30, seconds = 45;
    for (auto _ : state) {
        benchmark::DoNotOptimize(degrees);
        benchmark::DoNotOptimize(DegDMS_to_DegDeci::DMSToDeci(degrees, minutes, seconds));
    }
}
BENCHMARK(BM_DMSToDeci);

void BM_DeciToDMS(benchmark::State& state)
{
    const LooseValue value = LooseValue::Text("12,5825");
    for (auto _ : state)
        benchmark::DoNotOptimize(DDeci_to_DMS::DeciToDMS(value, kCommaDecimal));
}
BENCHMARK(BM_DeciToDMS);

// One tick over in-memory fields holding the given input texts.
void RunTicks(benchmark::State& state, const char* degrees, const char* minutes, const char* seconds,
              const char* decimal)
{
    MemoryForm form;
    form.typeDms(degrees, minutes, seconds);
    form.text5.type(decimal);
    for (auto _ : state)
        RunRefreshTick(form.fields, kCommaDecimal);
    benchmark::DoNotOptimize(form.text6.text());
}

// A typical tick: both sides convert, both results are written.
void BM_RefreshTick(benchmark::State& state) { RunTicks(state, "45", "30", "45", "12,5825"); }
BENCHMARK(BM_RefreshTick);

// Every input mid-typing: nothing parses, only the DMS result is written.
void BM_RefreshTickAllFailing(benchmark::State& state) { RunTicks(state, "-", "", "", "abc"); }
BENCHMARK(BM_RefreshTickAllFailing);

} // namespace

BENCHMARK_MAIN();
