#include "engine/decimal_marks.h"

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

char MarkOf(bool decimalComma) {
    return decimalComma ? ',' : '.';
}

} // namespace

std::string ResultWithMark(std::string_view result, bool decimalComma) {
    std::string text(result);
    if (!text.empty() && text[0] == '\'') {
        return text;
    }
    for (char& c : text) {
        if (c == '.' || c == ',') {
            c = MarkOf(decimalComma);
        }
    }
    return text;
}

std::string ExpressionWithMark(std::string_view expression, bool fromComma, bool toComma) {
    std::string text(expression);
    if (fromComma == toComma) {
        return text;
    }
    const char from = MarkOf(fromComma);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != from) {
            continue;
        }
        const std::size_t next = text.find_first_not_of(' ', i + 1);
        if (next != std::string::npos && IsDigit(text[next])) {
            text[i] = MarkOf(toComma);
        }
    }
    return text;
}

std::string GroupedDigits(std::string_view result, char separator) {
    if (separator == '\0') {
        return std::string(result);
    }
    std::string text;
    std::size_t i = 0;
    while (i < result.size()) {
        // A number starts the text or follows a blank; its digits follow its sign.
        if (i > 0 && result[i - 1] != ' ') {
            text += result[i++];
            continue;
        }
        if (result[i] == '-') {
            text += result[i++];
        }
        std::size_t end = i;
        while (end < result.size() && IsDigit(result[end])) {
            ++end;
        }
        for (std::size_t k = i; k < end; ++k) {
            if (k > i && (end - k) % 3 == 0) {
                text += separator;
            }
            text += result[k];
        }
        if (end == i && i < result.size()) {
            ++end;
            text += result[i];
        }
        i = end;
    }
    return text;
}
