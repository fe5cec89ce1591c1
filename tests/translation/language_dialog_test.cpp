#include "translation/language_dialog.h"

#include <cstdlib>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/test_windows.h"

namespace {

// The names as the catalogue holds them: a GrowArray of char*, in file order.
class Names {
  public:
    explicit Names(std::vector<std::string> names) : texts_(std::move(names)) {
        GrowArrayInit(&array_, 1, std::realloc, std::free);
        for (std::string& text : texts_) {
            char* name = &text[0];
            GrowArrayInsert(&name, &array_, sizeof name, array_.count);
        }
    }
    ~Names() { GrowArrayFree(&array_); }
    Names(const Names&) = delete;
    Names& operator=(const Names&) = delete;

    const GrowArray& Array() const { return array_; }

  private:
    std::vector<std::string> texts_;
    GrowArray array_{};
};

// What the dialog showed when it came up.
struct Shown {
    std::vector<std::string> items; // in list order
    std::vector<LRESULT> data;      // item data per list position
    std::string selected;           // "" when nothing is selected
    bool focusOnOk = false;
    std::string caption = "?";
};

Shown ReadDialog(HWND dialog) {
    Shown shown;
    HWND list = GetDlgItem(dialog, kLanguageListId);
    LRESULT count = SendMessageA(list, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        char text[64] = {};
        SendMessageA(list, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
        shown.items.push_back(text);
        shown.data.push_back(SendMessageA(list, CB_GETITEMDATA, static_cast<WPARAM>(i), 0));
    }
    LRESULT selection = SendMessageA(list, CB_GETCURSEL, 0, 0);
    if (selection != CB_ERR) {
        shown.selected = shown.items[static_cast<size_t>(selection)];
    }
    shown.focusOnOk = GetFocus() == GetDlgItem(dialog, IDOK);
    shown.caption = TextOf(dialog);
    return shown;
}

// Every way of cancelling a dialog: Escape, the Cancel command and the close box.
void TryToCancel(HWND dialog) {
    HWND focus = GetFocus();
    PostMessageA(focus != nullptr ? focus : dialog, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
    PostMessageA(focus != nullptr ? focus : dialog, WM_KEYUP, VK_ESCAPE, 0xC0010001);
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    PostMessageA(dialog, WM_CLOSE, 0, 0);
}

void ClickOk(HWND dialog) {
    PostMessageA(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
}

// Drives the dialog in stages, one per timer tick, and ends it by force on a time-out.
class LanguageDialogTest : public ::testing::Test {
  protected:
    void TearDown() override { DrainMessages(); }

    // Runs ChooseLanguage while stage(dialog, n) is called with n = 0, 1, ... on later ticks
    // once the dialog exists; the stage returns true when it expects the dialog to end.
    bool Run(const Names& names, int32_t* index, std::function<bool(HWND, int)> stage) {
        int next = 0;
        HWND seen = nullptr;
        ModalDriver driver(
            [&] {
                HWND dialog = FindThreadDialog();
                if (dialog == nullptr) {
                    return false;
                }
                seen = dialog;
                return stage(dialog, next++);
            },
            [&] {
                if (HWND dialog = FindThreadDialog()) {
                    EndDialog(dialog, 0);
                }
            });
        bool chosen = ChooseLanguage(index, names.Array(), nullptr);
        EXPECT_FALSE(driver.TimedOut());
        EXPECT_NE(seen, nullptr);
        return chosen;
    }
};

TEST_F(LanguageDialogTest, EnglishPreselectedInSortedListAndOkGivesFileIndex) {
    // A name of blanks only is not listed, but keeps the file index of the next.
    Names names({"Nederlands", " ", "English", "Deutsch"});
    Shown shown;
    bool stillOpenAfterCancel = false;
    int32_t index = -1;
    bool chosen = Run(names, &index, [&](HWND dialog, int n) {
        if (n == 0) {
            shown = ReadDialog(dialog);
            TryToCancel(dialog);
            return false;
        }
        if (n < 5) {
            return false; // let the cancel attempts arrive
        }
        stillOpenAfterCancel = IsWindow(dialog) && IsWindowVisible(dialog);
        ClickOk(dialog);
        return true;
    });
    EXPECT_TRUE(chosen);
    EXPECT_TRUE(stillOpenAfterCancel);
    EXPECT_EQ(index, 2);
    EXPECT_EQ(shown.items, (std::vector<std::string>{"Deutsch", "English", "Nederlands"}));
    EXPECT_EQ(shown.data, (std::vector<LRESULT>{3, 2, 0}));
    EXPECT_EQ(shown.selected, "English");
    EXPECT_TRUE(shown.focusOnOk);
    EXPECT_EQ(shown.caption, "Abacon");
}

TEST_F(LanguageDialogTest, PreselectionIsByPrefixWithoutRegardToCase) {
    struct Case {
        std::vector<std::string> names;
        const char* selected;
        int32_t index;
    } cases[] = {
        {{"Zulu", "English (US)", "Afrikaans", "English (UK)"}, "English (UK)", 3},
        {{"Deutsch", "ENGLISH"}, "ENGLISH", 1},
        {{"english"}, "english", 0},
    };
    for (const Case& c : cases) {
        Names names(c.names);
        std::string selected;
        int32_t index = -1;
        bool chosen = Run(names, &index, [&](HWND dialog, int) {
            selected = ReadDialog(dialog).selected;
            ClickOk(dialog);
            return true;
        });
        EXPECT_TRUE(chosen) << c.selected;
        EXPECT_EQ(selected, c.selected);
        EXPECT_EQ(index, c.index) << c.selected;
    }
}

TEST_F(LanguageDialogTest, WithoutSelectionOkWaitsForAChoice) {
    Names names({"Nederlands", "Deutsch", "Esperanto"});
    Shown shown;
    bool openAfterOk = false;
    int32_t index = -1;
    bool chosen = Run(names, &index, [&](HWND dialog, int n) {
        if (n == 0) {
            shown = ReadDialog(dialog);
            ClickOk(dialog);
            return false;
        }
        if (n < 5) {
            return false;
        }
        openAfterOk = IsWindowVisible(dialog) != FALSE;
        // "Nederlands" is last in sorted order.
        SendDlgItemMessageA(dialog, kLanguageListId, CB_SETCURSEL, 2, 0);
        ClickOk(dialog);
        return true;
    });
    EXPECT_TRUE(chosen);
    EXPECT_EQ(shown.selected, "");
    EXPECT_EQ(shown.items, (std::vector<std::string>{"Deutsch", "Esperanto", "Nederlands"}));
    EXPECT_TRUE(openAfterOk);
    EXPECT_EQ(index, 0);
}

TEST_F(LanguageDialogTest, TemplateSizesAndStyles) {
    Names names({"English"});
    RECT client{};
    RECT ok{};
    RECT expectedClient{0, 0, 123, 66};
    RECT expectedOk{34, 44, 50, 14}; // x, y, width, height: each converted on its own
    LONG dialogStyle = 0;
    LONG okStyle = 0;
    LONG listStyle = 0;
    std::string okText;
    LRESULT count = 0;
    int32_t index = -1;
    bool chosen = Run(names, &index, [&](HWND dialog, int) {
        GetClientRect(dialog, &client);
        HWND button = GetDlgItem(dialog, IDOK);
        ok = WindowRectOf(button);
        MapDialogRect(dialog, &expectedClient);
        MapDialogRect(dialog, &expectedOk);
        dialogStyle = GetWindowLongA(dialog, GWL_STYLE);
        okStyle = GetWindowLongA(button, GWL_STYLE);
        listStyle = GetWindowLongA(GetDlgItem(dialog, kLanguageListId), GWL_STYLE);
        okText = TextOf(button);
        count = SendDlgItemMessageA(dialog, kLanguageListId, CB_GETCOUNT, 0, 0);
        ClickOk(dialog);
        return true;
    });
    EXPECT_TRUE(chosen);
    EXPECT_EQ(index, 0);
    EXPECT_EQ(count, 1);
    EXPECT_EQ(client.right, expectedClient.right);
    EXPECT_EQ(client.bottom, expectedClient.bottom);
    EXPECT_EQ(ok.left, expectedOk.left);
    EXPECT_EQ(ok.top, expectedOk.top);
    EXPECT_EQ(ok.right - ok.left, expectedOk.right);
    EXPECT_EQ(ok.bottom - ok.top, expectedOk.bottom);
    const LONG framed = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    EXPECT_EQ(dialogStyle & framed, framed);
    EXPECT_EQ(okText, "OK");
    EXPECT_EQ(okStyle & (WS_TABSTOP | BS_DEFPUSHBUTTON), WS_TABSTOP | BS_DEFPUSHBUTTON);
    // The combo box hands its scroll bar to the list it drops down; only its own names can
    // be chosen.
    const LONG list = WS_TABSTOP | CBS_SORT | CBS_DROPDOWNLIST;
    EXPECT_EQ(listStyle & (list | CBS_DROPDOWNLIST), list);
}

TEST_F(LanguageDialogTest, ChooserRunsTheDialogForItsOwner) {
    HWND owner = MakeWindow(WS_VISIBLE, 100, 100, 300, 200, nullptr);
    ASSERT_NE(owner, nullptr);
    Names names({"Svenska", "English"});
    HWND ownerSeen = nullptr;
    int32_t index = -1;
    DialogLanguageChooser chooser(owner);
    ModalDriver driver(
        [&] {
            HWND dialog = FindThreadDialog();
            if (dialog == nullptr) {
                return false;
            }
            ownerSeen = GetWindow(dialog, GW_OWNER);
            ClickOk(dialog);
            return true;
        },
        [] {
            if (HWND dialog = FindThreadDialog()) {
                EndDialog(dialog, 0);
            }
        });
    EXPECT_TRUE(chooser.Choose(names.Array(), &index));
    EXPECT_FALSE(driver.TimedOut());
    EXPECT_EQ(ownerSeen, owner);
    EXPECT_EQ(index, 1);
    DestroyWindow(owner);
}

TEST_F(LanguageDialogTest, FailsWhenTheDialogCannotBeShown) {
    Names none({});
    int32_t index = -1;
    EXPECT_FALSE(ChooseLanguage(&index, none.Array(), nullptr));
    EXPECT_EQ(index, -1);

    // An owner that is no window: the dialog cannot be created.
    HWND gone = MakeWindow(0, 0, 0, 10, 10, nullptr);
    DestroyWindow(gone);
    Names names({"English"});
    bool appeared = false;
    ModalDriver driver(
        [&] {
            if (HWND dialog = FindThreadDialog()) {
                appeared = true;
                EndDialog(dialog, 0);
                return true;
            }
            return false;
        },
        [] {});
    EXPECT_FALSE(ChooseLanguage(&index, names.Array(), gone));
    EXPECT_FALSE(appeared);
    EXPECT_EQ(index, -1);
}

} // namespace
