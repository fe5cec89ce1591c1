// The calculations kept between starts, in History.txt of %APPDATA%\Merrow\Abacon: read at
// start, one record appended and flushed per calculation, trimmed when it grows long. Any
// number of Abacon windows may use the file at once: each write waits for the others'. What
// cannot be read is left out. While the file cannot be read or written (another program
// holds it), the records wait here and the file is tried again at every calculation and at
// Quit; the waiting records are then written in order, once each. What failed, with the
// system's error code, is there for the window to say.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>
#include <vector>

#include "support/history_records.h"

class KeptHistory {
  public:
    static constexpr std::size_t kShown = 1000;     // calculations restored at start
    static constexpr std::size_t kTrimAbove = 2000; // more at start, and the file keeps kShown

    // What the last try of the file could not do.
    enum class Failure { None, Reading, Writing };
    struct Problem {
        Failure failure = Failure::None;
        DWORD error = 0; // the system's error code
    };

    KeptHistory();

    // Off, nothing is read or written, the file stays as it is and nothing waits for it;
    // the earlier calculations are not read when it is turned on again.
    void SetEnabled(bool enabled);

    // Reads the earlier calculations unless they have been read; TakeEarlier gives them.
    // At start this also tells whether the file can be written.
    void ReadEarlier();
    // The newest calculations of earlier starts, oldest first, once they have been read; the
    // file is trimmed when it holds too many. False when there are none to take now.
    bool TakeEarlier(std::vector<KeptCalculation>* calculations);
    // The calculation's record waits with the others for the file, then all are written.
    void Append(const KeptCalculation& calculation);
    // Empties the file; the waiting records and the earlier calculations not yet read are
    // forgotten.
    void Clear();
    // Tries to write what waits; true when nothing waits any more.
    bool WriteWaiting();

    const Problem& Current() const { return problem_; }

  private:
    // One try of the file, under the lock: read it if not yet, empty it if asked, and
    // append the waiting records in one write.
    void Try();
    bool ReadLocked();
    bool AppendWaitingLocked();
    void Fail(Failure failure);
    bool Waits() const { return !waiting_.empty() || clearing_; }

    std::string folder_; // empty when there is no APPDATA folder
    std::string path_;
    bool enabled_ = true;
    bool read_ = false;     // the earlier calculations are read, or no longer wanted
    bool clearing_ = false; // the file is to be emptied before the waiting records
    std::vector<KeptCalculation> earlier_;
    bool earlierReady_ = false;
    std::vector<KeptCalculation> waiting_;
    Problem problem_;
};
