#include "engine/calculation_session.h"

#include <algorithm>

#include "engine/decimal_marks.h"
#include "engine/evaluate.h"
#include "engine/value_text.h"

namespace {

std::string CompletedWithAnswer(const std::string& typed) {
    const std::size_t first = typed.find_first_not_of(' ');
    if (first == std::string::npos) {
        return typed;
    }
    const char c = typed[first];
    if (c != '*' && c != '/' && c != '%' && c != '^') {
        return typed;
    }
    return "ans" + typed.substr(first);
}

// A line of the history, and its line break. Control characters show as blanks, as the kept
// lines do after a restart, so the history reads the same before and after.
std::string Line(const std::string& text) {
    return ShownText(text) + "\r\n";
}

} // namespace

KeptCalculation CalculationSession::Answer(const std::string& typed, EvalFlags flags,
                                           char groupSeparator) {
    KeptCalculation calculation;
    calculation.expression = CompletedWithAnswer(typed);
    calculation.decimalComma = (flags & EvalFlag::DecimalComma) != 0;
    const std::string text = calculation.expression + '=';
    calculation.succeeded = Evaluate(text.c_str(), flags, &answer_, &calculation.output);
    if (calculation.succeeded) {
        calculation.value = ExactValueText(answer_);
        const std::string grouped = GroupedDigits(calculation.output, groupSeparator);
        if (grouped != calculation.output) {
            calculation.shown = grouped;
        }
        answered_ = true;
    }
    return calculation;
}

std::string CalculationSession::Calculate(const std::string& typed, EvalFlags flags,
                                          char groupSeparator, KeptCalculation* calculation) {
    recall_.Add(typed, (flags & EvalFlag::DecimalComma) != 0);
    *calculation = Answer(typed, flags, groupSeparator);
    return Show(*calculation);
}

std::string CalculationSession::Note(const std::string& line) {
    return Append(Line(line));
}

std::string CalculationSession::Restore(const std::vector<KeptCalculation>& kept) {
    CalculationSession earlier;
    std::string text;
    for (const KeptCalculation& calculation : kept) {
        earlier.recall_.Add(calculation.expression, calculation.decimalComma);
        text += earlier.Show(calculation);
    }
    results_.Prepend(earlier.results_, text.size());
    recall_.Prepend(earlier.recall_);
    length_ += text.size();
    const auto newest = std::find_if(kept.rbegin(), kept.rend(),
                                     [](const KeptCalculation& c) { return c.succeeded; });
    if (newest != kept.rend() && !answered_) {
        ReadExactValue(newest->value, &answer_);
    }
    return text;
}

void CalculationSession::Clear() {
    results_.Clear();
    recall_.Clear();
    length_ = 0;
}

// A success is one line, "expression=result"; a failure two, "expression=" and the error.
std::string CalculationSession::Show(const KeptCalculation& calculation) {
    const std::string expression = calculation.expression + '=';
    if (!calculation.succeeded) {
        return Append(Line(expression) + Line(calculation.output));
    }
    const std::size_t first = length_;
    const std::string& shown = calculation.shown.empty() ? calculation.output : calculation.shown;
    const std::string text = Append(Line(expression + shown));
    results_.Add(first, first + text.size() - 2, calculation.output);
    return text;
}

std::string CalculationSession::Append(std::string text) {
    length_ += text.size();
    return text;
}
