// Measures the program against the floor (one empty window, same toolchain
// and flags), side by side in one run, and prints a table of medians and
// ratios. Not a test: the figures go into docs/PERFORMANCE.md.
//
// usage: bench_driver --exe64=P --floor64=P [--exe32=P --floor32=P]
//                     [--runs64=N] [--runs32=N] [--idle-seconds=N] --work=DIR
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "../e2e/harness.h"

namespace {

using e2e::Option;
using e2e::WindowsPath;

double Now() {
  static LARGE_INTEGER frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER counter;
  QueryPerformanceCounter(&counter);
  return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> values) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

struct Launched {
  PROCESS_INFORMATION info = {};
  HWND window = nullptr;
  double startSeconds = 0;  // process creation to window visible and painted
};

HWND VisibleWindowOf(DWORD processId, const wchar_t* className) {
  const std::vector<HWND> windows = e2e::TopLevelWindows(processId, className);
  return windows.empty() ? nullptr : windows.front();
}

// Starts the exe and waits until its window is visible and its first paint
// is done (the process then waits for input with nothing pending).
bool Launch(const std::wstring& exe, const wchar_t* className, Launched& out) {
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  std::wstring commandLine = L"\"" + exe + L"\"";
  const double start = Now();
  if (!CreateProcessW(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &out.info)) {
    return false;
  }
  for (;;) {
    HWND window = VisibleWindowOf(out.info.dwProcessId, className);
    if (window != nullptr && WaitForInputIdle(out.info.hProcess, 0) == 0) {
      out.window = window;
      out.startSeconds = Now() - start;
      return true;
    }
    if (Now() - start > 300) return false;
    Sleep(1);
  }
}

void Close(Launched& launched) {
  PostMessageW(launched.window, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(launched.info.hProcess, 20000) != WAIT_OBJECT_0) TerminateProcess(launched.info.hProcess, 1);
  CloseHandle(launched.info.hThread);
  CloseHandle(launched.info.hProcess);
}

double CpuSeconds(HANDLE process) {
  FILETIME created, exited, kernel, user;
  GetProcessTimes(process, &created, &exited, &kernel, &user);
  auto seconds = [](const FILETIME& t) {
    return (static_cast<double>(t.dwHighDateTime) * 4294967296.0 + t.dwLowDateTime) / 1e7;
  };
  return seconds(kernel) + seconds(user);
}

struct Memory {
  double peakWorkingSet = 0;
  double privateBytes = 0;
};

Memory MemoryOf(HANDLE process) {
  PROCESS_MEMORY_COUNTERS_EX counters = {};
  counters.cb = sizeof counters;
  GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof counters);
  return Memory{static_cast<double>(counters.PeakWorkingSetSize), static_cast<double>(counters.PrivateUsage)};
}

struct Figures {
  std::vector<double> start;
  std::vector<double> peakWorkingSet;
  std::vector<double> privateBytes;
};

// Start-up and memory over `runs` runs (after one unmeasured warm-up run).
Figures StartUps(const std::wstring& exe, const wchar_t* className, int runs) {
  Figures figures;
  for (int i = -1; i < runs; ++i) {
    Launched launched;
    if (!Launch(exe, className, launched)) {
      std::printf("could not start %ls\n", exe.c_str());
      return figures;
    }
    Sleep(300);
    const Memory memory = MemoryOf(launched.info.hProcess);
    if (i >= 0) {
      figures.start.push_back(launched.startSeconds);
      figures.peakWorkingSet.push_back(memory.peakWorkingSet);
      figures.privateBytes.push_back(memory.privateBytes);
    }
    Close(launched);
  }
  return figures;
}

// CPU time used while the window sits idle for `seconds`.
double IdleCpu(const std::wstring& exe, const wchar_t* className, int seconds) {
  Launched launched;
  if (!Launch(exe, className, launched)) return -1;
  Sleep(1000);
  const double before = CpuSeconds(launched.info.hProcess);
  Sleep(static_cast<DWORD>(seconds) * 1000);
  const double used = CpuSeconds(launched.info.hProcess) - before;
  Close(launched);
  return used;
}

bool ReadOnly(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
}

// Click on 按钮2 to both files read-only on disk, over `runs` runs.
std::vector<double> StepTwo(const std::wstring& exe, const std::wstring& folder, int runs) {
  std::vector<double> times;
  CreateDirectoryW(folder.c_str(), nullptr);
  const std::wstring first = folder + L"\\wegame_launch";
  const std::wstring second = folder + L"\\wegame_launch.tmp";
  for (int i = 0; i < runs; ++i) {
    e2e::RemoveFileForcibly(first);
    e2e::RemoveFileForcibly(second);
    Launched launched;
    if (!Launch(exe, L"TclsOverrideWindow", launched)) break;
    HWND edit = GetDlgItem(launched.window, e2e::kEditBox1);
    HWND button = GetDlgItem(launched.window, e2e::kButton2);
    SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(folder.c_str()));
    const double start = Now();
    PostMessageW(button, BM_CLICK, 0, 0);
    while (!(ReadOnly(first) && ReadOnly(second)) && Now() - start < 10) {
    }
    times.push_back(Now() - start);
    Close(launched);
  }
  e2e::RemoveFileForcibly(first);
  e2e::RemoveFileForcibly(second);
  return times;
}

