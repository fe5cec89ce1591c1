#include "translation/catalogue.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include "support/mapped_file.h"
#include "support/path_parts.h"
#include "support/version.h"

namespace {

// One line of a block: its bytes from first up to end (a CR, or the NUL ending the text).
struct LineSpan {
    const char* first;
    const char* end;
};

constexpr std::size_t kVersionLimit = 31;  // bytes of the version line read
constexpr std::size_t kNameLimit = 32;     // bytes of a language name line taken
constexpr std::size_t kLineLimit = 65536;  // bytes of a key or text line taken
constexpr std::size_t kNameCopyLimit = 31; // characters of the name handed back

GrowArray gNames = {0, 0, 1, std::realloc, std::free, nullptr};
std::string gPrompt;
LoadProblem gProblem;

const LineSpan& LineAt(const GrowArray& lines, int32_t index) {
    return *static_cast<const LineSpan*>(GrowArrayAt(&lines, sizeof(LineSpan), index));
}

bool AppendLine(GrowArray* lines, const char* first, const char* end) {
    const LineSpan line{first, end};
    return GrowArrayInsert(&line, lines, sizeof line, lines->count);
}

// Splits the block that starts at *position into lines, replacing the contents of *lines.
// A line ends at a CR, whose next byte is skipped as its LF, or at a lone LF (a file edited
// on another system). A block ends at an empty line (the next block starts after it) or at
// the NUL ending the text (*position then stays at that NUL); a CR that is the last byte of
// the text ends its line and the text. False when memory runs out.
bool ReadBlock(const char** position, GrowArray* lines) {
    GrowArrayErase(lines, sizeof(LineSpan), lines->count, 0);
    const char* lineStart = *position;
    const char* p = lineStart;
    for (;;) {
        if (*p == '\0') {
            *position = p;
            return AppendLine(lines, lineStart, p);
        }
        if (*p != '\r' && *p != '\n') {
            ++p;
            continue;
        }
        if (!AppendLine(lines, lineStart, p)) {
            return false;
        }
        if (*p == '\r' && p[1] == '\0') {
            *position = p + 1;
            return true;
        }
        p += *p == '\r' ? 2 : 1;
        if (*p == '\n' || (*p == '\r' && p[1] == '\n')) {
            *position = p + (*p == '\n' ? 1 : 2);
            return true;
        }
        lineStart = p;
    }
}

char Unescape(char c) {
    switch (c) {
    case 'n':
        return '\n';
    case 't':
        return '\t';
    case 'b':
        return '\b';
    case 'r':
        return '\r';
    case '\\':
        return '\\';
    default:
        return '?';
    }
}

// A heap copy of the first limit bytes of line with escapes resolved. A backslash that is
// the last byte taken pairs with the byte after the taken part and ends the copy. Null when
// memory runs out.
char* CopyResolved(const LineSpan& line, std::size_t limit) {
    std::size_t taken = static_cast<std::size_t>(line.end - line.first);
    if (taken > limit) {
        taken = limit;
    }
    char* copy = static_cast<char*>(std::malloc(taken + 1));
    if (copy == nullptr) {
        return nullptr;
    }
    char* out = copy;
    const char* p = line.first;
    const char* stop = line.first + taken;
    while (p < stop) {
        if (*p == '\\') {
            *out++ = Unescape(p[1]);
            p += 2;
        } else {
            *out++ = *p++;
        }
    }
    *out = '\0';
    return copy;
}

// Letter case in code page 1252: ASCII, the accented letters and Š Œ Ž Ÿ.
unsigned char FoldCase(unsigned char c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) {
        return static_cast<unsigned char>(c + 32);
    }
    if (c == 0x8A || c == 0x8C || c == 0x8E) {
        return static_cast<unsigned char>(c + 16);
    }
    if (c == 0x9F) {
        return 0xFF;
    }
    return c;
}

bool EqualIgnoringCase(const char* a, const char* b) {
    for (;; ++a, ++b) {
        const unsigned char x = FoldCase(static_cast<unsigned char>(*a));
        if (x != FoldCase(static_cast<unsigned char>(*b))) {
            return false;
        }
        if (x == 0) {
            return true;
        }
    }
}

// A key line of raw length n matches a table key when both agree in their first n bytes
// (up to a NUL they share), so a line matches every key that begins with it. The entry
// after the previous match is tried first: a file in table order costs one comparison each.
int32_t FindKey(const TranslationKey* keys, int32_t count, const char* key, std::size_t n,
                int32_t tryFirst) {
    if (tryFirst < count && std::strncmp(keys[tryFirst].key, key, n) == 0) {
        return tryFirst;
    }
    for (int32_t i = 0; i < count; ++i) {
        if (std::strncmp(keys[i].key, key, n) == 0) {
            return i;
        }
    }
    return -1;
}

