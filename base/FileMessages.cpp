#include "base/FileMessages.h"

#include <windows.h>

#include <string>

#include "base/FileStreams.h"
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
    MessageBoxA(gApp.form, ErrorWithSystemText(sentence, errorCode).c_str(), kCaption, MB_ICONERROR);
}

}  // namespace

std::string ErrorWithSystemText(const std::string& sentence, std::uint32_t errorCode)
{
    return sentence + "\r\n\r\n" + SystemText(errorCode);
}

void ShowWrongMagicMessage()
{
    MessageBoxA(gApp.form, "このファイルはRolvaのデータではありません", kCaption, MB_ICONERROR);
}

void ShowReadErrorMessage(std::uint32_t errorCode)
{
    ShowErrorWithSystemText("ファイルを読み込み中に、以下のエラーが発生しました。", errorCode);
}

std::string FilesLeftText()
{
    const FilesLeft& left = FilesLeftByLastSave();
    std::string text;
    if (!left.newContents.empty())
        text += "保存先のファイルを置き換えられなかったため、新しい内容は次のファイルに残しました：\r\n" +
                left.newContents;
    if (!left.oldContents.empty())
        text += std::string(text.empty() ? "" : "\r\n") + "元の内容は次のファイルに残っています：\r\n" +
                left.oldContents;
    return text;
}

std::string SaveErrorText(std::uint32_t errorCode)
{
    std::string text = ErrorWithSystemText("ファイルを保存中に、以下のエラーが発生しました。", errorCode);
    if (const std::string left = FilesLeftText(); !left.empty())
        text += "\r\n" + left;
    return text;
}

void ShowSaveErrorMessage(std::uint32_t errorCode)
{
    MessageBoxA(gApp.form, SaveErrorText(errorCode).c_str(), kCaption, MB_ICONERROR);
}

void ShowMissingRecentFileMessage(const std::string& path)
{
    const std::string message =
        "ファイルが見つかりません。\r\n\r\n" + path + "\r\n\r\n最近使ったファイルの一覧から削除しました。";
    MessageBoxA(gApp.form, message.c_str(), kCaption, MB_ICONEXCLAMATION);
}

}  // namespace rolva
