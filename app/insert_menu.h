// The Insert button's pop-up: number forms, constants, operators and functions in six
// sub-menus; choosing an item types its text at the input box's caret, around the selection
// when it has a closing part (a function's parenthesis, a character's quote). The functions come
// from the function table, each in the sub-menu of its group; the list in insert_menu.cpp
// holds the rest.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct InsertItem {
    bool separator;
    std::string label;    // as shown
    std::string inserted; // typed at the caret
    std::string closing;  // typed after the selection, the caret left before it; may be empty
};

struct InsertSubMenu {
    std::string label;
    std::vector<InsertItem> items;
};

// The sub-menus in order, with the labels of the loaded language.
std::vector<InsertSubMenu> InsertMenuContents();

// The pop-up, built in the loaded language, for the window's lifetime.
class InsertPopup {
  public:
    InsertPopup() = default;
    ~InsertPopup();
    InsertPopup(const InsertPopup&) = delete;
    InsertPopup& operator=(const InsertPopup&) = delete;

    // Builds the menu, or builds it again in the language now loaded.
    void Build();
    // Shows the menu with its top left corner at screen, owned by owner; the chosen item,
    // or null when the menu was dismissed.
    const InsertItem* Choose(HWND owner, POINT screen) const;

  private:
    HMENU menu_ = nullptr;
    std::vector<InsertItem> items_; // of command k + 1
};
