#include "engine/answer_completion.h"

std::string CompleteWithAnswer(const std::string& typed) {
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
