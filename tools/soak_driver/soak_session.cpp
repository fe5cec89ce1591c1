#include "tools/soak_driver/soak_session.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <sstream>
#include <utility>

#include "app/insert_menu.h"
#include "app/resource.h"
#include "app/settings.h"
#include "engine/decimal_marks.h"
#include "tools/drive/remote_window.h"

namespace {

constexpr DWORD kStartTimeoutMs = 30000;
constexpr DWORD kStepTimeoutMs = 30000;
// A window that does not answer for this long hangs.
constexpr DWORD kAnswerTimeoutMs = 2000;
constexpr std::size_t kLongestChain = 8;
constexpr std::size_t kLongestPaste = 12000;
constexpr const char* kSettingsKey = "Software\\Merrow\\Abacon";
constexpr const char* kSentinel = "(the soak's clipboard)";
// The kept file's limits: restored at start, and trimmed to that many above the other.
constexpr std::size_t kRestored = 1000;
constexpr std::size_t kTrimAbove = 2000;

bool IsMainDialog(HWND window) {
    return IsDialogWith(window, IDC_INPUT);
}

bool IsAboutDialog(HWND window) {
    return IsDialogWith(window, IDC_LINK);
}

// A value of the settings, -1 when it is missing or not a DWORD.
long SettingDword(const char* name) {
    DWORD value = 0;
    DWORD size = sizeof value;
    DWORD type = REG_NONE;
    if (RegGetValueA(HKEY_CURRENT_USER, kSettingsKey, name, RRF_RT_ANY, &type, &value, &size) !=
            ERROR_SUCCESS ||
        type != REG_DWORD) {
        return -1;
    }
    return static_cast<long>(value);
}

// Long texts are shown by their start and length.
std::string Shown(const std::string& text) {
    if (text.size() <= 80) {
        return "\"" + text + "\"";
    }
    return "\"" + text.substr(0, 60) + "...\" (" + std::to_string(text.size()) + " characters)";
}

std::string LinesOf(const std::string& expression, const std::string& output, bool succeeded) {
    return ShownText(succeeded ? expression + "=" + output + "\r\n"
                               : expression + "=\r\n" + output + "\r\n");
}

// What the items of each of the Insert menu's pop-ups type, before and after the selection;
// the arrow keys pass over the separators.
std::vector<std::vector<std::pair<std::string, std::string>>> InsertedTexts() {
    std::vector<std::vector<std::pair<std::string, std::string>>> texts;
    for (const InsertSubMenu& popup : InsertMenuContents()) {
        texts.emplace_back();
        for (const InsertItem& item : popup.items) {
            if (!item.separator) {
                texts.back().emplace_back(item.inserted, item.closing);
            }
        }
    }
    return texts;
}

} // namespace

SoakSession::SoakSession(unsigned seed, std::string program, std::string eval, std::string appData)
    : random_(seed), oracle_(std::move(eval)), generator_(&random_, oracle_.Functions()),
      program_(std::move(program)), appData_(std::move(appData)), insertItems_(InsertedTexts()) {
    // The program runs for the same user: its regional decimal separator is this one.
    char mark[8] = {};
    regionalComma_ = GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, mark, sizeof mark) > 0 &&
                     std::string(mark) == ",";
    options_.decimalComma = regionalComma_;
}

void SoakSession::AddRecalled(const std::string& expression, bool decimalComma) {
    if (recall_.empty() || recall_.back().expression != expression ||
        recall_.back().decimalComma != decimalComma) {
        recall_.push_back({expression, decimalComma});
    }
}

std::string SoakSession::RecalledAt(std::size_t k) const {
    return ExpressionWithMark(recall_[k].expression, recall_[k].decimalComma,
                              options_.decimalComma);
}

bool SoakSession::Fail(const std::string& what) {
    problem_ = what;
    return false;
}

void SoakSession::Log(const std::string& action) {
    actions_.push_back(action);
}

HWND SoakSession::Input() const {
    return GetDlgItem(main_, IDC_INPUT);
}

