#include "app/kept_history.h"

#include <windows.h>

#include "base/translation_keys.h"
#include "support/shared_file.h"

namespace {

// The newest records of the history lie in the file's last part; anything older than this
// is not read (a file of one long line of junk costs no more to start with).
constexpr std::size_t kTailRead = 16u << 20;

std::string AppDataFolder() {
    char folder[MAX_PATH] = "";
    const DWORD length = GetEnvironmentVariableA("APPDATA", folder, MAX_PATH);
    return length > 0 && length < MAX_PATH ? std::string(folder, length) : std::string();
}

} // namespace

KeptHistory::KeptHistory() {
    const std::string appData = AppDataFolder();
    if (!appData.empty()) {
        folder_ = appData + "\\Merrow\\Abacon";
        path_ = folder_ + "\\History.txt";
    }
}

std::vector<KeptCalculation> KeptHistory::Load(std::string* problem) {
    if (!enabled_) {
        return {};
    }
    if (path_.empty()) {
        Unsaved(problem);
        return {};
    }
    if (!CreateFolders(folder_) || !AppendToFile(path_, "")) {
        Unsaved(problem);
    }
    std::string tail;
    unsigned long long size = 0;
    if (!ReadFileTail(path_, kTailRead, &tail, &size)) {
        return {};
    }
    const bool whole = tail.size() == size;
    NewestCalculations newest = ReadNewestCalculations(tail, whole, kShown, kTrimAbove + 1);
    cutLast_ = !tail.empty() && tail.back() != '\n';
    if (!reported_ && (newest.found > kTrimAbove || !whole)) {
        std::string kept;
        for (const KeptCalculation& calculation : newest.calculations) {
            kept += HistoryRecord(calculation);
        }
        // Another window may have appended meanwhile: then the trimming waits for a start
        // that sees the file alone, rather than lose that record.
        std::string now;
        unsigned long long sizeNow = 0;
        if (ReadFileTail(path_, 0, &now, &sizeNow) && sizeNow == size &&
            ReplaceFileContent(path_, kept)) {
            cutLast_ = false;
        }
    }
    return std::move(newest.calculations);
}

void KeptHistory::Append(const KeptCalculation& calculation, std::string* problem) {
    if (!enabled_) {
        return;
    }
    // A record cut by a crash gets a line break of its own, so that only it is lost.
    const std::string record = (cutLast_ ? "\r\n" : "") + HistoryRecord(calculation);
    if (path_.empty() || !CreateFolders(folder_) || !AppendToFile(path_, record)) {
        Unsaved(problem);
        return;
    }
    cutLast_ = false;
}

void KeptHistory::Clear(std::string* problem) {
    if (!enabled_) {
        return;
    }
    if (path_.empty() || !EmptyFile(path_)) {
        Unsaved(problem);
        return;
    }
    cutLast_ = false;
}

void KeptHistory::Unsaved(std::string* problem) {
    const DWORD error = path_.empty() ? ERROR_ENVVAR_NOT_FOUND : GetLastError();
    if (reported_) {
        return;
    }
    reported_ = true;
    *problem = std::string(TranslationText(TextId::HistoryUnsaved)) + " " + SystemErrorText(error);
}
