#include "document/core/SettingsFile.h"

namespace rolva {

ReadResult DecodeSettings(ByteSource& source, SettingsRecord* record)
{
    FieldReader in(source);
    in.ReadInt32(&record->formLeft);
    in.ReadInt32(&record->formTop);
    in.ReadInt32(&record->formWidth);
    in.ReadInt32(&record->formHeight);
    in.ReadInt32(&record->panelLeft);
    in.ReadInt32(&record->panelTop);
    return in.Result();
}

WriteResult EncodeSettings(const SettingsRecord& record, ByteSink& sink)
{
    DataFileWriter out(sink);
    out.WriteInt32(record.formLeft);
    out.WriteInt32(record.formTop);
    out.WriteInt32(record.formWidth);
    out.WriteInt32(record.formHeight);
    out.WriteInt32(record.panelLeft);
    out.WriteInt32(record.panelTop);
    return out.Result();
}

}  // namespace rolva