HWND SoakSession::History() const {
    return GetDlgItem(main_, IDC_HISTORY);
}

bool SoakSession::CanAnswer(const std::string& text) const {
    return !UsesAnswer(text) || (answer_.fromZero && answer_.chain.empty()) ||
           answer_.options == options_;
}

bool SoakSession::Answers() {
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(main_, WM_NULL, 0, 0, SMTO_NORMAL, kAnswerTimeoutMs, &result) != 0;
}

bool SoakSession::Start() {
    SetEnvironmentVariableA("APPDATA", appData_.c_str());
    const std::string directory = program_.substr(0, program_.find_last_of('\\'));
    if (!process_.Start(program_, directory)) {
        return Fail("the program cannot be started");
    }
    main_ = WaitForWindow(process_.Id(), kStartTimeoutMs, IsMainDialog);
    if (main_ == nullptr) {
        return Fail("the main window does not appear");
    }
    HWND splash = WaitForWindow(process_.Id(), kStepTimeoutMs, IsAboutDialog);
    if (splash == nullptr || !WaitUntil(kStepTimeoutMs, [&] { return !IsWindow(splash); })) {
        return Fail("the splash does not come and go");
    }
    input_.clear();
    selFirst_ = selLast_ = 0;
    recall_.clear();
    history_.clear();
    results_.clear();
    answer_ = Origin{};
    if (keepHistory_) {
        if (kept_.size() > kTrimAbove) {
            kept_.erase(kept_.begin(), kept_.end() - kRestored);
        }
        const std::size_t from = kept_.size() > kRestored ? kept_.size() - kRestored : 0;
        for (std::size_t k = from; k < kept_.size(); ++k) {
            const KeptCalculation& c = kept_[k].calculation;
            AddHistoryLines(c.expression, c.output, c.succeeded);
            AddRecalled(c.expression, c.decimalComma);
            if (c.succeeded) {
                answer_ = kept_[k].origin;
            }
        }
    }
    shown_ = recall_.size();
    const bool onTop = (GetWindowLongA(main_, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    if (onTop != topmost_) {
        return Fail("the window is not on top as the option says");
    }
    return SyncAndCheck();
}

bool SoakSession::SyncAndCheck() {
    return Sync() && Check();
}

bool SoakSession::Sync() {
    // A flag of the group box, which nothing else touches, flipped by a posted message: once
    // it flips, the program has handled every message posted before.
    HWND box = GetDlgItem(main_, IDC_ANGLE_BASE);
    const bool pushed = (SendTimed(box, BM_GETSTATE, 0, 0) & BST_PUSHED) != 0;
    PostMessageA(box, BM_SETSTATE, !pushed, 0);
    // Slow is not stuck: each character typed into a line of tens of thousands takes Wine's
    // edit control most of a second, so the time runs from the input's last change.
    DWORD start = GetTickCount();
    LRESULT inputLength = SendTimed(Input(), WM_GETTEXTLENGTH, 0, 0);
    for (;;) {
        if (!process_.Running()) {
            return Fail("the program ended");
        }
        if (!Answers()) {
            return Fail("the window did not answer within 2 s");
        }
        if (((SendTimed(box, BM_GETSTATE, 0, 0) & BST_PUSHED) != 0) != pushed) {
            break;
        }
        if (const LRESULT length = SendTimed(Input(), WM_GETTEXTLENGTH, 0, 0);
            length != inputLength) {
            inputLength = length;
            start = GetTickCount();
        } else if (GetTickCount() - start > kStepTimeoutMs) {
            return Fail("the program did not get through the messages posted to it");
        }
        Sleep(20);
    }
    return true;
}

bool SoakSession::Check() {
    const std::string input = TextOf(Input());
    if (input != input_) {
        return Fail("the input shows " + Shown(input) + ", expected " + Shown(input_));
    }
    DWORD first = 0;
    DWORD last = 0;
    SendTimed(Input(), EM_GETSEL, reinterpret_cast<WPARAM>(&first),
              reinterpret_cast<LPARAM>(&last));
    if (first != selFirst_ || last != selLast_) {
        return Fail("the input's selection is " + std::to_string(first) + "-" +
                    std::to_string(last) + ", expected " + std::to_string(selFirst_) + "-" +
                    std::to_string(selLast_));
    }
    const std::string history = TextOf(History());
    if (history != history_) {
        std::size_t at = 0;
        while (at < history.size() && at < history_.size() && history[at] == history_[at]) {
            ++at;
        }
        return Fail("the history differs from character " + std::to_string(at) + ": shows " +
                    Shown(history.substr(at)) + ", expected " + Shown(history_.substr(at)));
    }
    if (IsChecked(GetDlgItem(main_, IDC_FLOATING)) != options_.floating ||
        IsChecked(GetDlgItem(main_, IDC_RADIANS)) != options_.radians ||
        IsChecked(GetDlgItem(main_, IDC_DEGREES)) == options_.radians) {
        return Fail("the options are not shown as set");
    }
    return true;
}

void SoakSession::AddHistoryLines(const std::string& expression, const std::string& output,
                                  bool succeeded) {
    if (succeeded) {
        results_.push_back(
            {history_.size(), history_.size() + expression.size() + 1 + output.size(), output});
    }
    history_ += LinesOf(expression, output, succeeded);
}

void SoakSession::ReplaceSelection(const std::string& text) {
    input_.replace(selFirst_, selLast_ - selFirst_, text);
    selFirst_ = selLast_ = selFirst_ + static_cast<DWORD>(text.size());
}

// With the decimal comma, half the expressions are written with it, the others with the point.
std::string SoakSession::InMarkOfTheUser(const std::string& text) {
    return options_.decimalComma && Below(2) == 0 ? ExpressionWithMark(text, false, true) : text;
}

void SoakSession::WrapSelection(const std::string& before, const std::string& after) {
    const std::string selected = input_.substr(selFirst_, selLast_ - selFirst_);
    ReplaceSelection(before + selected + after);
    if (selected.empty()) {
        selFirst_ = selLast_ = selLast_ - static_cast<DWORD>(after.size());
    }
}

// Typed while another control has the focus, the characters go into the input all the same,
// none taken for a mnemonic (a space only from the history: on a button it presses it).
bool SoakSession::TypeOnAControl() {
    const int controls[] = {IDC_HISTORY, IDC_FLOATING, IDC_RADIANS, IDC_DEGREES,
                            IDC_INSERT,  IDOK,         IDC_QUIT,    IDC_ABOUT};
    const int control = controls[Below(static_cast<int>(std::size(controls)))];
    std::string text =
        InMarkOfTheUser(generator_.Short(CanAnswer("ans") && answer_.chain.size() < kLongestChain));
    if (control != IDC_HISTORY) {
        text.erase(std::remove(text.begin(), text.end(), ' '), text.end());
    }
    Log("type " + Shown(text) + " on control " + std::to_string(control));
    HWND target = GetDlgItem(main_, control);
    for (char c : text) {
        PostChar(target, c);
    }
    ReplaceSelection(text);
    return SyncAndCheck();
}

bool SoakSession::TypeShort() {
    const bool useAnswer = CanAnswer("ans") && answer_.chain.size() < kLongestChain;
    const std::string text = InMarkOfTheUser(generator_.Short(useAnswer));
    Log("type " + Shown(text));
    // To one box, which may be replaced while they come: it hands them on.
    HWND input = Input();
    for (char c : text) {
        PostChar(input, c);
    }
    ReplaceSelection(text);
    return SyncAndCheck();
}

bool SoakSession::Paste() {
    std::string text;
    switch (Below(4)) {
    case 0:
        text = generator_.Long(static_cast<std::size_t>(Below(kLongestPaste)) + 100);
        break;
    case 1:
        text = generator_.Noise(static_cast<std::size_t>(Below(40)) + 1);
        break;
    default:
        text = InMarkOfTheUser(
            generator_.Short(CanAnswer("ans") && answer_.chain.size() < kLongestChain));
    }
    Log("paste " + Shown(text));
    if (!SetClipboardText(text)) {
        return Fail("cannot put the text on the clipboard");
    }
    PostChar(Input(), '\x16');
    ReplaceSelection(text);
    return SyncAndCheck();
}

bool SoakSession::Calculate() {
    const std::string typed = input_;
    const bool button = Below(2) == 0;
    Log(button ? "press Calculate" : "press Enter");
    if (typed.empty()) {
        PostKey(Input(), VK_RETURN);
        return SyncAfterEnter();
    }
    const bool dependent = UsesAnswer(typed);
    std::vector<std::string> lines;
    if (dependent) {
        lines = answer_.chain;
    }
    lines.push_back(typed);
    const bool fromZero = dependent && answer_.fromZero;
    std::string answer;
    if (!oracle_.Answer(lines, options_, fromZero, &answer)) {
        return Fail("abacon-eval does not answer");
    }
    const bool succeeded = answer.rfind("ok\t", 0) == 0;
    const std::string output = answer.substr(answer.find('\t') + 1);
    if (button) {
        Click(GetDlgItem(main_, IDOK));
    } else {
        PostKey(Input(), VK_RETURN);
    }
    AddRecalled(typed, options_.decimalComma);
    shown_ = recall_.size();
    typedBeforeRecall_.clear();
    const std::string calculated = Completed(typed);
    AddHistoryLines(calculated, output, succeeded);
    if (succeeded) {
        answer_ = Origin{fromZero, options_, lines};
    }
    if (keepHistory_) {
        kept_.push_back(
            {{calculated, output, succeeded, succeeded ? "value" : "", "", options_.decimalComma},
             answer_});
    }
    input_.clear();
    selFirst_ = selLast_ = 0;
    ++calculations_;
    return button ? SyncAndCheck() : SyncAfterEnter();
}

bool SoakSession::SyncAfterEnter() {
    // The input box hands Enter on to the default button by posting it again, behind the
    // messages that were queued: one more round gets through it.
    return Sync() && SyncAndCheck();
}

bool SoakSession::Escape() {
    Log("press Esc");
    PostKey(Input(), VK_ESCAPE);
    shown_ = recall_.size();
    typedBeforeRecall_.clear();
    input_.clear();
    selFirst_ = selLast_ = 0;
    return SyncAndCheck();
}

bool SoakSession::Recall(bool older) {
    Log(older ? "press Up" : "press Down");
    HWND input = Input();
    const LRESULT line = SendTimed(input, EM_LINEFROMCHAR, static_cast<WPARAM>(-1), 0);
    const LRESULT lastLine = SendTimed(input, EM_GETLINECOUNT, 0, 0) - 1;
    bool recalled = false;
    if (older && line == 0 && !recall_.empty() && (shown_ == recall_.size() || shown_ > 0)) {
        if (shown_ == recall_.size()) {
            typedBeforeRecall_ = input_;
        }
        input_ = RecalledAt(--shown_);
        recalled = true;
    } else if (!older && line == lastLine && shown_ < recall_.size()) {
        ++shown_;
        input_ = shown_ < recall_.size() ? RecalledAt(shown_) : typedBeforeRecall_;
        if (shown_ == recall_.size()) {
            typedBeforeRecall_.clear();
        }
        recalled = true;
    }
    PostKey(input, older ? VK_UP : VK_DOWN);
    if (recalled) {
        selFirst_ = selLast_ = static_cast<DWORD>(input_.size());
    } else {
        // The edit box moves the caret by its lines, as it lays them out.
        if (!Sync()) {
            return false;
        }
        SendTimed(Input(), EM_GETSEL, reinterpret_cast<WPARAM>(&selFirst_),
                  reinterpret_cast<LPARAM>(&selLast_));
    }
    return SyncAndCheck();
}

bool SoakSession::SelectAll() {
    Log("press Ctrl+A");
    PostChar(Input(), '\x01');
    selFirst_ = 0;
    selLast_ = static_cast<DWORD>(input_.size());
    return SyncAndCheck();
}

bool SoakSession::CopyInInput() {
    Log("press Ctrl+C");
    if (!SetClipboardText(kSentinel)) {
        return Fail("cannot put the text on the clipboard");
    }
    std::string expected = kSentinel;
    if (selFirst_ != selLast_) {
        expected = input_.substr(selFirst_, selLast_ - selFirst_);
    } else if (!results_.empty()) {
        expected = ResultWithMark(results_.back().output, options_.decimalComma);
    }
    PostChar(Input(), '\x03');
    if (!SyncAndCheck()) {
        return false;
    }
    std::string copied;
    if (!WaitUntil(5000, [&] { return (copied = ClipboardText()) == expected; })) {
        return Fail("the clipboard holds " + Shown(copied) + ", expected " + Shown(expected));
    }
    return true;
}

bool SoakSession::ToggleOption(int control) {
    if (control == IDC_FLOATING) {
        Log("click Use floating point");
        options_.floating = !options_.floating;
    } else {
        Log(control == IDC_RADIANS ? "click Radians" : "click Degrees");
        options_.radians = control == IDC_RADIANS;
    }
    Click(GetDlgItem(main_, control));
    return SyncAndCheck();
}

bool SoakSession::WindowMenuOption(SettingId id) {
    const bool topmost = id == SettingId::Topmost;
    Log(topmost ? "window menu: Always on top" : "window menu: Keep history between starts");
    PostMessageA(main_, WM_SYSCOMMAND, MenuCommandOf(id), 0);
    bool& option = topmost ? topmost_ : keepHistory_;
    option = !option;
    (topmost ? topmostSaved_ : keepSaved_) = true;
    if (!SyncAndCheck()) {
        return false;
    }
    if (SettingDword(RowOf(id).name) != (option ? 1 : 0)) {
        return Fail("the option is not saved at once");
    }
    if (topmost && ((GetWindowLongA(main_, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0) != topmost_) {
        return Fail("the window is not on top as the option says");
    }
    return true;
}

// One of the decimal separators of the window menu's number format, chosen by its command:
// the comma half the time, so that the soak spends about as long with it as with the point.
bool SoakSession::DecimalSeparatorOption() {
    static const char* const kNames[] = {"From Windows", "point", "comma"};
    separator_ = static_cast<DecimalSeparator>(std::min(Below(4), 2));
    separatorSaved_ = true;
    const auto value = static_cast<DWORD>(separator_);
    Log(std::string("window menu: decimal separator ") + kNames[value]);
    PostMessageA(main_, WM_SYSCOMMAND, MenuCommandOf(SettingId::DecimalSeparator, value), 0);
    options_.decimalComma = separator_ == DecimalSeparator::Comma ||
                            (separator_ == DecimalSeparator::FromWindows && regionalComma_);
    if (!SyncAndCheck()) {
        return false;
    }
    if (SettingDword(RowOf(SettingId::DecimalSeparator).name) != static_cast<long>(value)) {
        return Fail("the decimal separator is not saved at once");
    }
    return true;
}

bool SoakSession::About() {
    Log("About, then OK");
    Click(GetDlgItem(main_, IDC_ABOUT));
    HWND about = WaitForWindow(process_.Id(), kStepTimeoutMs, IsAboutDialog);
    if (about == nullptr) {
        return Fail("the About dialog does not open");
    }
    if (!Answers()) {
        return Fail("the window did not answer within 2 s");
    }
    Click(GetDlgItem(about, IDOK));
    if (!WaitUntil(kStepTimeoutMs, [&] { return !IsWindow(about); })) {
        return Fail("the About dialog does not close");
    }
    return SyncAndCheck();
}

// A right click on a character inside a line of the history, with a selection ending there,
// and one of the menu's items that are not greyed.
bool SoakSession::HistoryMenu() {
    if (history_.empty()) {
        return TypeShort();
    }
    std::size_t at = static_cast<std::size_t>(Below(static_cast<int>(history_.size())));
    while (history_[at] == '\r' || history_[at] == '\n') {
        --at;
    }
    const std::size_t from = at - std::min<std::size_t>(at, static_cast<std::size_t>(Below(3) * 9));
    const ResultLine* result = nullptr;
    for (const ResultLine& line : results_) {
        if (line.first <= at && at < line.end) {
            result = &line;
        }
    }
    std::string letters = "ah";
    letters += from != at ? "c" : "";
    letters += result != nullptr ? "ri" : "";
    const char letter = letters[static_cast<std::size_t>(Below(static_cast<int>(letters.size())))];
    Log("history menu at character " + std::to_string(at) + " (selected from " +
        std::to_string(from) + "), item " + letter);
    HWND history = History();
    SendTimed(history, EM_SETSEL, from, at);
    SendTimed(history, EM_SCROLLCARET, 0, 0);
    const LRESULT position = SendTimed(history, EM_POSFROMCHAR, at, 0);
    PostRightClick(history, {LOWORD(position) + 1, HIWORD(position) + 2});
    HWND menu = WaitForWindow(process_.Id(), kStepTimeoutMs,
                              [](HWND window) { return ClassOf(window) == "#32768"; });
    if (menu == nullptr) {
        return Fail("the history's menu does not open");
    }
    if (!SetClipboardText(kSentinel)) {
        return Fail("cannot put the text on the clipboard");
    }
    PostKey(main_, LOBYTE(VkKeyScanA(letter)));
    if (!WaitUntil(kStepTimeoutMs, [&] { return !IsWindowVisible(menu); })) {
        return Fail("the history's menu does not close");
    }
    std::string copied = kSentinel;
    const std::string reused =
        result != nullptr ? ResultWithMark(result->output, options_.decimalComma) : "";
    switch (letter) {
    case 'c':
        copied = history_.substr(from, at - from);
        break;
    case 'r':
        copied = reused;
        break;
    case 'i':
        ReplaceSelection(reused.find(' ') == std::string::npos ? reused : "(" + reused + ")");
        break;
    case 'h':
        history_.clear();
        results_.clear();
        recall_.clear();
        shown_ = 0;
        typedBeforeRecall_.clear();
        if (keepHistory_) {
            kept_.clear();
        }
        break;
    default:
        break;
    }
    if (!SyncAndCheck()) {
        return false;
    }
    std::string shown;
    if (!WaitUntil(5000, [&] { return (shown = ClipboardText()) == copied; })) {
        return Fail("the clipboard holds " + Shown(shown) + ", expected " + Shown(copied));
    }
    return true;
}

// The Insert button's menu, walked by the arrow keys to one item of one pop-up, taken with
// Enter or left with Esc.
bool SoakSession::InsertMenu() {
    const int group = Below(static_cast<int>(insertItems_.size()));
    const auto& texts = insertItems_[static_cast<std::size_t>(group)];
    const int item = Below(static_cast<int>(texts.size()));
    const bool take = Below(6) != 0;
    Log("Insert menu, pop-up " + std::to_string(group + 1) + ", item " + std::to_string(item + 1) +
        (take ? ", Enter" : ", Esc"));
    Click(GetDlgItem(main_, IDC_INSERT));
    HWND menu = WaitForWindow(process_.Id(), kStepTimeoutMs,
                              [](HWND window) { return ClassOf(window) == "#32768"; });
    if (menu == nullptr) {
        return Fail("the Insert menu does not open");
    }
    for (int k = 0; k <= group; ++k) {
        PostKey(main_, VK_DOWN);
    }
    PostKey(main_, VK_RIGHT);
    for (int k = 0; k < item; ++k) {
        PostKey(main_, VK_DOWN);
    }
    if (take) {
        PostKey(main_, VK_RETURN);
        const auto& [inserted, closing] = texts[static_cast<std::size_t>(item)];
        if (closing.empty()) {
            ReplaceSelection(inserted);
        } else {
            WrapSelection(inserted, closing);
        }
    } else {
        // The first closes the pop-up, the second the menu.
        PostKey(main_, VK_ESCAPE);
        PostKey(main_, VK_ESCAPE);
    }
    if (!WaitUntil(kStepTimeoutMs, [&] { return !IsWindowVisible(menu); })) {
        return Fail("the Insert menu does not close");
    }
    return SyncAndCheck();
}

bool SoakSession::Quit() {
    const bool close = Below(4) == 0;
    Log(close ? "close the window" : "press Quit");
    if (close) {
        PostMessageA(main_, WM_SYSCOMMAND, SC_CLOSE, 0);
    } else {
        Click(GetDlgItem(main_, IDC_QUIT));
    }
    DWORD exitCode = 1;
    if (!process_.WaitForExit(kStepTimeoutMs, &exitCode)) {
        return Fail("the program does not end");
    }
    if (exitCode != 0) {
        return Fail("exit code " + std::to_string(exitCode));
    }
    if (SettingDword("Doubles") != (options_.floating ? 1 : 0) ||
        SettingDword("Radians") != (options_.radians ? 1 : 0)) {
        return Fail("the options are not saved");
    }
    if (SettingDword("Topmost") != (topmostSaved_ ? (topmost_ ? 1 : 0) : -1) ||
        SettingDword("KeepHistory") != (keepSaved_ ? (keepHistory_ ? 1 : 0) : -1) ||
        SettingDword("DecimalSeparator") !=
            (separatorSaved_ ? static_cast<long>(separator_) : -1)) {
        return Fail("the window menu's options are not saved as set");
    }
    std::ifstream file(appData_ + "\\Merrow\\Abacon\\History.txt", std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(file)),
                            std::istreambuf_iterator<char>());
    const NewestCalculations read = ReadNewestCalculations(bytes, true, 1u << 30, 1u << 30);
    if (read.calculations.size() != kept_.size()) {
        return Fail("History.txt holds " + std::to_string(read.calculations.size()) +
                    " calculations, expected " + std::to_string(kept_.size()));
    }
    for (std::size_t k = 0; k < kept_.size(); ++k) {
        const KeptCalculation& ours = kept_[k].calculation;
        const KeptCalculation& theirs = read.calculations[k];
        if (ours.expression != theirs.expression || ours.output != theirs.output ||
            ours.succeeded != theirs.succeeded || ours.value.empty() != theirs.value.empty() ||
            ours.decimalComma != theirs.decimalComma) {
            return Fail("History.txt's calculation " + std::to_string(k + 1) + " is " +
                        Shown(theirs.expression) + " " + Shown(theirs.output) + ", expected " +
                        Shown(ours.expression) + " " + Shown(ours.output));
        }
    }
    return true;
}

bool SoakSession::Step() {
    const int pick = Below(200);
    if (pick < 42) {
        return TypeShort();
    }
    if (pick < 50) {
        return TypeOnAControl();
    }
    if (pick < 95) {
        if (!CanAnswer(input_)) {
            return Escape();
        }
        return Calculate();
    }
    if (pick < 110) {
        return Paste();
    }
    if (pick < 120) {
        return Escape();
    }
    if (pick < 140) {
        return Recall(pick < 132);
    }
    if (pick < 146) {
        return SelectAll();
    }
    if (pick < 154) {
        return CopyInInput();
    }
    if (pick < 168) {
        return HistoryMenu();
    }
    if (pick < 174) {
        return InsertMenu();
    }
    if (pick < 186) {
        const int controls[] = {IDC_FLOATING, IDC_RADIANS, IDC_DEGREES};
        return ToggleOption(controls[Below(3)]);
    }
    if (pick < 193) {
        const int option = Below(4);
        if (option >= 2) {
            return DecimalSeparatorOption();
        }
        return WindowMenuOption(option == 0 ? SettingId::Topmost : SettingId::KeepHistory);
    }
    if (pick < 197) {
        return About();
    }
    return Quit() && (++restarts_, Start());
}
