// dialog_screenshots (Windows): shows the main dialog and then the About box
// as a user sees them after start-up and writes each, as the display shows
// it, caption and frame included, into a PNG file for the README.
//   dialog_screenshots <output folder> [<name suffix>]
// Writes main-dialog-windows.png and about-box-windows.png there, each name
// with the suffix before ".png". Start it as users start the program, in a
// folder whose zeldefs8.env names a data folder, on a display (under Wine its
// X11 driver; the display scale is Windows' own): scripts/windows-screenshots.sh
// does so at three scales. Exits 0 when both images were written, 1 with a
// message otherwise.
#include "app/FileUtility.h"
#include "dialog/FileUtilityDlg.h"
#include "engine/WideText.h"
#include "platform/Application.h"
#include "platform/win32/Win32Api.h"
#include "platform/win32/Win32DialogWindow.h"
#include "res/Resource.h"

// After Resource.h, whose standard command identifiers Windows' headers
// define as macros.
#include <wincodec.h>
#include <wrl/client.h>

#include <cstdio>
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

struct Run {
    std::wstring folder;
    std::wstring suffix;
    HWND main = nullptr;
    int aboutTicks = 0;
    int ticks = 0;
    int written = 0;

    std::wstring Path(const wchar_t* name) const {
        return folder + L"\\" + name + suffix + L".png";
    }
};
Run* g_run = nullptr;

constexpr UINT kTickMs = 250;
constexpr int kGiveUpTicks = 80;

// Each tick: once the main dialog has shown for a tick, so that the display
// has drawn it, writes it and opens the About box from it, whose own modal
// loop runs the next ticks; once the About box has shown for a tick, writes
// it and closes it; then closes the main dialog. Anything else that shows
// (a message) makes the run give up.
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
    if (run.aboutTicks == 0) {
        run.aboutTicks = 1;
        run.written += SaveWindow(run.main, run.Path(L"main-dialog-windows")) ? 1 : 0;
        static_cast<CFileUtilityDlg*>(DialogOf(run.main))->OnVersion();
        ::KillTimer(nullptr, timer);
        DialogOf(run.main)->EndDialog(IDCANCEL);
        return;
    }
    HWND about = VisibleDialog(run.main);
    if (about != nullptr && ++run.aboutTicks > 2) {
        run.written += SaveWindow(about, run.Path(L"about-box-windows")) ? 1 : 0;
        DialogOf(about)->EndDialog(IDCANCEL);
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
    return run.written == 2 ? 0 : 1;
}
