#include "settings/core/NumberFields.h"

#include <algorithm>

#include "settings/SettingsIds.h"

namespace rolva {

namespace {

constexpr int kFormMinimum = 20;
constexpr int kPlaceMaximum = 1024;
constexpr int kFramesMaximum = 20;
constexpr int kCornerMaximum = 50;

}  // namespace

const NumberField kNumberFields[kNumberFieldCount] = {
    {kFormWidthUpDownId, kFormWidthEditId, FieldTarget::FormWidth, 0, kFormMinimum, kPlaceMaximum},
    {kFormHeightUpDownId, kFormHeightEditId, FieldTarget::FormHeight, 0, kFormMinimum, kPlaceMaximum},
    {kLeftUpDownIds[0], kLeftEditIds[0], FieldTarget::SignLeft, 0, 0, kPlaceMaximum},
    {kTopUpDownIds[0], kTopEditIds[0], FieldTarget::SignTop, 0, 0, kPlaceMaximum},
    {kWidthUpDownIds[0], kWidthEditIds[0], FieldTarget::SignWidth, 0, 1, kPlaceMaximum},
    {kHeightUpDownIds[0], kHeightEditIds[0], FieldTarget::SignHeight, 0, 1, kPlaceMaximum},
    {kLeftUpDownIds[1], kLeftEditIds[1], FieldTarget::SignLeft, 1, 0, kPlaceMaximum},
    {kTopUpDownIds[1], kTopEditIds[1], FieldTarget::SignTop, 1, 0, kPlaceMaximum},
    {kWidthUpDownIds[1], kWidthEditIds[1], FieldTarget::SignWidth, 1, 1, kPlaceMaximum},
    {kHeightUpDownIds[1], kHeightEditIds[1], FieldTarget::SignHeight, 1, 1, kPlaceMaximum},
    {kFramesUpDownIds[0], kFramesEditIds[0], FieldTarget::ManuscriptFrames, 0, 1, kFramesMaximum},
    {kFramesUpDownIds[1], kFramesEditIds[1], FieldTarget::ManuscriptFrames, 1, 1, kFramesMaximum},
    {kCornerUpDownIds[0], kCornerEditIds[0], FieldTarget::CornerRadius, 0, 0, kCornerMaximum},
    {kCornerUpDownIds[1], kCornerEditIds[1], FieldTarget::CornerRadius, 1, 0, kCornerMaximum},
};

const NumberField* FindNumberField(int upDownId)
{
    for (const NumberField& field : kNumberFields) {
        if (field.upDownId == upDownId)
            return &field;
    }
    return nullptr;
}

int ClampToField(const NumberField& field, std::int64_t value)
{
    return static_cast<int>(std::clamp<std::int64_t>(value, field.minimum, field.maximum));
}

int StepFieldValue(const NumberField& field, int position, int delta)
{
    // Summed in 64 bits: a held arrow can bring a large step.
    return ClampToField(field, static_cast<std::int64_t>(position) + delta);
}

}  // namespace rolva
