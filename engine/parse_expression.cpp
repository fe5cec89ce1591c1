#include "engine/parse_expression.h"

#include <cstring>
#include <memory>

#include "engine/grammar.h"
#include "engine/parse_state.h"
#include "engine/refusal.h"

namespace {

// The grammar skips no white space: spaces are dropped beforehand, anywhere in the text.
// out has room for the whole text. Returns the length of the copy.
std::size_t CopyWithoutSpaces(const char* text, char* out) {
    char* const begin = out;
    for (; *text != '\0'; ++text) {
        if (*text != ' ') {
            *out++ = *text;
        }
    }
    *out = '\0';
    return static_cast<std::size_t>(out - begin);
}

} // namespace

bool ParseExpression(const char* text, EvalFlags flags, const Value& answer, TokenProgram* program,
                     std::string* failure) {
    // A typical expression fits the local buffer; only a longer one takes one from the heap.
    char local[256];
    const std::size_t size = std::strlen(text) + 1;
    const std::unique_ptr<char[]> heap(size > sizeof local ? new char[size] : nullptr);
    char* const stripped = heap ? heap.get() : local;
    const std::size_t length = CopyWithoutSpaces(text, stripped);
    const char* mark = nullptr;
    ParseState state;
    ParseStateInit(&state, flags, stripped, &mark);
    state.answer = &answer;
    TokenProgramReserve(&state.program, length);
    const bool parsed = SharedGrammar().Statement.parse(&state);
    if (parsed && state.halt == Refusal::None) {
        *program = state.program;
        return true;
    }
    TokenProgramFree(&state.program);
    *program = state.program;
    if (state.halt != Refusal::None) {
        *failure = RefusalText(state.halt);
    } else {
        failure->assign(stripped, static_cast<std::size_t>(mark - stripped));
        *failure += RefusalText(Refusal::ParsingFailed);
    }
    return false;
}
