// The floor the program is measured against: the least a Win32 program with
// one window does. It registers a class, creates and shows one empty 345 x 200
// window and runs a message loop; Esc or the close button ends it.
//
// Built twice more to tell what the program's required start-up costs beyond
// it: with TCLS_FLOOR_OLE it calls OleInitialize first, as the program must;
// with TCLS_FLOOR_CONTROLS as well, and the program's manifest, it also puts
// one push button of common controls 6 into its window.
#include <windows.h>
#ifdef TCLS_FLOOR_OLE
#include <ole2.h>
#endif

namespace {

LRESULT CALLBACK FloorProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  if (message == WM_KEYDOWN && wParam == VK_ESCAPE) {
    DestroyWindow(hwnd);
    return 0;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
#ifdef TCLS_FLOOR_OLE
  OleInitialize(nullptr);
#endif
  WNDCLASSEXW windowClass = {};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = &FloorProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = L"TclsOverrideFloor";
  if (RegisterClassExW(&windowClass) == 0) return 1;
  HWND hwnd = CreateWindowExW(0, L"TclsOverrideFloor", L"", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
                              (GetSystemMetrics(SM_CXSCREEN) - 345) / 2, (GetSystemMetrics(SM_CYSCREEN) - 200) / 2,
                              345, 200, nullptr, nullptr, instance, nullptr);
  if (hwnd == nullptr) return 1;
#ifdef TCLS_FLOOR_CONTROLS
  CreateWindowExW(0, L"BUTTON", L"", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 48, 96, 72, 40, hwnd, nullptr, instance,
                  nullptr);
#endif
  ShowWindow(hwnd, SW_SHOW);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return static_cast<int>(msg.wParam);
}
