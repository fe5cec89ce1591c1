#include "engine/parse_expression.h"

#include "engine/grammar.h"
#include "engine/parse_state.h"
#include "engine/refusal.h"

namespace {

// The grammar skips no white space: spaces are dropped beforehand, anywhere in the text.
std::string WithoutSpaces(const char* text) {
    std::string stripped;
    for (const char* p = text; *p != '\0'; ++p) {
        if (*p != ' ') {
            stripped += *p;
        }
    }
    return stripped;
}

} // namespace

bool ParseExpression(const char* text, EvalFlags flags, TokenProgram* program,
                     std::string* failure) {
    const std::string stripped = WithoutSpaces(text);
    const char* mark = nullptr;
    ParseState state;
    ParseStateInit(&state, flags, stripped.c_str(), &mark);
    const bool parsed = SharedGrammar().Statement.parse(&state);
    if (parsed && !state.outOfMemory) {
        *program = state.program;
        return true;
    }
    TokenProgramFree(&state.program);
    *program = state.program;
    if (state.outOfMemory) {
        *failure = RefusalText(Refusal::OutOfMemory);
    } else {
        failure->assign(stripped.c_str(), static_cast<std::size_t>(mark - stripped.c_str()));
        *failure += RefusalText(Refusal::ParsingFailed);
    }
    return false;
}
