// Parse-phase cost: a typical hand-typed expression, and long sums whose time must grow
// linearly with their length.
#include <string>

#include <benchmark/benchmark.h>

#include "engine/parse_expression.h"

namespace {

void Parse(benchmark::State& state, const std::string& text) {
    for (auto _ : state) {
        TokenProgram program;
        std::string failure;
        const bool ok = ParseExpression(text.c_str(), 0, MakeInteger(0), &program, &failure);
        if (!ok) {
            state.SkipWithError("the expression did not parse");
            break;
        }
        benchmark::DoNotOptimize(program.ops.count);
        TokenProgramFree(&program);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(text.size()));
}

void ParseTypical(benchmark::State& state) {
    Parse(state, "sin(pi/4)*2+3.5^2-1=");
}

// "1+1+...+1=" of about state.range(0) characters.
void ParseLongSum(benchmark::State& state) {
    std::string text = "1";
    while (text.size() + 2 < static_cast<std::size_t>(state.range(0))) {
        text += "+1";
    }
    text += "=";
    Parse(state, text);
}

} // namespace

BENCHMARK(ParseTypical);
BENCHMARK(ParseLongSum)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
