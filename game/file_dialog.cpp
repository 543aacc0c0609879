// The file dialog of the dialog library, bound by name at run time so that the
// game starts and plays without the library; only the open command needs it.
#include "game/file_dialog.h"

#include <array>
#include <optional>
#include <string>

#include "game/quiz/text_helpers.h"
#include "win/cp932.h"
#include "win/module.h"
#include "win/path_names.h"

namespace game {

namespace {

using CreateFn = void*(__stdcall*)(int openMode, const char* defExt, const char* fileName, const char* initDir,
                                   const char* filter, HWND owner);
using SetWindowTextFn = int(__stdcall*)(void* handle, const char* text, int id);
using DoModalFn = int(__stdcall*)(void* handle);
using GetPathNameFn = char*(__stdcall*)(void* handle, char* buffer, int size, unsigned index);
using DeleteFn = int(__stdcall*)(void* handle);

// The library in the program's folder. While it is missing it is looked for
// again at every call, so a player who puts it back need not restart; once
// found it stays loaded for the life of the program.
HMODULE Library()
{
    static HMODULE module = nullptr;
    if (!module)
        module = LoadLibraryW((quiz::AddYen(win::ModuleFolder(nullptr)) + L"LUMADLG.DLL").c_str());
    return module;
}

// One export, looked up when it is first called; null when the library or the
// export is missing (looked up again on the next call).
template <typename Fn>
Fn Bind(const char* name)
{
    HMODULE module = Library();
    if (!module)
        return nullptr;
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

template <typename Fn>
Fn Function(Fn& cache, const char* name)
{
    if (!cache)
        cache = Bind<Fn>(name);
    return cache;
}

CreateFn createFn = nullptr;
SetWindowTextFn setWindowTextFn = nullptr;
DoModalFn doModalFn = nullptr;
GetPathNameFn getPathNameFn = nullptr;
DeleteFn deleteFn = nullptr;

// A setting in the library's code page; empty gives a null pointer.
class AnsiSetting {
public:
    explicit AnsiSetting(const std::wstring& text) : AnsiSetting(std::optional(cp932::FromWide(text))) {}
    // A path: null too when the code page cannot name it (win::AnsiPath).
    explicit AnsiSetting(std::optional<std::string> bytes)
        : null_(!bytes || bytes->empty()), bytes_(bytes.value_or(std::string()))
    {
    }
    const char* get() const { return null_ ? nullptr : bytes_.c_str(); }

private:
    bool null_;
    std::string bytes_;
};

// Deletes the dialog object when the run ends, however it ends.
class DialogObject {
public:
    explicit DialogObject(void* handle) : handle_(handle) {}
    ~DialogObject()
    {
        if (auto destroy = Function(deleteFn, "FileDlg_Delete"))
            destroy(handle_);
    }
    DialogObject(const DialogObject&) = delete;
    DialogObject& operator=(const DialogObject&) = delete;
    void* get() const { return handle_; }

private:
    void* handle_;
};

// The game hands the library a buffer of this size for the chosen path.
constexpr int kPathBufferSize = 100;

} // namespace

std::wstring ShowFileDialog(const FileDialogSettings& settings)
{
    AnsiSetting fileName(settings.FileName), defExt(settings.DefExt), filter(settings.Filter), title(settings.Title);
    AnsiSetting initDir(win::AnsiPath(settings.InitDir));

    auto create = Function(createFn, "FileDlg_Create");
    if (!create)
        return {};
    void* handle = create(settings.SaveMode ? 0 : 1, defExt.get(), fileName.get(), initDir.get(), filter.get(),
                          settings.Owner);
    if (!handle)
        return {};
    DialogObject dialog(handle);

    if (title.get()) {
        if (auto setText = Function(setWindowTextFn, "FileDlg_SetWindowText"))
            setText(dialog.get(), title.get(), -1);
    }
    auto doModal = Function(doModalFn, "FileDlg_DoModal");
    if (!doModal || doModal(dialog.get()) != IDOK)
        return {};
    auto getPath = Function(getPathNameFn, "FileDlg_GetPathName");
    if (!getPath)
        return {};
    std::array<char, kPathBufferSize> buffer{};
    getPath(dialog.get(), buffer.data(), kPathBufferSize, 0);
    buffer.back() = '\0'; // whatever the library wrote, the text ends inside the buffer
    return cp932::ToWide(buffer.data());
}

} // namespace game
