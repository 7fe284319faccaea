// What the Mouse and Joystick pages share for their analog settings: the fixed-point scales
// shown on sliders, and the axis functions offered in the axis combos.
//
// Scales are stored as fixed-point numbers: a slider position p stands for the value
// p x divisor, and its label shows p / label divisor. A mouse sensitivity of 1.0 is 32768
// (position 64, divisor 512, label divisor 64), an axis scale of 1.0 is 65536 (position 16,
// divisor 4096, label divisor 16).
#pragma once

#include <string>

#include "config/setup_entry.h"
#include "toolkit/combo_box.h"
#include "toolkit/label.h"
#include "toolkit/slider.h"

struct ScaleScaling {
  int divisor;       // entry value per slider step
  int labelDivisor;  // slider steps per 1.0 shown
};
inline constexpr ScaleScaling kSensitivityScaling{512, 64};
inline constexpr ScaleScaling kAxisScaling{4096, 16};
inline constexpr int kSensitivityMaximum = 256;
inline constexpr int kScaleLimit = 128;  // the scale sliders run from -128 to 128
inline constexpr int kSliderPageSize = 32;

// " %.2f" of position / label divisor, with the leading blank.
std::wstring ScaleText(int position, int labelDivisor);

// Shows the entry's value on the slider (value / divisor, truncated toward zero, kept within
// the slider's range) and the position the slider took in the label. The entry is not
// changed: a value outside the range stays as it is until the slider moves.
void ScaleToSlider(tk::Slider& slider, tk::Label& label, const KzSetupEntry* entry,
                   ScaleScaling scaling);
// A slider's move: the entry takes position x divisor, the label the shown scale.
void StoreScale(int position, tk::Label& label, KzSetupEntry* entry, ScaleScaling scaling);

// The three axis functions, in their combo order: the value stored in text1, the text shown.
struct AxisFunction {
  const char* value;
  const wchar_t* text;
};
inline constexpr AxisFunction kAxisFunctions[] = {
    {"analog_turning", L"Пропорциональный поворот"},
    {"analog_strafing", L"Пропорциональне движение боком"},
    {"analog_moving", L"Пропорциональное движение"},
};

// Refills the combo with the three functions and selects the entry's one (case does not
// matter). An entry holding none of them leaves the combo without a selection: the file's
// text is kept until the player picks a function.
void FillAxisCombo(tk::ComboBox& combo, const KzSetupEntry* entry);
// The player's pick: the entry takes the value of the combo's selected item.
void StoreAxisFunction(const tk::ComboBox& combo, KzSetupEntry* entry);

// Registers a scale slider's handlers: its create event shows the entry (ScaleToSlider), its
// moves store it. Also sets its range and page size.
void RegisterScaleSlider(tk::Slider& slider, tk::Label& label, KzSetupEntry* entry,
                         ScaleScaling scaling, int minimum, int maximum);
// Registers an axis combo's handlers: its create event fills it, the player's pick stores it.
void RegisterAxisCombo(tk::ComboBox& combo, KzSetupEntry* entry);
