// The analog settings that the Mouse and Joystick pages show alike: the functions of a device's
// X and Y axes in two combos, and their fixed-point scales on two sliders, framed and captioned.
// Each page holds one AnalogControls; the items have the same names in both pages' templates,
// each page with numbers of its own.
//
// Scales are stored as fixed-point numbers: a slider position p stands for the value
// p x divisor, and its label shows p / label divisor. A mouse sensitivity of 1.0 is 32768
// (position 64, divisor 512, label divisor 64), an axis scale of 1.0 is 65536 (position 16,
// divisor 4096, label divisor 16).
#pragma once

#include <string>

#include "config/setup_entry.h"
#include "toolkit/combo_box.h"
#include "toolkit/group_box.h"
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

// " %.2f" of position / label divisor, with the leading blank.
std::wstring ScaleText(int position, int labelDivisor);

// Shows the entry's value on the slider (value / divisor, truncated toward zero, kept within
// the slider's range) and the position the slider took in the label. The entry is not
// changed: a value outside the range stays as it is until the slider moves.
void ScaleToSlider(tk::Slider& slider, tk::Label& label, const KzSetupEntry* entry,
                   ScaleScaling scaling);
// Registers a scale slider's handlers: its create event shows the entry (ScaleToSlider), its
// moves store position x divisor and show the scale. Also sets its range and page size.
void RegisterScaleSlider(tk::Slider& slider, tk::Label& label, KzSetupEntry* entry,
                         ScaleScaling scaling, int minimum, int maximum);

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

// The Controls entries of a device's two analog axes.
struct AnalogKeys {
  const char* xAxis;  // the axes' functions, in text1
  const char* yAxis;
  const char* xScale;  // the axes' scales, in value
  const char* yScale;
};

class AnalogControls {
 public:
  // Looks up the device's four entries in the current tables.
  explicit AnalogControls(const AnalogKeys& keys);

  tk::ComboBox combo_XAxis;
  tk::ComboBox combo_YAxis;
  tk::Slider slider_XScale;
  tk::Slider slider_YScale;
  tk::GroupBox groupb_AnalogSetup;
  tk::Label label_XAxis;
  tk::Label label_YAxis;
  tk::Label label_XScale;
  tk::Label label_YScale;
  tk::GroupBox groupb_AxialSettings;
  tk::GroupBox groupb_Scale;
  tk::Label label_XScaleValue;
  tk::Label label_YScaleValue;

  // Registers the combos' and sliders' handlers (their create events show the entries, the
  // player's picks and moves store them) and sets the sliders' ranges.
  void Register();
  // Shows the entries again, after a reset.
  void Show();

 private:
  KzSetupEntry* xAxis_;
  KzSetupEntry* yAxis_;
  KzSetupEntry* xScale_;
  KzSetupEntry* yScale_;
};

// Bind arguments of a group's control, as TK_ITEM gives them for a form's own: the control, the
// number of the form's item of its name, and the name.
#define TK_GROUP_ITEM(group, control) (group).control, IDC_##control, #control

// Bind the group's combos and sliders, then its frames and labels, to the page's items of the
// same names. Each page places the two steps in its own order of binding, which is the order of
// its controls' create events. Macros, like TK_ITEM: expanded in the page's code, they take the
// numbers of the page's own ids header.
#define BIND_ANALOG_INPUTS(page, group)                                                            \
  ((page).Bind(TK_GROUP_ITEM(group, combo_XAxis)), (page).Bind(TK_GROUP_ITEM(group, combo_YAxis)), \
   (page).Bind(TK_GROUP_ITEM(group, slider_XScale)),                                               \
   (page).Bind(TK_GROUP_ITEM(group, slider_YScale)))
#define BIND_ANALOG_FRAMES(page, group)                                                            \
  ((page).Bind(TK_GROUP_ITEM(group, groupb_AnalogSetup)),                                          \
   (page).Bind(TK_GROUP_ITEM(group, label_XAxis)), (page).Bind(TK_GROUP_ITEM(group, label_YAxis)), \
   (page).Bind(TK_GROUP_ITEM(group, label_XScale)),                                                \
   (page).Bind(TK_GROUP_ITEM(group, label_YScale)),                                                \
   (page).Bind(TK_GROUP_ITEM(group, groupb_AxialSettings)),                                        \
   (page).Bind(TK_GROUP_ITEM(group, groupb_Scale)),                                                \
   (page).Bind(TK_GROUP_ITEM(group, label_XScaleValue)),                                           \
   (page).Bind(TK_GROUP_ITEM(group, label_YScaleValue)))
