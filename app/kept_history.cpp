#include "app/kept_history.h"

#include "support/shared_file.h"

namespace {

// The newest records of the history lie in the file's last part; anything older than that
// is not read (a file of one long line of junk costs no more to start with).
constexpr HistoryLimits kLimits{KeptHistory::kShown, KeptHistory::kTrimAbove, 16u << 20};

// Every write of every Abacon of the user waits for this lock. Another holds it for one
// flushed append or one trim, which a busy disk can stretch to seconds; far longer, it
// hangs, and the records wait for the next try.
constexpr char kLockName[] = "Local\\Merrow.Abacon.History";
constexpr DWORD kLockWaitMs = 30000;

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

void KeptHistory::SetEnabled(bool enabled) {
    enabled_ = enabled;
    if (!enabled) {
        // Turned on again later, the history shown stays as it is.
        read_ = true;
        waiting_.clear();
        clearing_ = false;
    }
}

void KeptHistory::ReadEarlier() {
    if (!read_) {
        Try();
    }
}

bool KeptHistory::TakeEarlier(std::vector<KeptCalculation>* calculations) {
    if (!earlierReady_) {
        return false;
    }
    earlierReady_ = false;
    *calculations = std::move(earlier_);
    earlier_.clear();
    return true;
}

void KeptHistory::Append(const KeptCalculation& calculation) {
    if (enabled_) {
        waiting_.push_back(calculation);
        Try();
    }
}

void KeptHistory::Clear() {
    if (enabled_) {
        waiting_.clear();
        earlier_.clear();
        earlierReady_ = false;
        read_ = true;
        clearing_ = true;
        Try();
    }
}

bool KeptHistory::WriteWaiting() {
    if (Waits()) {
        Try();
    }
    return !Waits();
}

void KeptHistory::Try() {
    if (!enabled_) {
        return;
    }
    const Failure step = read_ ? Failure::Writing : Failure::Reading;
    if (path_.empty()) {
        Fail(step);
        return;
    }
    // Read under the lock too, so that a trim keeps every record another window appends.
    SharedLock lock(kLockName);
    if (!lock.Take(kLockWaitMs)) {
        Fail(step);
        return;
    }
    if (!read_ && !ReadLocked()) {
        Fail(Failure::Reading);
        return;
    }
    if (!CreateFolders(folder_) || (clearing_ && !EmptyFile(path_))) {
        Fail(Failure::Writing);
        return;
    }
    clearing_ = false;
    if (!AppendWaitingLocked()) {
        Fail(Failure::Writing);
        return;
    }
    problem_ = Problem();
}

bool KeptHistory::ReadLocked() {
    std::string tail;
    unsigned long long size = 0;
    if (!ReadFileTail(path_, kLimits.readBytes, &tail, &size)) {
        return false;
    }
    NewestCalculations newest =
        ReadNewestCalculations(tail, tail.size() == size, kLimits.shown, kLimits.trimAbove + 1);
    if (TrimsHistory(newest, size, kLimits) && CreateFolders(folder_) && AppendToFile(path_, "")) {
        ReplaceFileContent(path_, newest.records); // else a later start trims it
    }
    earlier_ = std::move(newest.calculations);
    earlierReady_ = true;
    read_ = true;
    return true;
}

// With nothing waiting, only whether the file can be appended to.
bool KeptHistory::AppendWaitingLocked() {
    std::string last;
    unsigned long long size = 0;
    if (!ReadFileTail(path_, 1, &last, &size)) {
        return false;
    }
    std::string records;
    for (const KeptCalculation& calculation : waiting_) {
        records += records.empty() ? AppendedRecord(last, calculation) : HistoryRecord(calculation);
    }
    if (!AppendToFile(path_, records)) {
        return false;
    }
    waiting_.clear();
    return true;
}

void KeptHistory::Fail(Failure failure) {
    problem_ = {failure,
                path_.empty() ? static_cast<DWORD>(ERROR_ENVVAR_NOT_FOUND) : GetLastError()};
}
