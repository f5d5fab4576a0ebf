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
    const int values[] = {record.formLeft, record.formTop,  record.formWidth,
                          record.formHeight, record.panelLeft, record.panelTop};
    for (int field = 1; field <= result.fieldsRead; ++field) {
        const int value = values[field - 1];
        switch (field) {
        case 1: gApp.formRecord.SetLeft(value); break;
        case 2: gApp.formRecord.SetTop(value); break;
        case 3: gApp.formRecord.SetWidth(value); break;
        case 4: gApp.formRecord.SetHeight(value); break;
        case 5: gApp.panelRecord.SetLeft(value); break;
        case 6: gApp.panelRecord.SetTop(value); break;
        }
    }
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
