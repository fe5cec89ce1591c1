// abacon-eval's loop over standard input with muparser in place of the engine, for the
// comparison of the two programs in tools/bench.
#include "muparser_text.h"
#include "support/answer_lines.h"

int main() {
    mu::Parser parser;
    const bool all = AnswerLines([&parser](const std::string& line, std::string* answer) {
        try {
            *answer = MuparserText(&parser, line);
            return true;
        } catch (const mu::Parser::exception_type& error) {
            *answer = error.GetMsg();
            return false;
        }
    });
    return all ? 0 : 1;
}
