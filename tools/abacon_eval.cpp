// abacon-eval: the calculation engine from the command line, for scripting and testing.
// Each expression is calculated by the calculator's own session, as the window does it, with
// the engine's texts from the language file.
#include <cstdio>
#include <string>
#include <vector>

#include "engine/calculation_session.h"
#include "engine/function_table.h"
#include "support/answer_lines.h"
#include "support/executable_path.h"
#include "support/path_parts.h"
#include "support/version.h"
#include "translation/catalogue.h"

namespace {

constexpr char kUsage[] = "usage: abacon-eval [--integer] [--degrees] [--decimal-comma] "
                          "[--group-digits] [--language NAME] [--language-file PATH] "
                          "[--status] [EXPRESSION ...]";

constexpr char kHelp[] =
    "       abacon-eval --help | --version\n"
    "\n"
    "Evaluates each EXPRESSION, or else each line of standard input, as the Abacon\n"
    "calculator does, and prints one result or error text for each.\n"
    "\n"
    "  --integer             32-bit integer arithmetic that wraps (default: floating point)\n"
    "  --degrees             angles in degrees (default: radians)\n"
    "  --decimal-comma       numbers read and written with a decimal comma: 1,5 (a point\n"
    "                        is read too, a number with both is refused); default: point\n"
    "  --group-digits        results with their integer digits in groups of three, by \",\"\n"
    "                        with the point and by \".\" with the decimal comma\n"
    "  --language NAME       the language of the error texts (default: English)\n"
    "  --language-file PATH  the language file (default: Abacon.t9n beside the program)\n"
    "  --status              put \"ok\" or \"error\" and a tab before each answer\n"
    "  --                    ends the options, so that an expression may begin with \"--\"\n"
    "\n"
    "Exit code: 0 when every expression succeeded, 1 when one failed, 2 when the arguments\n"
    "or the language file are unusable.\n"
    "\n"
    "The expression language:\n"
    "  numbers    42  0x2A  0b101010  'a' (a character's code)  1.5  2e3  1d3; with\n"
    "             --integer a number is taken as 32 bits (0xFFFFFFFF is -1) and a larger one\n"
    "             is refused; in floating point it is the nearest double of its full value\n"
    "  constants  pi  e  i  ans (the previous result, 0 at first); a number directly\n"
    "             followed by one is multiplied by it: 2pi, 3+4i, 2ans\n"
    "  operators  + - * / % ^, unary + -, parentheses; ^ binds tighter than * / %, which bind\n"
    "             tighter than + -; all are left-associative; unary signs bind tightest;\n"
    "             % of doubles is the remainder with the sign of the left operand (5.5%2 is\n"
    "             1.5); an expression beginning with * / % or ^ continues ans: *2 is ans*2\n";

// After the list of functions.
constexpr char kHelpEnd[] =
    "             of real or complex numbers (principal values: sqrt(-4+0i) is 0 + 2 i)\n"
    "  suffix     ,x ,b or ,c at the end shows an integer result, or a double that is an\n"
    "             integer from -2147483648 to 4294967295, in hexadecimal, in binary or as a\n"
    "             character: 255,x gives 0xFF\n"
    "Spaces are ignored.\n";

constexpr int kAllSucceeded = 0;
constexpr int kSomeFailed = 1;
constexpr int kCannotRun = 2; // usage error or no usable language file

// The defaults are those of the calculator's first start.
struct Options {
    bool help = false;
    bool version = false;
    EvalFlags flags = EvalFlag::Floating | EvalFlag::Radians;
    std::string language = "English";
    std::string languageFile;
    bool status = false;
    bool groupDigits = false;
    std::vector<std::string> expressions;
};

// Options come first; "--" ends them, so that an expression may begin with "--".
bool ParseArguments(int argc, char** argv, Options* options, std::string* problem) {
    int i = 1;
    for (; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--") {
            ++i;
            break;
        }
        if (argument.compare(0, 2, "--") != 0) {
            break;
        }
        if (argument == "--help") {
            options->help = true;
        } else if (argument == "--version") {
            options->version = true;
        } else if (argument == "--integer") {
            options->flags &= static_cast<EvalFlags>(~EvalFlag::Floating);
        } else if (argument == "--degrees") {
            options->flags &= static_cast<EvalFlags>(~EvalFlag::Radians);
        } else if (argument == "--decimal-comma") {
            options->flags |= EvalFlag::DecimalComma;
        } else if (argument == "--group-digits") {
            options->groupDigits = true;
        } else if (argument == "--status") {
            options->status = true;
        } else if (argument == "--language" || argument == "--language-file") {
            if (i + 1 == argc) {
                *problem = argument + " needs a value";
                return false;
            }
            (argument == "--language" ? options->language : options->languageFile) = argv[++i];
        } else {
            *problem = "unknown option " + argument;
            return false;
        }
    }
    options->expressions.assign(argv + i, argv + argc);
    return true;
}

