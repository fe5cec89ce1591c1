#include "translation/language_dialog.h"

#include <cstring>

const MessageEntry<LanguageDialog> LanguageDialog::kMessages[] = {
    ForMessage(WM_INITDIALOG, &LanguageDialog::OnInitDialog),
    // Cancel (Escape, the close box) is left to the default handling, which keeps the dialog
    // open: a language must be chosen.
    ForCommand(IDOK, &LanguageDialog::OnOk),
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

// Pop-up with caption, system menu and modal frame, centred, in the fixed system font; an
// "OK" default button and a sorted drop-down list of the names.
void WriteLanguageTemplate(TemplateWriter* out) {
    out->Word(1);      // version
    out->Word(0xFFFF); // extended template
    out->Dword(0);     // help id
    out->Dword(0);     // extended style
    out->Dword(0x80C808C8);
    out->Word(2); // items
    out->Short(0);
    out->Short(0);
    out->Short(123);
    out->Short(54);
    out->Word(0);  // no menu
    out->Word(0);  // default class
    out->Text(""); // empty caption
    out->Word(8);  // points
    out->Word(400);
    out->Byte(0); // not italic
    out->Byte(1); // character set
    out->Text("MS Shell Dlg");
    WriteItem(out, 0x50010001, 34, 32, 50, 14, IDOK, kButtonClass, "OK");
    // A drop-down list, not a drop-down: only the file's own names can be chosen.
    WriteItem(out, 0x50210103, 7, 7, 109, 65, kLanguageListId, kComboBoxClass, "");
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
    SendMessageA(list, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                 reinterpret_cast<LPARAM>("English"));
    return true;
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

bool ChooseLanguage(int32_t* index, const GrowArray& names, HWND owner) {
    LanguageDialog dialog(names, index);
    return dialog.Run(owner);
}

bool DialogLanguageChooser::Choose(const GrowArray& names, int32_t* index) {
    return ChooseLanguage(index, names, owner_);
}
