// Whole Evaluate calls (parse, evaluate, format, as the window makes them) on the typical
// calculator expressions of expressions.txt, against muparser on the same set in the same
// run, and on long inputs whose time must grow linearly up to 1 MB.
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "counting_allocator.h"
#include "engine/evaluate.h"
#include "muparser_text.h"

namespace {

// Floating point and radians: the arithmetic muparser has, so both give the same numbers.
constexpr EvalFlags kFlags = EvalFlag::Floating | EvalFlag::Radians;

// As the user types them; the window appends "=" before calling Evaluate.
const std::vector<std::string>& Expressions() {
    static const std::vector<std::string> expressions = [] {
        std::vector<std::string> lines;
        std::ifstream file(ABACON_BENCH_EXPRESSIONS);
        for (std::string line; std::getline(file, line);) {
            if (!line.empty()) {
                lines.push_back(line);
            }
        }
        return lines;
    }();
    return expressions;
}

// Both engines must accept every expression and agree on its value.
bool Agree(benchmark::State& state) {
    mu::Parser parser;
    for (const std::string& expression : Expressions()) {
        std::string ours;
        Value answer = MakeInteger(0);
        if (!Evaluate((expression + "=").c_str(), kFlags, &answer, &ours)) {
            state.SkipWithError(("Evaluate refuses " + expression).c_str());
            return false;
        }
        const double theirs = std::strtod(MuparserText(&parser, expression).c_str(), nullptr);
        const double value = std::strtod(ours.c_str(), nullptr);
        if (std::fabs(value - theirs) > 1e-12 * std::fabs(theirs)) {
            state.SkipWithError(("the engines disagree on " + expression).c_str());
            return false;
        }
    }
    return Expressions().size() > 0;
}

// The time of one expression, and the heap blocks one takes: an average over one more pass
// through the set, after the timed ones.
template <class Evaluation>
void ReportPerExpression(benchmark::State& state, const Evaluation& evaluate) {
    const double count = static_cast<double>(state.iterations() * Expressions().size());
    state.SetItemsProcessed(static_cast<int64_t>(count));
    state.counters["per_expression"] =
        benchmark::Counter(count, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    const int64_t before = AllocationCount();
    for (const std::string& expression : Expressions()) {
        evaluate(expression);
    }
    state.counters["allocations"] =
        static_cast<double>(AllocationCount() - before) / static_cast<double>(Expressions().size());
}

void EvaluateTypical(benchmark::State& state) {
    if (!Agree(state)) {
        return;
    }
    std::vector<std::string> texts;
    for (const std::string& expression : Expressions()) {
        texts.push_back(expression + "=");
    }
    std::string output;
    Value answer = MakeInteger(0);
    for (auto _ : state) {
        for (const std::string& text : texts) {
            benchmark::DoNotOptimize(Evaluate(text.c_str(), kFlags, &answer, &output));
            benchmark::DoNotOptimize(output.data());
        }
    }
    std::size_t next = 0;
    ReportPerExpression(state, [&](const std::string&) {
        Evaluate(texts[next++].c_str(), kFlags, &answer, &output);
    });
}

// One reused parser; each expression set, evaluated and written with 16 digits.
void MuparserTypical(benchmark::State& state) {
    if (!Agree(state)) {
        return;
    }
    mu::Parser parser;
    std::string output;
    for (auto _ : state) {
        for (const std::string& expression : Expressions()) {
            output = MuparserText(&parser, expression);
            benchmark::DoNotOptimize(output.data());
        }
    }
    ReportPerExpression(
        state, [&](const std::string& expression) { output = MuparserText(&parser, expression); });
}

// A calculator-like expression of state.range(0) characters with its "=".
void EvaluateLong(benchmark::State& state) {
    const std::size_t length = static_cast<std::size_t>(state.range(0));
    const std::string chunk = "12.5*3-sqrt(4)/2+";
    std::string text;
    while (text.size() + chunk.size() + 2 <= length) {
        text += chunk;
    }
    text += "1=";
    std::string output;
    Value answer = MakeInteger(0);
    if (!Evaluate(text.c_str(), kFlags, &answer, &output)) {
        state.SkipWithError("Evaluate refuses the long expression");
        return;
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(Evaluate(text.c_str(), kFlags, &answer, &output));
        benchmark::DoNotOptimize(output.data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(text.size()));
    state.SetComplexityN(static_cast<int64_t>(text.size()));
}

} // namespace

BENCHMARK(EvaluateTypical);
BENCHMARK(MuparserTypical);
BENCHMARK(EvaluateLong)
    ->RangeMultiplier(4)
    ->Range(1 << 10, 1 << 20)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);
