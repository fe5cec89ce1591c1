// Owners of a Win32 resource for one scope, released on every way out.
#pragma once

#include <windows.h>

#include <objbase.h>

// The window's client-area device context (GetDC / ReleaseDC).
class WindowDC {
  public:
    explicit WindowDC(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~WindowDC() {
        if (dc_ != nullptr) {
            ReleaseDC(window_, dc_);
        }
    }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    operator HDC() const { return dc_; }

  private:
    HWND window_;
    HDC dc_;
};

// The device context of one WM_PAINT (BeginPaint / EndPaint).
class PaintDC {
  public:
    explicit PaintDC(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
    ~PaintDC() { EndPaint(window_, &paint_); }
    PaintDC(const PaintDC&) = delete;
    PaintDC& operator=(const PaintDC&) = delete;
    operator HDC() const { return dc_; }

  private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

// A GDI object selected into a device context, the previous one put back afterwards. A null
// object selects nothing.
class SelectedObject {
  public:
    SelectedObject(HDC dc, HGDIOBJ object)
        : dc_(dc), previous_(object != nullptr ? SelectObject(dc, object) : nullptr) {}
    ~SelectedObject() {
        if (previous_ != nullptr) {
            SelectObject(dc_, previous_);
        }
    }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

  private:
    HDC dc_;
    HGDIOBJ previous_;
};

// An open file (CreateFileA / CloseHandle); invalid when the open failed. Closing keeps the
// thread's last error, which explains a failure that comes before it.
class FileHandle {
  public:
    explicit FileHandle(HANDLE handle) : handle_(handle) {}
    ~FileHandle() {
        if (handle_ != INVALID_HANDLE_VALUE) {
            const DWORD error = GetLastError();
            CloseHandle(handle_);
            SetLastError(error);
        }
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    bool Valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    operator HANDLE() const { return handle_; }

  private:
    HANDLE handle_;
};

// A menu loaded from a resource (LoadMenuA / DestroyMenu); null when it was not loaded.
class LoadedMenu {
  public:
    explicit LoadedMenu(HMENU menu) : menu_(menu) {}
    ~LoadedMenu() {
        if (menu_ != nullptr) {
            DestroyMenu(menu_);
        }
    }
    LoadedMenu(const LoadedMenu&) = delete;
    LoadedMenu& operator=(const LoadedMenu&) = delete;
    operator HMENU() const { return menu_; }

  private:
    HMENU menu_;
};

// A program or library loaded for its resources only (LoadLibraryExA / FreeLibrary); null
// when it was not loaded.
class ResourceModule {
  public:
    explicit ResourceModule(const char* path)
        : module_(LoadLibraryExA(path, nullptr, LOAD_LIBRARY_AS_DATAFILE)) {}
    ~ResourceModule() {
        if (module_ != nullptr) {
            FreeLibrary(module_);
        }
    }
    ResourceModule(const ResourceModule&) = delete;
    ResourceModule& operator=(const ResourceModule&) = delete;
    operator HMODULE() const { return module_; }

  private:
    HMODULE module_;
};

// COM on this thread (CoInitialize / CoUninitialize); whether it started is not examined.
class ComInitialization {
  public:
    ComInitialization() { CoInitialize(nullptr); }
    ~ComInitialization() { CoUninitialize(); }
    ComInitialization(const ComInitialization&) = delete;
    ComInitialization& operator=(const ComInitialization&) = delete;
};
