#include "base/WindowRegistry.h"

namespace rolva {

Application gApp;

const char kFormClass[] = "NORMAL0";
const char kDialogClass[] = "NORMALDLG";
const char kFormTitle[] = "RolvaVer4";

}  // namespace rolva
