#include "support/answer_lines.h"

#include <iostream>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

bool AnswerLines(const LineAnswer& answer) {
#ifdef _WIN32
    _setmode(_fileno(stdin), _O_BINARY);
#endif
    // The streams buffer on their own instead of through C's, and reading no longer
    // flushes the output.
    std::ios::sync_with_stdio(false);
    std::cin.tie(nullptr);
    bool allTrue = true;
    std::string line;
    std::string reply;
    while (std::getline(std::cin, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        reply.clear();
        allTrue = answer(line, &reply) && allTrue;
        reply += '\n';
        std::cout.write(reply.data(), static_cast<std::streamsize>(reply.size()));
        if (std::cin.rdbuf()->in_avail() <= 0) {
            std::cout.flush();
        }
    }
    std::cout.flush();
    return allTrue;
}
