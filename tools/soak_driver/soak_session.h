// The real program under random actions, beside a model of what it must show: the input,
// the recall, the history, ans and the kept file. Every action is checked at once.
#pragma once

#include <windows.h>

#include <random>
#include <string>
#include <vector>

#include "app/settings.h"
#include "support/history_records.h"
#include "tools/drive/remote_process.h"
#include "tools/soak_driver/eval_oracle.h"
#include "tools/soak_driver/expression_generator.h"

class SoakSession {
  public:
    SoakSession(unsigned seed, std::string program, std::string eval, std::string appData);

    bool Start();
    // One random action and its checks; false with problem() set on a failure.
    bool Step();
    bool Quit();

    const std::string& problem() const { return problem_; }
    const std::vector<std::string>& actions() const { return actions_; }
    int calculations() const { return calculations_; }
    int restarts() const { return restarts_; }

  private:
    // How ans can be made again: the calculations since one that did not use it.
    struct Origin {
        bool fromZero = true;
        EvalOptions options;
        std::vector<std::string> chain;
    };
    struct Kept {
        KeptCalculation calculation;
        Origin origin;
    };

    bool Fail(const std::string& what);
    void Log(const std::string& action);
    int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
    HWND Input() const;
    HWND History() const;
    bool CanAnswer(const std::string& text) const;

    std::string InMarkOfTheUser(const std::string& text);
    bool TypeShort();
    bool TypeOnAControl();
    bool Paste();
    bool Calculate();
    bool Escape();
    bool Recall(bool older);
    bool SelectAll();
    bool CopyInInput();
    bool ToggleOption(int control);
    bool WindowMenuOption(SettingId id);
    bool DecimalSeparatorOption();
    bool About();
    bool HistoryMenu();
    bool InsertMenu();

    void ReplaceSelection(const std::string& text);
    // before and after around the selection, as the Insert menu's functions put them.
    void WrapSelection(const std::string& before, const std::string& after);
    // Waits until the program has handled what was posted to it, answering all the while.
    bool Sync();
    // The window shows what the model says.
    bool Check();
    bool SyncAndCheck();
    bool SyncAfterEnter();
    bool Answers();

    std::mt19937 random_;
    EvalOracle oracle_;
    ExpressionGenerator generator_;
    std::string program_;
    std::string appData_;
    RemoteProcess process_;
    HWND main_ = nullptr;
    // What each item of the Insert menu's pop-ups types, and after the selection.
    std::vector<std::vector<std::pair<std::string, std::string>>> insertItems_;

    // The model.
    std::string input_;
    DWORD selFirst_ = 0;
    DWORD selLast_ = 0;
    // The expressions Up brings back, each with the decimal mark it was typed with.
    struct Recalled {
        std::string expression;
        bool decimalComma;
    };
    std::vector<Recalled> recall_;
    void AddRecalled(const std::string& expression, bool decimalComma);
    std::string RecalledAt(std::size_t k) const;
    std::size_t shown_ = 0;
    std::string typedBeforeRecall_;
    std::string history_;
    // The lines of successful calculations in the history: from first up to end, their line
    // break.
    struct ResultLine {
        std::size_t first;
        std::size_t end;
        std::string output;
    };
    std::vector<ResultLine> results_;
    void AddHistoryLines(const std::string& expression, const std::string& output, bool succeeded);
    Origin answer_;
    std::vector<Kept> kept_;
    EvalOptions options_;
    bool topmost_ = false;
    bool keepHistory_ = true;
    bool topmostSaved_ = false;
    bool keepSaved_ = false;
    // The decimal separator chosen, and whether "From Windows" is the comma.
    DecimalSeparator separator_ = DecimalSeparator::FromWindows;
    bool separatorSaved_ = false;
    bool regionalComma_ = false;

    std::string problem_;
    std::vector<std::string> actions_;
    int calculations_ = 0;
    int restarts_ = 0;
};
