// abacon-eval as the reference: one process per set of options, each fed the calculations
// that make ans again before the one asked about.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct EvalOptions {
    bool floating = true;
    bool radians = true;
    bool decimalComma = false;
    bool operator==(const EvalOptions& other) const {
        return floating == other.floating && radians == other.radians &&
               decimalComma == other.decimalComma;
    }
};

class EvalOracle {
  public:
    explicit EvalOracle(std::string program) : program_(std::move(program)) {}
    ~EvalOracle();
    EvalOracle(const EvalOracle&) = delete;
    EvalOracle& operator=(const EvalOracle&) = delete;

    // The answer line ("ok<TAB>text" or "error<TAB>text") to the last of lines, the ones
    // before it evaluated first. fromZero: ans starts at 0, as in a new process.
    bool Answer(const std::vector<std::string>& lines, EvalOptions options, bool fromZero,
                std::string* answer);
    // The function names of the help text.
    std::vector<std::string> Functions();

  private:
    struct Child {
        HANDLE process = nullptr;
        HANDLE input = nullptr;
        HANDLE output = nullptr;
    };
    bool Start(const std::string& arguments, Child* child);
    static void Stop(Child* child);
    static bool ReadLines(const Child& child, std::size_t count, std::string* last);

    std::string program_;
    Child children_[8];
};
