// A DLL that must never be loaded: planted beside the program under the name
// of a library the program loads after start-up (uxtheme.dll). When it is
// loaded it leaves a marker file beside itself.
#include <windows.h>

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) {
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(instance, path, MAX_PATH);
    if (length > 0 && length < MAX_PATH - 20) {
      wchar_t* slash = wcsrchr(path, L'\\');
      if (slash != nullptr) {
        lstrcpyW(slash + 1, L"planted-dll-loaded");
        HANDLE marker = CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (marker != INVALID_HANDLE_VALUE) CloseHandle(marker);
      }
    }
  }
  // Refuse to stay: the process goes on with the system's own copy.
  return reason == DLL_PROCESS_ATTACH ? FALSE : TRUE;
}
