#include "document/core/Ver4File.h"

namespace rolva {

ReadResult DecodeVer4(ByteSource& source, Ver4Record* record)
{
    FieldReader in(source);
    std::string magic;
    if (!in.ReadString(&magic)) {
        return in.Result();
    }
    if (magic != kVer4Magic) {
        ReadResult result;
        result.status = ReadStatus::WrongMagic;
        result.fieldsRead = in.FieldsRead();
        return result;
    }
    in.ReadString(&record->backgroundPath);
    in.ReadInt32(&record->formWidth);
    in.ReadInt32(&record->formHeight);
    for (SignRecord& sign : record->signs) {
        std::uint8_t kind = 0;
        if (in.ReadByte(&kind)) {
            sign.kind = static_cast<SignKind>(kind);
        }
        in.ReadInt32(&sign.left);
        in.ReadInt32(&sign.top);
        in.ReadInt32(&sign.width);
        in.ReadInt32(&sign.height);
        in.ReadInt32(&sign.speed);
        in.ReadInt32(&sign.interval);
        in.ReadInt32(&sign.cornerRadius);
        in.ReadString(&sign.picturePath);
    }
    return in.Result();
}

WriteResult EncodeVer4(const Ver4Record& record, ByteSink& sink)
{
    DataFileWriter out(sink);
    out.WriteString(kVer4Magic);
    out.WriteString(record.backgroundPath);
    out.WriteInt32(record.formWidth);
    out.WriteInt32(record.formHeight);
    for (const SignRecord& sign : record.signs) {
        out.WriteByte(static_cast<std::uint8_t>(sign.kind));
        out.WriteInt32(sign.left);
        out.WriteInt32(sign.top);
        out.WriteInt32(sign.width);
        out.WriteInt32(sign.height);
        out.WriteInt32(sign.speed);
        out.WriteInt32(sign.interval);
        out.WriteInt32(sign.cornerRadius);
        out.WriteString(sign.picturePath);
    }
    return out.Result();
}

}  // namespace rolva
