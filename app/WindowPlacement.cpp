#include "app/WindowPlacement.h"

#include <windows.h>

#include <vector>

#include "app/Application.h"
#include "document/FileStreams.h"
#include "document/core/SettingsFile.h"

namespace rolva {

std::string FileBesideExecutable(const char* ending)
{
    std::vector<char> buffer(MAX_PATH, '\0');
    DWORD length = 0;
    // Grown until the whole path fits, so an executable deep in a long path is named right.
    while ((length = GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()))) >=
               buffer.size() &&
           buffer.size() < 32768)
        buffer.resize(buffer.size() * 2);
    std::string path(buffer.data(), length);
    if (path.size() >= 4)
        path.resize(path.size() - 4);
    return path + ending;
}

void LoadWindowPlacement()
{
    SettingsRecord record;
    ReadResult result;
    if (!DecodeFile(FileBesideExecutable(".ini"), DecodeSettings, &record, &result))
        return;
    // In file order: each value read whole is applied, and the first one missing ends it.
    using Setter = void (TopLevelWindow::*)(int) const;
    const struct {
        const TopLevelWindow& window;
        Setter set;
        int value;
    } fields[] = {
        {gApp.formRecord, &TopLevelWindow::SetLeft, record.formLeft},
        {gApp.formRecord, &TopLevelWindow::SetTop, record.formTop},
        {gApp.formRecord, &TopLevelWindow::SetWidth, record.formWidth},
        {gApp.formRecord, &TopLevelWindow::SetHeight, record.formHeight},
        {gApp.panelRecord, &TopLevelWindow::SetLeft, record.panelLeft},
        {gApp.panelRecord, &TopLevelWindow::SetTop, record.panelTop},
    };
    for (int field = 0; field < result.fieldsRead && field < kSettingsFieldCount; ++field)
        (fields[field].window.*fields[field].set)(fields[field].value);
}

void SaveWindowPlacement()
{
    SettingsRecord record;
    record.formLeft = gApp.formRecord.Left();
    record.formTop = gApp.formRecord.Top();
    record.formWidth = gApp.formRecord.Width();
    record.formHeight = gApp.formRecord.Height();
    record.panelLeft = gApp.panelRecord.Left();
    record.panelTop = gApp.panelRecord.Top();

    ReplacingFileSink file(FileBesideExecutable(".ini"));
    if (file.IsOpen() && EncodeSettings(record, file).ok)
        file.Commit();
}

}  // namespace rolva