bool IsRetiredKey(const char* key) {
    for (const char* retired : kRetiredKeys) {
        if (std::strcmp(retired, key) == 0) {
            return true;
        }
    }
    return false;
}

bool HeaderMatches(const LineSpan& versionLine, const char* programVersion) {
    char text[kVersionLimit + 1];
    std::size_t length = static_cast<std::size_t>(versionLine.end - versionLine.first);
    if (length > kVersionLimit) {
        length = kVersionLimit;
    }
    std::memcpy(text, versionLine.first, length);
    text[length] = '\0';
    VersionNumber fileVersion;
    VersionNumber program;
    return ParseVersion(text, &fileVersion) && ParseVersion(programVersion, &program) &&
           CompareVersion(fileVersion, program) == 0;
}

uint32_t ReadNames(const GrowArray& lines) {
    for (int32_t i = 0; i < lines.count; ++i) {
        char* name = CopyResolved(LineAt(lines, i), kNameLimit);
        if (name == nullptr || !GrowArrayInsert(&name, &gNames, sizeof name, gNames.count)) {
            std::free(name);
            return CatalogueError::OutOfMemory;
        }
    }
    return 0;
}

// The language dialog's prompt: the text of its key in every language, each once, on one
// line; empty when the file has no such block.
uint32_t ReadPrompt(const char* position, GrowArray* lines) {
    const char* key = ApplicationKeys()[TextId::LanguagePrompt].key;
    while (*position != '\0') {
        if (!ReadBlock(&position, lines)) {
            return CatalogueError::OutOfMemory;
        }
        const LineSpan& keyLine = LineAt(*lines, 0);
        if (std::string(keyLine.first, keyLine.end) != key) {
            continue;
        }
        std::vector<std::string> texts;
        for (int32_t i = 1; i < lines->count; ++i) {
            const std::unique_ptr<char, void (*)(void*)> text(
                CopyResolved(LineAt(*lines, i), kLineLimit), std::free);
            if (text == nullptr) {
                return CatalogueError::OutOfMemory;
            }
            if (std::find(texts.begin(), texts.end(), text.get()) == texts.end()) {
                gPrompt += (texts.empty() ? "" : " / ") + std::string(text.get());
                texts.push_back(text.get());
            }
        }
        return 0;
    }
    return 0;
}

// The first usable name equal to the saved one without regard to case, else the chooser's
// answer; -1 when the file names no usable language or the chooser gives none.
int32_t PickLanguage(const char* savedName, LanguageChooser& chooser) {
    bool usable = false;
    for (int32_t i = 0; i < gNames.count; ++i) {
        const char* name = LanguageNameAt(gNames, i);
        if (!IsUsableLanguageName(name)) {
            continue;
        }
        if (EqualIgnoringCase(name, savedName)) {
            return i;
        }
        usable = true;
    }
    gProblem.noNames = !usable;
    int32_t index = -1;
    if (!usable || !chooser.Choose(gNames, &index) || index < 0 || index >= gNames.count ||
        !IsUsableLanguageName(LanguageNameAt(gNames, index))) {
        return -1;
    }
    return index;
}

// Takes line language + 2 of each entry block as the text of the entry its key names; the
// blocks of retired keys are skipped.
uint32_t ReadEntries(const char* position, GrowArray* lines, TranslationKey* keys, int32_t count,
                     int32_t language) {
    int32_t previous = -1;
    while (*position != '\0') {
        if (!ReadBlock(&position, lines)) {
            return CatalogueError::OutOfMemory;
        }
        const LineSpan& keyLine = LineAt(*lines, 0);
        const std::unique_ptr<char, void (*)(void*)> key(CopyResolved(keyLine, kLineLimit),
                                                         std::free);
        if (key == nullptr) {
            return CatalogueError::OutOfMemory;
        }
        if (lines->count - 1 <= language) {
            gProblem.key = key.get();
            gProblem.language = LanguageNameAt(gNames, language);
            return CatalogueError::TooFewLines;
        }
        const int32_t match =
            FindKey(keys, count, key.get(), static_cast<std::size_t>(keyLine.end - keyLine.first),
                    previous + 1);
        if (match < 0 && IsRetiredKey(key.get())) {
            continue; // written by an earlier version
        }
        if (match < 0) {
            gProblem.key = key.get();
            return CatalogueError::UnknownKey;
        }
        if (keys[match].text != nullptr) {
            gProblem.key = keys[match].key;
            return CatalogueError::RepeatedKey;
        }
        keys[match].text = CopyResolved(LineAt(*lines, language + 1), kLineLimit);
        if (keys[match].text == nullptr) {
            return CatalogueError::OutOfMemory;
        }
        previous = match;
    }
    for (int32_t i = 0; i < count; ++i) {
        if (keys[i].text == nullptr) {
            gProblem.key = keys[i].key;
            return CatalogueError::KeyWithoutText;
        }
    }
    return 0;
}