double FileSize(const std::wstring& path) {
  WIN32_FILE_ATTRIBUTE_DATA data = {};
  GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data);
  return static_cast<double>(data.nFileSizeLow);
}

// A floor of -1: the metric has no floor to compare with.
void Row(const char* metric, double program, double floor, const char* unit, const char* target) {
  if (floor > 0) {
    std::printf("| %-34s | %12.2f %-3s | %12.2f %-3s | %6.2f | %-16s |\n", metric, program, unit, floor, unit,
                program / floor, target);
  } else if (floor == 0) {
    std::printf("| %-34s | %12.2f %-3s | %12.2f %-3s | %6s | %-16s |\n", metric, program, unit, floor, unit, "-",
                target);
  } else {
    std::printf("| %-34s | %12.2f %-3s | %16s | %6s | %-16s |\n", metric, program, unit, "", "", target);
  }
}

void Append(Figures& into, const Figures& more) {
  into.start.insert(into.start.end(), more.start.begin(), more.start.end());
  into.peakWorkingSet.insert(into.peakWorkingSet.end(), more.peakWorkingSet.begin(), more.peakWorkingSet.end());
  into.privateBytes.insert(into.privateBytes.end(), more.privateBytes.begin(), more.privateBytes.end());
}

void Measure(const char* build, const std::wstring& exe, const std::wstring& floorExe, const std::wstring& floorOle,
             const std::wstring& floorControls, int runs, int idleSeconds, const std::wstring& work) {
  std::printf("\n%s build, %d runs each (medians)\n\n", build, runs);
  std::printf("| %-34s | %16s | %16s | %6s | %-16s |\n", "metric", "program", "floor", "ratio", "target");
  std::printf("|%s|%s|%s|%s|%s|\n", std::string(36, '-').c_str(), std::string(18, '-').c_str(),
              std::string(18, '-').c_str(), std::string(8, '-').c_str(), std::string(18, '-').c_str());
  std::fflush(stdout);
  // Interleaved, so that a slow spell of the machine hits all alike.
  Figures program, floor, withOle, withControls;
  for (int i = 0; i < runs; ++i) {
    Append(program, StartUps(exe, L"TclsOverrideWindow", 1));
    Append(floor, StartUps(floorExe, L"TclsOverrideFloor", 1));
    Append(withOle, StartUps(floorOle, L"TclsOverrideFloor", 1));
    Append(withControls, StartUps(floorControls, L"TclsOverrideFloor", 1));
  }
  Row("start-up to window painted", Median(program.start) * 1000, Median(floor.start) * 1000, "ms", "<= 1.15 x floor");
  Row("  floor + OleInitialize", Median(withOle.start) * 1000, Median(floor.start) * 1000, "ms", "");
  Row("  floor + OLE + a cc6 button", Median(withControls.start) * 1000, Median(floor.start) * 1000, "ms", "");
  Row("  program against floor + OLE + cc6", Median(program.start) * 1000, Median(withControls.start) * 1000, "ms",
      "");
  Row("peak working set", Median(program.peakWorkingSet) / 1024, Median(floor.peakWorkingSet) / 1024, "KiB",
      "<= 1.5 x floor");
  Row("private bytes (Wine reports none)", Median(program.privateBytes) / 1024, Median(floor.privateBytes) / 1024,
      "KiB", "<= 1.5 x floor");
  if (idleSeconds > 0) {
    Row("CPU over 10 s idle (10 ms ticks)", IdleCpu(exe, L"TclsOverrideWindow", idleSeconds) * 1000,
        IdleCpu(floorExe, L"TclsOverrideFloor", idleSeconds) * 1000, "ms", "< 10 ms");
  }
  Row("step two: click to files read-only", Median(StepTwo(exe, work + L"\\step-two", runs)) * 1000, -1, "ms", "");
  Row("executable size", FileSize(exe) / 1024, FileSize(floorExe) / 1024, "KiB", "<= 48 KiB (i686)");
  std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
  e2e::SetArguments(argc, argv);
  const std::wstring work = WindowsPath(Option("work"));
  CreateDirectoryW(work.c_str(), nullptr);
  const int runs64 = Option("runs64").empty() ? 21 : std::stoi(Option("runs64"));
  const int runs32 = Option("runs32").empty() ? 7 : std::stoi(Option("runs32"));
  const int idle = Option("idle-seconds").empty() ? 10 : std::stoi(Option("idle-seconds"));
  Measure("x86-64", WindowsPath(Option("exe64")), WindowsPath(Option("floor64")),
          WindowsPath(Option("floor-ole64")), WindowsPath(Option("floor-cc6-64")), runs64, idle, work);
  if (!Option("exe32").empty()) {
    Measure("i686 (the shipped exe, 32-bit Wine)", WindowsPath(Option("exe32")), WindowsPath(Option("floor32")),
            WindowsPath(Option("floor-ole32")), WindowsPath(Option("floor-cc6-32")), runs32, idle, work);
  }
  return 0;
}
