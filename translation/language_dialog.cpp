#include "translation/language_dialog.h"

#include <cstring>

#include "support/center_window.h"
#include "translation/catalogue.h"

const MessageEntry<LanguageDialog> LanguageDialog::kMessages[] = {
    ForMessage(WM_INITDIALOG, &LanguageDialog::OnInitDialog),
    ForCommand(IDOK, &LanguageDialog::OnOk),
    // Escape and the close box.
    ForCommand(IDCANCEL, &LanguageDialog::OnCancel),
};

namespace {

// Builds the dialog template in memory: DWORD-aligned, 16-bit texts.
class TemplateWriter {
  public:
    void Word(uint16_t value) { Put(&value, sizeof value); }
    void Dword(uint32_t value) { Put(&value, sizeof value); }
    void Short(int16_t value) { Put(&value, sizeof value); }
    void Byte(uint8_t value) { Put(&value, sizeof value); }
    // A NUL-terminated ASCII text as 16-bit characters.
    void Text(const char* text) {
        do {
            Word(static_cast<uint8_t>(*text));
        } while (*text++ != '\0');
    }
    void AlignDword() {
        while (size_ % 4 != 0) {
            Byte(0);
        }
    }
    const DLGTEMPLATE* Template() const { return reinterpret_cast<const DLGTEMPLATE*>(buffer_); }

  private:
    void Put(const void* data, size_t bytes) {
        std::memcpy(buffer_ + size_, data, bytes);
        size_ += bytes;
    }

    alignas(4) unsigned char buffer_[256] = {};
    size_t size_ = 0;
};

constexpr uint16_t kButtonClass = 0x0080;
constexpr uint16_t kStaticClass = 0x0082;
constexpr uint16_t kComboBoxClass = 0x0085;

void WriteItem(TemplateWriter* out, uint32_t style, int16_t x, int16_t y, int16_t cx, int16_t cy,
               uint32_t id, uint16_t classAtom, const char* text) {
    out->AlignDword();
    out->Dword(0); // help id
    out->Dword(0); // extended style
    out->Dword(style);
    out->Short(x);
    out->Short(y);
    out->Short(cx);
    out->Short(cy);
    out->Dword(id);
    out->Word(0xFFFF);
    out->Word(classAtom);
    out->Text(text);
    out->Word(0); // no creation data
}

// Pop-up with caption, system menu and modal frame, centred, in the fixed system font; the
// prompt, a sorted drop-down list of the names and an "OK" default button.
void WriteLanguageTemplate(TemplateWriter* out) {
    out->Word(1);      // version
    out->Word(0xFFFF); // extended template
    out->Dword(0);     // help id
    out->Dword(0);     // extended style
    out->Dword(0x80C808C8);
    out->Word(3); // items
    out->Short(0);
    out->Short(0);
    out->Short(123);
    out->Short(66);
    out->Word(0); // no menu
    out->Word(0); // default class
    out->Text("Abacon");
    out->Word(8); // points
    out->Word(400);
    out->Byte(0); // not italic
    out->Byte(1); // character set
    out->Text("MS Shell Dlg");
    WriteItem(out, 0x50010001, 34, 44, 50, 14, IDOK, kButtonClass, "OK");
    // A drop-down list, not a drop-down: only the file's own names can be chosen.
    WriteItem(out, 0x50210103, 7, 19, 109, 65, kLanguageListId, kComboBoxClass, "");
    // Left-aligned, no ampersand taken for a mnemonic.
    WriteItem(out, 0x50000080, 7, 7, 109, 8, kLanguagePromptId, kStaticClass, "");
}

} // namespace

bool LanguageDialog::Run(HWND owner) {
    if (names_.count == 0) {
        return false;
    }
    TemplateWriter writer;
    WriteLanguageTemplate(&writer);
    return RunModal(writer.Template(), owner) == 1;
}

bool LanguageDialog::HandleMessage(const WindowMessage& message, LRESULT* result) {
    return DispatchToTable(this, kMessages, message, result);
}

// The list sorts its items, so each carries its file index as its data.
bool LanguageDialog::OnInitDialog(const WindowMessage&, LRESULT*) {
    HWND list = GetDlgItem(window_, kLanguageListId);
    for (int32_t i = 0; i < names_.count; ++i) {
        const char* name = LanguageNameAt(names_, i);
        if (!IsUsableLanguageName(name)) {
            continue;
        }
        LRESULT item = SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
        if (item >= 0) {
            SendMessageA(list, CB_SETITEMDATA, static_cast<WPARAM>(item), i);
        }
    }
    if (*current_ == '\0' || SendMessageA(list, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                                          reinterpret_cast<LPARAM>(current_)) == CB_ERR) {
        SendMessageA(list, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                     reinterpret_cast<LPARAM>("English"));
    }
    SetDlgItemTextA(window_, kLanguagePromptId, prompt_);
    FitPrompt();
    return true;
}

void LanguageDialog::FitPrompt() {
    HWND prompt = GetDlgItem(window_, kLanguagePromptId);
    HDC dc = GetDC(prompt);
    if (dc == nullptr) {
        return;
    }
    HGDIOBJ font =
        SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(window_, WM_GETFONT, 0, 0)));
    SIZE text{};
    GetTextExtentPoint32A(dc, prompt_, static_cast<int>(std::strlen(prompt_)), &text);
    SelectObject(dc, font);
    ReleaseDC(prompt, dc);
    RECT shown{};
    GetClientRect(prompt, &shown);
    const LONG wider = text.cx - shown.right;
    if (wider <= 0) {
        return;
    }
    RECT place{};
    GetWindowRect(prompt, &place);
    SetWindowPos(prompt, nullptr, 0, 0, place.right - place.left + wider, place.bottom - place.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    GetWindowRect(window_, &place);
    SetWindowPos(window_, nullptr, 0, 0, place.right - place.left + wider, place.bottom - place.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    CenterOnOwner(window_, nullptr);
}

// Ends the dialog with the selected name's file index; without a selection OK does nothing.
bool LanguageDialog::OnOk(const WindowMessage&, LRESULT*) {
    HWND list = GetDlgItem(window_, kLanguageListId);
    LRESULT item = SendMessageA(list, CB_GETCURSEL, 0, 0);
    if (item != CB_ERR) {
        *index_ =
            static_cast<int32_t>(SendMessageA(list, CB_GETITEMDATA, static_cast<WPARAM>(item), 0));
        EndDialog(window_, 1);
    }
    return true;
}

// With a language in use the dialog can be left without a choice.
bool LanguageDialog::OnCancel(const WindowMessage&, LRESULT*) {
    if (*current_ != '\0') {
        EndDialog(window_, 0);
    }
    return true;
}

bool ChooseLanguage(int32_t* index, const GrowArray& names, HWND owner, const char* current) {
    LanguageDialog dialog(names, index, current, TranslationLanguagePrompt().c_str());
    return dialog.Run(owner);
}

bool DialogLanguageChooser::Choose(const GrowArray& names, int32_t* index) {
    return ChooseLanguage(index, names, owner_);
}
