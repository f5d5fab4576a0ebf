#include "pack/core/PackFaultText.h"

namespace rolva {

const char* PackFaultText(PackFault fault)
{
    switch (fault) {
    case PackFault::None:
        return "";
    case PackFault::NotZip:
        return "パックの形式ではないか、ファイルが途中で切れています。";
    case PackFault::Damaged:
        return "パックが壊れています。";
    case PackFault::BadName:
        return "パックの外や特別な名前を指すファイル名があります。";
    case PackFault::NameNotInCodePage:
        return "このコンピューターで使えない文字のファイル名があります。";
    case PackFault::Duplicate:
        return "同じ名前のファイルが2つあります。";
    case PackFault::TooManyEntries:
        return "ファイルの数が多すぎます。";
    case PackFault::TooLarge:
        return "展開すると大きすぎます（2GBまで）。";
    case PackFault::RatioTooHigh:
        return "圧縮率が異常なファイルがあります。";
    case PackFault::Encrypted:
        return "暗号化されたファイルがあります。";
    case PackFault::UnknownMethod:
        return "対応していない圧縮方式のファイルがあります。";
    case PackFault::DataDiffers:
        return "ファイルの中身が記録と合いません。";
    case PackFault::NoScene:
        return "シーン（.rv4）が入っていません。";
    case PackFault::ManyScenes:
        return "シーン（.rv4）が2つ以上入っています。";
    case PackFault::WriteFailed:
        return "展開先に書き込めませんでした。";
    case PackFault::Cancelled:
        return "中止しました。";
    }
    return "";
}

}  // namespace rolva