// Reached only when no language of the file has the requested name: there is no one to ask,
// so it keeps the file's names for the message.
class NoLanguageChooser final : public LanguageChooser {
  public:
    bool Choose(const GrowArray& names, int32_t* /*index*/) override {
        for (int32_t i = 0; i < names.count; ++i) {
            available += i == 0 ? "" : ", ";
            available += LanguageNameAt(names, i);
        }
        return false;
    }

    std::string available;
};

std::string LoadFailure(uint32_t error, const Options& options, const NoLanguageChooser& chooser) {
    switch (error) {
    case CatalogueError::OpenFailed:
        return "cannot be opened, or is empty";
    case CatalogueError::VersionMismatch:
        return std::string("does not belong to version ") + kProgramVersion;
    case CatalogueError::KeyWithoutText:
        return "lacks the text of some key";
    case CatalogueError::NoLanguage:
        return "has no language \"" + options.language + "\" (it has " + chooser.available + ")";
    case CatalogueError::TooFewLines:
        return "has an entry without a line for " + options.language;
    case CatalogueError::UnknownKey:
        return "has an entry with an unknown key";
    case CatalogueError::RepeatedKey:
        return "has a key twice";
    default:
        return "cannot be read: out of memory";
    }
}

bool LoadLanguage(const Options& options, std::string* path, std::string* problem) {
    *path = options.languageFile;
    if (path->empty()) {
        *path = SplitPath(ExecutablePath()).folder + "Abacon.t9n";
    }
    char name[kLanguageNameSize] = {};
    options.language.copy(name, kLanguageNameSize - 1);
    NoLanguageChooser chooser;
    uint32_t error = 0;
    if (TranslationLoad(path->c_str(), ApplicationKeys(), kTranslationKeyCount, kProgramVersion,
                        name, chooser, &error)) {
        return true;
    }
    *problem = LoadFailure(error, options, chooser);
    return false;
}

// One answer line, without its line break; false when the expression failed.
bool Answer(const std::string& expression, const Options& options, CalculationSession* session,
            std::string* line) {
    // The separators that go with each mark in most regional settings.
    const char separator = !options.groupDigits                            ? '\0'
                           : (options.flags & EvalFlag::DecimalComma) != 0 ? '.'
                                                                           : ',';
    const KeptCalculation calculation = session->Answer(expression, options.flags, separator);
    if (options.status) {
        *line = calculation.succeeded ? "ok\t" : "error\t";
    }
    *line += calculation.shown.empty() ? calculation.output : calculation.shown;
    return calculation.succeeded;
}

int Run(const Options& options) {
    bool allSucceeded = true;
    CalculationSession session;
    if (options.expressions.empty()) {
        allSucceeded = AnswerLines([&](const std::string& expression, std::string* line) {
            return Answer(expression, options, &session, line);
        });
    }
    for (const std::string& expression : options.expressions) {
        std::string line;
        allSucceeded = Answer(expression, options, &session, &line) && allSucceeded;
        line += '\n';
        std::fwrite(line.data(), 1, line.size(), stdout);
    }
    return allSucceeded ? kAllSucceeded : kSomeFailed;
}

// The version as people write it: 1.0.0.0021 is 1.0.0.21.
void PrintVersion() {
    VersionNumber version{};
    ParseVersion(kProgramVersion, &version);
    std::printf("abacon-eval %u.%u.%u.%u\n", unsigned{version.major}, unsigned{version.minor},
                unsigned{version.release}, unsigned{version.build});
}

} // namespace

int main(int argc, char** argv) {
    Options options;
    std::string problem;
    if (!ParseArguments(argc, argv, &options, &problem)) {
        std::fprintf(stderr, "abacon-eval: %s (%s)\n", problem.c_str(), kUsage);
        return kCannotRun;
    }
    if (options.help || options.version) {
        if (options.help) {
            std::printf("%s\n%s  functions ", kUsage, kHelp);
            for (const FunctionEntry& function : kFunctions) {
                std::printf(" %s", function.name);
            }
            std::printf(", as sqrt(2),\n%s", kHelpEnd);
        } else {
            PrintVersion();
        }
        return kAllSucceeded;
    }
    std::string path;
    if (!LoadLanguage(options, &path, &problem)) {
        std::fprintf(stderr, "abacon-eval: language file %s %s\n", path.c_str(), problem.c_str());
        return kCannotRun;
    }
    const int result = Run(options);
    TranslationFree();
    return result;
}