uint32_t LoadBlocks(const char* text, TranslationKey* keys, int32_t count,
                    const char* programVersion, char* languageName, LanguageChooser& chooser,
                    GrowArray* lines) {
    const char* position = text;
    if (!ReadBlock(&position, lines)) {
        return CatalogueError::OutOfMemory;
    }
    if (!HeaderMatches(LineAt(*lines, 0), programVersion)) {
        gProblem.programVersion = programVersion != nullptr ? programVersion : "";
        return CatalogueError::VersionMismatch;
    }
    if (!ReadBlock(&position, lines)) {
        return CatalogueError::OutOfMemory;
    }
    if (const uint32_t error = ReadNames(*lines)) {
        return error;
    }
    if (const uint32_t error = ReadPrompt(position, lines)) {
        return error;
    }
    const int32_t language = PickLanguage(languageName, chooser);
    if (language < 0) {
        return CatalogueError::NoLanguage;
    }
    if (const uint32_t error = ReadEntries(position, lines, keys, count, language)) {
        return error;
    }
    const char* name = LanguageNameAt(gNames, language);
    std::size_t length = 0;
    while (length < kNameCopyLimit && name[length] != '\0') {
        ++length;
    }
    std::memcpy(languageName, name, length);
    languageName[length] = '\0';
    return 0;
}

// The table becomes the one in use, with no texts yet.
void BeginLoad(TranslationKey* keys, int32_t count, const char* path) {
    TranslationFree();
    gProblem = LoadProblem{};
    gProblem.path = path;
    for (int32_t i = 0; i < count; ++i) {
        keys[i].text = nullptr;
    }
    TranslationUseTable(keys, count);
}

bool FinishLoad(uint32_t code, uint32_t* error) {
    *error = code;
    gProblem.code = code;
    if (code == 0) {
        return true;
    }
    TranslationFree();
    return false;
}

bool LoadFromText(const char* text, TranslationKey* keys, int32_t count, const char* programVersion,
                  char* languageName, LanguageChooser& chooser, uint32_t* error) {
    GrowArray lines;
    GrowArrayInit(&lines, 1, std::realloc, std::free);
    const uint32_t code =
        LoadBlocks(text, keys, count, programVersion, languageName, chooser, &lines);
    GrowArrayFree(&lines);
    return FinishLoad(code, error);
}

} // namespace

bool TranslationLoadText(const char* text, TranslationKey* keys, int32_t count,
                         const char* programVersion, char* languageName, LanguageChooser& chooser,
                         uint32_t* error) {
    BeginLoad(keys, count, "");
    return LoadFromText(text, keys, count, programVersion, languageName, chooser, error);
}

bool TranslationLoad(const char* path, TranslationKey* keys, int32_t count,
                     const char* programVersion, char* languageName, LanguageChooser& chooser,
                     uint32_t* error) {
    BeginLoad(keys, count, path);
    MappedFile file;
    if (!MappedFileOpen(1, &file, path)) {
        gProblem.open = file.failure;
        return FinishLoad(CatalogueError::OpenFailed, error);
    }
    const bool loaded =
        LoadFromText(file.view, keys, count, programVersion, languageName, chooser, error);
    MappedFileClose(&file);
    return loaded;
}

void TranslationFree() {
    TranslationKey* keys = TranslationTableInUse();
    const int32_t count = TranslationCountInUse();
    for (int32_t i = 0; i < count; ++i) {
        std::free(keys[i].text);
        keys[i].text = nullptr;
    }
    for (int32_t i = 0; i < gNames.count; ++i) {
        std::free(*static_cast<char**>(GrowArrayAt(&gNames, sizeof(char*), i)));
    }
    GrowArrayFree(&gNames);
    gPrompt.clear();
    TranslationUseTable(nullptr, 0);
}

const LoadProblem& TranslationLoadProblem() {
    return gProblem;
}

const GrowArray& TranslationLanguageNames() {
    return gNames;
}

const std::string& TranslationLanguagePrompt() {
    return gPrompt;
}

std::string LanguageFilePath(const std::string& programPath) {
    const PathParts parts = SplitPath(programPath);
    return parts.folder + parts.baseName + ".t9n";
}
