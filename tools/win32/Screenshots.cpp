// dialog_screenshots (Windows): shows the main dialog, the About box and the
// progress window as a user sees them and writes each, as the display shows
// it, caption and frame included, into a PNG file for the README.
//   dialog_screenshots <output folder> [<name suffix>]
// Writes main-dialog-windows.png, about-box-windows.png and
// progress-window-windows.png there, each name with the suffix before ".png".
// Start it as users start the program, in a folder whose zeldefs8.env names a
// data folder, on a display (under Wine its X11 driver; the display scale is
// Windows' own): scripts/windows-screenshots.sh does so at three scales. The
// progress window is that of a backup of the data folder into the folder
// "backup" of the working folder, held part-way through the fault file
// system as the tests hold it. Exits 0 when all three images were written, 1
// with a message otherwise.
#include "HeldBackup.h"
#include "app/FileUtility.h"
#include "dialog/FileUtilityDlg.h"
#include "platform/Application.h"
#include "platform/win32/Win32Api.h"
#include "platform/win32/Win32DialogWindow.h"
#include "res/Resource.h"
#include "widetext/WideText.h"

// After Resource.h, whose standard command identifiers Windows' headers
// define as macros.
#include <wincodec.h>
#include <wrl/client.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

namespace {

using Microsoft::WRL::ComPtr;

bool SavePng(HBITMAP bitmap, const std::wstring& path) {
    ComPtr<IWICImagingFactory> factory;
    ComPtr<IWICBitmap> image;
    ComPtr<IWICStream> stream;
    ComPtr<IWICBitmapEncoder> encoder;
    ComPtr<IWICBitmapFrameEncode> frame;
    return SUCCEEDED(::CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                        IID_PPV_ARGS(&factory))) &&
           SUCCEEDED(
               factory->CreateBitmapFromHBITMAP(bitmap, nullptr, WICBitmapIgnoreAlpha, &image)) &&
           SUCCEEDED(factory->CreateStream(&stream)) &&
           SUCCEEDED(stream->InitializeFromFilename(path.c_str(), GENERIC_WRITE)) &&
           SUCCEEDED(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, &encoder)) &&
           SUCCEEDED(encoder->Initialize(stream.Get(), WICBitmapEncoderNoCache)) &&
           SUCCEEDED(encoder->CreateNewFrame(&frame, nullptr)) &&
           SUCCEEDED(frame->Initialize(nullptr)) &&
           SUCCEEDED(frame->WriteSource(image.Get(), nullptr)) && SUCCEEDED(frame->Commit()) &&
           SUCCEEDED(encoder->Commit());
}

// Copies the window from the screen, so the image is what the user sees.
bool SaveWindow(HWND window, const std::wstring& path) {
    RECT rect{};
    ::GetWindowRect(window, &rect);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    HDC screen = ::GetDC(nullptr);
    HDC memory = ::CreateCompatibleDC(screen);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ previous = ::SelectObject(memory, bitmap);
    const bool copied =
        ::BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY) != FALSE;
    ::SelectObject(memory, previous);
    ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);
    const bool saved = copied && SavePng(bitmap, path);
    ::DeleteObject(bitmap);
    std::printf("%s%s\n", saved ? "" : "dialog_screenshots: cannot write ", Narrow(path).c_str());
    return saved;
}

// A visible dialog of ours other than except; nullptr when there is none.
HWND VisibleDialog(HWND except) {
    struct Search {
        HWND except;
        HWND found;
    } search{except, nullptr};
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND window, LPARAM data) {
            auto* s = reinterpret_cast<Search*>(data);
            if (window != s->except && ::IsWindowVisible(window) && DialogOf(window) != nullptr) {
                s->found = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// The source file the backup is held at: about half of the folder's bytes
// come before it.
constexpr char kHeldFile[] = "ZELPRN5-002.DAT";

enum class Step { kMainDialog, kAboutBox, kProgressWindow, kDone };

struct Run {
    std::wstring folder;
    std::wstring suffix;
    HWND main = nullptr;
    Step step = Step::kMainDialog;
    HeldBackup* backup = nullptr;
    int shownTicks = 0;
    int ticks = 0;
    int written = 0;

    std::wstring Path(const wchar_t* name) const {
        return folder + L"\\" + name + suffix + L".png";
    }
};
Run* g_run = nullptr;

constexpr UINT kTickMs = 250;
constexpr int kGiveUpTicks = 80;

// Backs the data folder up into the folder "backup" of the working folder,
// held until the progress window has been written; the window's own loop
// runs the ticks meanwhile.
void BackUpHeld(Run& run, CFileUtilityDlg& dialog) {
    const std::filesystem::path destination = std::filesystem::current_path() / L"backup";
    std::error_code error;
    std::filesystem::create_directories(destination, error);
    HeldBackup backup(dialog, kHeldFile);
    run.step = Step::kProgressWindow;
    run.backup = &backup;
    if (error || !backup.Run(Narrow(destination.wstring()))) {
        std::fprintf(stderr, "dialog_screenshots: the backup did not copy every file\n");
    }
    run.backup = nullptr;
}

// Each tick: once the main dialog has shown for a tick, so that the display
// has drawn it, writes it and opens the About box from it, whose own modal
// loop runs the next ticks; once the About box has shown for two ticks,
// writes it and closes it; then starts a held backup, and once its progress
// window has shown for two ticks with the backup held, writes it and lets
// the backup go on; then closes the main dialog. Anything else that shows (a
// message) makes the run give up.
void CALLBACK Tick(HWND /*window*/, UINT /*message*/, UINT_PTR timer, DWORD /*time*/) {
    Run& run = *g_run;
    if (++run.ticks > kGiveUpTicks) {
        std::fprintf(stderr, "dialog_screenshots: the dialogs did not show\n");
        ::ExitProcess(1);
    }
    if (run.main == nullptr) {
        run.main = VisibleDialog(nullptr);
        return;
    }
    if (run.step == Step::kMainDialog) {
        run.step = Step::kAboutBox;
        run.written += SaveWindow(run.main, run.Path(L"main-dialog-windows")) ? 1 : 0;
        auto& dialog = static_cast<CFileUtilityDlg&>(*DialogOf(run.main));
        dialog.OnVersion();
        BackUpHeld(run, dialog);
        ::KillTimer(nullptr, timer);
        dialog.EndDialog(IDCANCEL);
        return;
    }
    HWND shown = VisibleDialog(run.main);
    if (shown == nullptr || ++run.shownTicks <= 2) {
        return;
    }
    if (run.step == Step::kAboutBox) {
        run.shownTicks = 0;
        run.written += SaveWindow(shown, run.Path(L"about-box-windows")) ? 1 : 0;
        DialogOf(shown)->EndDialog(IDCANCEL);
    } else if (run.step == Step::kProgressWindow &&
               run.backup->Held().WaitUntilReached(std::chrono::milliseconds(0))) {
        run.step = Step::kDone;
        run.written += SaveWindow(shown, run.Path(L"progress-window-windows")) ? 1 : 0;
        run.backup->Held().Release();
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    const ApplicationScope application(argc, argv, "");
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: dialog_screenshots <output folder> [<name suffix>]\n");
        return 1;
    }
    Run run{Widen(argv[1]), argc == 3 ? Widen(argv[2]) : std::wstring()};
    g_run = &run;
    ::SetTimer(nullptr, 0, kTickMs, Tick);
    CFileUtilityApp().InitInstance();
    return run.written == 3 ? 0 : 1;
}
