// The reader of the kept history on arbitrary file contents. Besides the sanitizers'
// findings, a record read must be one the writer gives back byte for byte, and the counts
// must keep their limits.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "support/history_records.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const bool fromStart = size % 2 == 0;
    const NewestCalculations newest = ReadNewestCalculations(bytes, fromStart, 3, 5);
    if (newest.found > 5 || newest.calculations.size() > 3 ||
        newest.calculations.size() > newest.found) {
        std::abort();
    }
    for (const KeptCalculation& calculation : newest.calculations) {
        KeptCalculation again;
        const std::string line = HistoryRecord(calculation);
        if (!ReadHistoryRecord(std::string_view(line).substr(0, line.size() - 2), &again) ||
            again.expression != calculation.expression || again.output != calculation.output ||
            again.succeeded != calculation.succeeded || again.shown != calculation.shown ||
            again.decimalComma != calculation.decimalComma) {
            std::abort();
        }
        if (ShownText(calculation.expression).size() != calculation.expression.size()) {
            std::abort();
        }
    }
    return 0;
}
