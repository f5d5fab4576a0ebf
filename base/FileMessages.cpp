#include "base/FileMessages.h"

#include <windows.h>

#include <string>

#include "base/WindowRegistry.h"

namespace rolva {

namespace {

const char kCaption[] = "読み込みエラー";

std::string SystemText(std::uint32_t errorCode)
{
    char* text = nullptr;
    const DWORD length = FormatMessageA(
        FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_ALLOCATE_BUFFER, nullptr,
        errorCode, 0x400, reinterpret_cast<char*>(&text), 0, nullptr);
    std::string result = length && text ? std::string(text, length) : std::string();
    if (text)
        LocalFree(text);
    return result;
}

void ShowErrorWithSystemText(const char* sentence, std::uint32_t errorCode)
{
    const std::string message = std::string(sentence) + "\r\n\r\n" + SystemText(errorCode);
    MessageBoxA(gApp.form, message.c_str(), kCaption, MB_ICONERROR);
}

}  // namespace

void ShowWrongMagicMessage()
{
    MessageBoxA(gApp.form, "このファイルはRolvaのデータではありません", kCaption, MB_ICONERROR);
}

void ShowReadErrorMessage(std::uint32_t errorCode)
{
    ShowErrorWithSystemText("ファイルを読み込み中に、以下のエラーが発生しました。", errorCode);
}

void ShowSaveErrorMessage(std::uint32_t errorCode)
{
    ShowErrorWithSystemText("ファイルを保存中に、以下のエラーが発生しました。", errorCode);
}

void ShowMissingRecentFileMessage(const std::string& path)
{
    const std::string message =
        "ファイルが見つかりません。\r\n\r\n" + path + "\r\n\r\n最近使ったファイルの一覧から削除しました。";
    MessageBoxA(gApp.form, message.c_str(), kCaption, MB_ICONEXCLAMATION);
}

}  // namespace rolva
