// The fourteen number fields of the settings dialog: which up-down and edit box each one is,
// what it changes, and the range its arrows keep to.
#pragma once

#include <cstdint>

namespace rolva {

enum class FieldTarget {
    FormWidth,
    FormHeight,
    SignLeft,
    SignTop,
    SignWidth,
    SignHeight,
    ManuscriptFrames,
    CornerRadius,
};

struct NumberField {
    int upDownId;
    int editId;
    FieldTarget target;
    int sign;  // 0 or 1; unused for the Form's fields
    int minimum;
    int maximum;
};

constexpr int kNumberFieldCount = 14;

// In the order the dialog sets their ranges and positions when it opens.
extern const NumberField kNumberFields[kNumberFieldCount];

// The field served by an up-down, or nullptr for any other control.
const NumberField* FindNumberField(int upDownId);

// A value as the field can show it: the nearest limit when outside the range.
int ClampToField(const NumberField& field, std::int64_t value);

// One arrow step: the position the control holds plus the step, kept within the range.
int StepFieldValue(const NumberField& field, int position, int delta);

}  // namespace rolva
