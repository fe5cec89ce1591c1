#include "tools/soak_driver/eval_oracle.h"

#include <sstream>

namespace {

std::string ArgumentsOf(EvalOptions options) {
    return std::string(" --status") + (options.floating ? "" : " --integer") +
           (options.radians ? "" : " --degrees") + (options.decimalComma ? " --decimal-comma" : "");
}

bool WriteAll(HANDLE pipe, const std::string& text) {
    std::size_t done = 0;
    while (done < text.size()) {
        DWORD written = 0;
        if (!WriteFile(pipe, text.data() + done, static_cast<DWORD>(text.size() - done), &written,
                       nullptr)) {
            return false;
        }
        done += written;
    }
    return true;
}

} // namespace

EvalOracle::~EvalOracle() {
    for (Child& child : children_) {
        Stop(&child);
    }
}

bool EvalOracle::Start(const std::string& arguments, Child* child) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE inRead = nullptr;
    HANDLE outWrite = nullptr;
    if (!CreatePipe(&inRead, &child->input, &inherit, 1 << 16) ||
        !CreatePipe(&child->output, &outWrite, &inherit, 1 << 16)) {
        return false;
    }
    SetHandleInformation(child->input, HANDLE_FLAG_INHERIT, 0);
    SetHandleInformation(child->output, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = inRead;
    startup.hStdOutput = outWrite;
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    std::string commandLine = "\"" + program_ + "\"" + arguments;
    PROCESS_INFORMATION info{};
    const bool started = CreateProcessA(program_.c_str(), &commandLine[0], nullptr, nullptr, TRUE,
                                        0, nullptr, nullptr, &startup, &info) != FALSE;
    CloseHandle(inRead);
    CloseHandle(outWrite);
    if (started) {
        CloseHandle(info.hThread);
        child->process = info.hProcess;
    }
    return started;
}

void EvalOracle::Stop(Child* child) {
    for (HANDLE* handle : {&child->input, &child->output}) {
        if (*handle != nullptr) {
            CloseHandle(*handle);
        }
    }
    if (child->process != nullptr) {
        WaitForSingleObject(child->process, 5000);
        CloseHandle(child->process);
    }
    *child = Child{};
}

bool EvalOracle::ReadLines(const Child& child, std::size_t count, std::string* last) {
    std::string line;
    char buffer[4096];
    while (count > 0) {
        DWORD got = 0;
        if (!ReadFile(child.output, buffer, sizeof buffer, &got, nullptr) || got == 0) {
            return false;
        }
        for (DWORD i = 0; i < got; ++i) {
            if (buffer[i] == '\n') {
                if (--count == 0) {
                    *last = line;
                    return i + 1 == got; // nothing more was asked for
                }
                line.clear();
            } else if (buffer[i] != '\r') {
                line += buffer[i];
            }
        }
    }
    return false;
}

bool EvalOracle::Answer(const std::vector<std::string>& lines, EvalOptions options, bool fromZero,
                        std::string* answer) {
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\n";
    }
    Child fresh;
    Child* child = &fresh;
    if (!fromZero) {
        child = &children_[(options.decimalComma ? 4 : 0) + (options.floating ? 2 : 0) +
                           (options.radians ? 1 : 0)];
    }
    if (child->process == nullptr && !Start(ArgumentsOf(options), child)) {
        return false;
    }
    const bool answered = WriteAll(child->input, text) && ReadLines(*child, lines.size(), answer);
    if (fromZero || !answered) {
        Stop(child);
    }
    return answered;
}

std::vector<std::string> EvalOracle::Functions() {
    Child child;
    std::vector<std::string> names;
    if (!Start(" --help", &child)) {
        return names;
    }
    CloseHandle(child.input);
    child.input = nullptr;
    std::string help;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(child.output, buffer, sizeof buffer, &got, nullptr) && got > 0) {
        help.append(buffer, got);
    }
    Stop(&child);
    std::istringstream lines(help);
    std::string line;
    while (std::getline(lines, line)) {
        if (line.rfind("  functions", 0) == 0) {
            std::istringstream words(line.substr(0, line.find(',')));
            std::string word;
            words >> word; // "functions"
            while (words >> word) {
                names.push_back(word);
            }
        }
    }
    return names;
}
