// The data file the scene on screen belongs to: the one it was last read from whole or saved to.
// Save writes there without asking when it is a Ver4 file; every file read whole or saved is
// also told to the listener (the File menu's recent files).
#pragma once

#include <string>

#include "scene/DataFiles.h"

namespace rolva {

// "" when the scene came from no file, or from one that broke off while it was read.
const std::string& SceneFilePath();

// Called with each file the scene was read whole from or saved to; NULL calls nothing.
using SceneFileListener = void (*)(const std::string& path);
void SetSceneFileListener(SceneFileListener listener);

// After a reader ran: a whole file becomes the scene's file; a file that broke off leaves a
// scene that is neither the old one nor the new one, which then belongs to no file; a file not
// read changes nothing.
void NoteSceneRead(const std::string& path, FileReadOutcome outcome);
void NoteSceneSaved(const std::string& path);

// Opens a data file as the Open command does once its dialog has given a path: nothing while a
// sign rolls, the control panel disabled meanwhile and given the focus after.
void OpenSceneFile(const std::string& path);

// The File menu's 上書き保存: the scene's own Ver4 file is written again with the Save As
// writer; a scene from an older format or from no file asks for a name as Save As does.
void SaveCommand();

}  // namespace rolva
