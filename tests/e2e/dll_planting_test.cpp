// A DLL planted beside the program, with Wine told to prefer a native copy of
// it, must not be loaded: the program restricts library loading to the
// system folder before it does anything else. The bare floor program, which
// does not, shows that the plant itself works.
#include <string>

#include "harness.h"

namespace e2e {
namespace {

// Copies the program and the planted DLL into a folder of their own, runs
// the program there until its window shows, and tells whether the plant was loaded.
bool PlantWasLoaded(const std::wstring& exe, const std::wstring& folder, bool& started) {
  MakeFolders(folder);
  const std::wstring copy = folder + L"\\program.exe";
  const std::wstring marker = folder + L"\\planted-dll-loaded";
  RemoveFileForcibly(marker);
  CopyFileW(exe.c_str(), copy.c_str(), FALSE);
  CopyFileW(WindowsPath(Option("dll")).c_str(), (folder + L"\\uxtheme.dll").c_str(), FALSE);
  {
    Program program(copy, StartMs(), nullptr);
    started = program.Started();
    Sleep(500);
  }
  return GetFileAttributesW(marker.c_str()) != INVALID_FILE_ATTRIBUTES;
}

E2E_TEST(APlantedDllBesideTheProgramIsNotLoaded) {
  // The test runs with WINEDLLOVERRIDES=uxtheme=n,b: Wine prefers a native
  // uxtheme.dll wherever the search finds one. (Wine reads it from the Unix
  // environment it starts with, so it is set for the whole test.)
  const std::wstring base = WindowsPath(Option("work"));
  bool started = false;
  const bool floorLoadedIt = PlantWasLoaded(WindowsPath(Option("floor")), base + L"\\floor", started);
  E2E_REQUIRE(started, "the floor program did not show its window");
  E2E_REQUIRE(floorLoadedIt, "the plant was not loaded even by a program that does not guard against it");
  const bool programLoadedIt = PlantWasLoaded(ExeUnderTest(), base + L"\\program", started);
  E2E_CHECK(started, "the program did not show its window");
  E2E_CHECK(!programLoadedIt, "the program loaded the DLL planted beside it");
}

}  // namespace
}  // namespace e2e

int main(int argc, char** argv) { return e2e::RunAllTests(argc, argv); }
