// System DLLs come from the system folder only: a DLL of the same name beside the exe (the
// folder a bare name is looked for in first) is never loaded.
#include <gtest/gtest.h>

#include <cctype>
#include <string>

#include "base/Handles.h"
#include "base/SystemLibrary.h"

namespace rolva {
namespace {

using Loader = HMODULE (*)(const char*);

std::string Lower(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

std::string ModulePath(HMODULE module)
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(module, path, MAX_PATH);
    return path;
}

std::string SystemFolder()
{
    char folder[MAX_PATH] = {};
    GetSystemDirectoryA(folder, MAX_PATH);
    return folder;
}

std::string ExeFolder()
{
    const std::string exe = ModulePath(nullptr);
    return exe.substr(0, exe.find_last_of('\\'));
}

TEST(SystemLibrary, LoadsTheSystemsOwnHelpViewerAndGdiplus)
{
    for (Loader load : {LoadSystemLibrary, LoadSystemLibraryByPath}) {
        for (const char* name : {"hhctrl.ocx", "Gdiplus.dll"}) {
            SCOPED_TRACE(name);
            ModuleHandle module(load(name));
            ASSERT_TRUE(module);
            EXPECT_EQ(Lower(SystemFolder() + "\\" + name), Lower(ModulePath(module.Get())));
        }
    }
}

// A DLL planted beside the exe under a name the system folder does not have: a bare-name load
// finds it there, the system loaders do not.
TEST(SystemLibrary, NeverLoadsADllPlantedBesideTheExe)
{
    const char name[] = "rolva_planted_test.dll";
    const std::string planted = ExeFolder() + "\\" + name;
    ASSERT_TRUE(CopyFileA(ModulePath(nullptr).c_str(), planted.c_str(), FALSE)) << planted;
    {
        ModuleHandle bare(LoadLibraryA(name));
        EXPECT_TRUE(bare) << "a bare name no longer finds the exe's folder: this test shows nothing";
    }
    for (Loader load : {LoadSystemLibrary, LoadSystemLibraryByPath}) {
        ModuleHandle module(load(name));
        EXPECT_FALSE(module) << ModulePath(module.Get());
    }
    DeleteFileA(planted.c_str());
}

}  // namespace
}  // namespace rolva
