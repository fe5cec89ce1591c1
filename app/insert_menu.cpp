#include "app/insert_menu.h"

#include "base/translation_keys.h"
#include "engine/function_table.h"

namespace {

// One line of the menu's description: a sub-menu's label, an item, a separator, or the
// functions of a group.
struct InsertEntry {
    enum Kind { Popup, Item, Separator, Functions } kind;
    int32_t label;        // the key of the label; kNoKey for the fixed one
    const char* fixed;    // the label without a key
    const char* inserted; // typed by the item
    const char* closing;  // typed after the selection
    FunctionGroup group;  // of Functions
};

constexpr InsertEntry PopupOf(int32_t label) {
    return {InsertEntry::Popup, label, "", "", "", FunctionGroup::Arithmetic};
}
constexpr InsertEntry Translated(int32_t label, const char* inserted, const char* closing = "") {
    return {InsertEntry::Item, label, "", inserted, closing, FunctionGroup::Arithmetic};
}
// An item whose label stays the same in every language.
constexpr InsertEntry Fixed(const char* label, const char* inserted) {
    return {InsertEntry::Item, kNoKey, label, inserted, "", FunctionGroup::Arithmetic};
}
constexpr InsertEntry kSeparator{InsertEntry::Separator,   kNoKey, "", "", "",
                                 FunctionGroup::Arithmetic};
constexpr InsertEntry FunctionsOf(FunctionGroup group) {
    return {InsertEntry::Functions, kNoKey, "", "", "", group};
}

const InsertEntry kInsertMenu[] = {
    PopupOf(TextId::MenuNumbers),
    Translated(TextId::MenuNumDecimal, ""),
    Translated(TextId::MenuNumHexadecimal, "0x"),
    Translated(TextId::MenuNumBinary, "0b"),
    Translated(TextId::MenuNumCharacter, "'", "'"),
    Translated(TextId::MenuNumComplex, "i"),
    PopupOf(TextId::MenuConstants),
    Fixed("pi", "pi"),
    Fixed("e", "e"),
    Fixed("i", "i"),
    PopupOf(TextId::MenuAritmetics),
    Fixed("+", "+"),
    Fixed(" -", "-"),
    kSeparator,
    Fixed("*", "*"),
    Fixed("/", "/"),
    Fixed("%", "%"),
    kSeparator,
    Translated(TextId::MenuOver, "^"),
    kSeparator,
    FunctionsOf(FunctionGroup::Arithmetic),
    PopupOf(TextId::MenuGoniometrics),
    FunctionsOf(FunctionGroup::Trigonometric),
    kSeparator,
    FunctionsOf(FunctionGroup::AngleUnits),
    PopupOf(TextId::MenuLogaritmic),
    FunctionsOf(FunctionGroup::Logarithmic),
    PopupOf(TextId::MenuComplex),
    FunctionsOf(FunctionGroup::ComplexParts),
};

std::string LabelOf(int32_t key, const std::string& fixed) {
    return key != kNoKey ? TranslationText(key) : fixed;
}

} // namespace

std::vector<InsertSubMenu> InsertMenuContents() {
    std::vector<InsertSubMenu> popups;
    for (const InsertEntry& entry : kInsertMenu) {
        switch (entry.kind) {
        case InsertEntry::Popup:
            popups.push_back({LabelOf(entry.label, entry.fixed), {}});
            break;
        case InsertEntry::Item:
            popups.back().items.push_back(
                {false, LabelOf(entry.label, entry.fixed), entry.inserted, entry.closing});
            break;
        case InsertEntry::Separator:
            popups.back().items.push_back({true, "", "", ""});
            break;
        case InsertEntry::Functions:
            for (const FunctionEntry& function : kFunctions) {
                if (function.group == entry.group) {
                    const std::string name = function.name;
                    popups.back().items.push_back(
                        {false, LabelOf(function.label, name + "()"), name + "(", ")"});
                }
            }
            break;
        }
    }
    return popups;
}

InsertPopup::~InsertPopup() {
    if (menu_ != nullptr) {
        DestroyMenu(menu_);
    }
}

void InsertPopup::Build() {
    if (menu_ != nullptr) {
        DestroyMenu(menu_);
    }
    items_.clear();
    menu_ = CreatePopupMenu();
    for (const InsertSubMenu& popup : InsertMenuContents()) {
        HMENU sub = CreatePopupMenu();
        for (const InsertItem& item : popup.items) {
            if (item.separator) {
                AppendMenuA(sub, MF_SEPARATOR, 0, nullptr);
                continue;
            }
            items_.push_back(item);
            AppendMenuA(sub, MF_STRING, items_.size(), item.label.c_str());
        }
        AppendMenuA(menu_, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(sub),
                    popup.label.c_str());
    }
}

const InsertItem* InsertPopup::Choose(HWND owner, POINT screen) const {
    const auto command = static_cast<std::size_t>(
        TrackPopupMenu(menu_, TPM_RETURNCMD, screen.x, screen.y, 0, owner, nullptr));
    return command == 0 || command > items_.size() ? nullptr : &items_[command - 1];
}
