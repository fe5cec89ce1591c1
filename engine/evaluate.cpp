#include "engine/evaluate.h"

#include <new>

#include "engine/evaluator.h"
#include "engine/format_result.h"
#include "engine/parse_expression.h"
#include "engine/refusal.h"

namespace {

// Releases the compiled program on every way out, exceptions included.
class ProgramOwner {
  public:
    explicit ProgramOwner(TokenProgram* program) : program_(program) {}
    ~ProgramOwner() { TokenProgramFree(program_); }
    ProgramOwner(const ProgramOwner&) = delete;
    ProgramOwner& operator=(const ProgramOwner&) = delete;

  private:
    TokenProgram* program_;
};

bool ParseAndRun(const char* text, EvalFlags flags, Value* answer, std::string* output) {
    TokenProgram program;
    if (!ParseExpression(text, flags, *answer, &program, output)) {
        return false;
    }
    const ProgramOwner owner(&program);
    Value result;
    if (!RunTokenProgram(program, flags, &result, output)) {
        return false;
    }
    *output =
        FormatResult(result, program.display, (flags & EvalFlag::DecimalComma) != 0 ? ',' : '.');
    *answer = result;
    return true;
}

} // namespace

bool Evaluate(const char* text, EvalFlags flags, Value* answer, std::string* output) {
    output->clear();
    try {
        return ParseAndRun(text, flags, answer, output);
    } catch (const std::bad_alloc&) {
        // The texts are standard strings: their allocation failure ends the call like the
        // engine's own arrays running out. The short text needs no allocation of its own.
        *output = RefusalText(Refusal::OutOfMemory);
        return false;
    }
}
