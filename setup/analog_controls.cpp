#include "setup/analog_controls.h"

#include <cwchar>
#include <iterator>

#include "config/ascii.h"
#include "config/setup_section.h"

namespace {

constexpr int kSliderPageSize = 32;

// A slider's move: the entry takes position x divisor, the label the shown scale.
void StoreScale(int position, tk::Label& label, KzSetupEntry* entry, ScaleScaling scaling) {
  if (entry) entry->value = position * scaling.divisor;
  label.SetText(ScaleText(position, scaling.labelDivisor));
}

// Refills the combo with the three functions and selects the entry's one (case does not
// matter). An entry holding none of them leaves the combo without a selection: the file's
// text is kept until the player picks a function.
void FillAxisCombo(tk::ComboBox& combo, const KzSetupEntry* entry) {
  combo.Clear();
  for (size_t i = 0; i < std::size(kAxisFunctions); ++i)
    combo.AddItem(kAxisFunctions[i].text, LPARAM(i));
  combo.Select(-1);
  if (!entry) return;
  for (size_t i = 0; i < std::size(kAxisFunctions); ++i)
    if (kz::AsciiEqualNoCase(entry->text1, kAxisFunctions[i].value)) combo.SelectByValue(LPARAM(i));
}

// The player's pick: the entry takes the value of the combo's selected item.
void StoreAxisFunction(const tk::ComboBox& combo, KzSetupEntry* entry) {
  const int selected = combo.Selected();
  if (!entry || selected < 0) return;
  const LPARAM function = combo.ItemValue(selected);
  if (function < 0 || size_t(function) >= std::size(kAxisFunctions)) return;
  SetEntryText(entry->text1, kAxisFunctions[function].value);
}

// The combo's create event fills it, the player's pick stores it.
void RegisterAxisCombo(tk::ComboBox& combo, KzSetupEntry* entry) {
  combo.On<tk::Event::Create>([&combo, entry] {
    FillAxisCombo(combo, entry);
    return true;
  });
  combo.On<tk::Event::Select>([&combo, entry] {
    StoreAxisFunction(combo, entry);
    return true;
  });
}

}  // namespace

std::wstring ScaleText(int position, int labelDivisor) {
  wchar_t text[32];
  std::swprintf(text, std::size(text), L" %.2f", double(position) / double(labelDivisor));
  return text;
}

void ScaleToSlider(tk::Slider& slider, tk::Label& label, const KzSetupEntry* entry,
                   ScaleScaling scaling) {
  if (entry) slider.SetPosition(entry->value / scaling.divisor);  // C++ truncates toward zero
  label.SetText(ScaleText(slider.Position(), scaling.labelDivisor));
}

void RegisterScaleSlider(tk::Slider& slider, tk::Label& label, KzSetupEntry* entry,
                         ScaleScaling scaling, int minimum, int maximum) {
  slider.SetRange(minimum, maximum);
  slider.SetPageSize(kSliderPageSize);
  slider.On<tk::Event::Create>([&slider, &label, entry, scaling] {
    ScaleToSlider(slider, label, entry, scaling);
    return true;
  });
  slider.On<tk::Event::Scroll>([&label, entry, scaling](tk::ScrollArgs& moved) {
    StoreScale(moved.position, label, entry, scaling);
    return true;
  });
}

AnalogControls::AnalogControls(const AnalogKeys& keys)
    : xAxis_(KzSetupSection::GetControlsEntry(keys.xAxis)),
      yAxis_(KzSetupSection::GetControlsEntry(keys.yAxis)),
      xScale_(KzSetupSection::GetControlsEntry(keys.xScale)),
      yScale_(KzSetupSection::GetControlsEntry(keys.yScale)) {}

void AnalogControls::Register() {
  RegisterAxisCombo(combo_XAxis, xAxis_);
  RegisterAxisCombo(combo_YAxis, yAxis_);
  RegisterScaleSlider(slider_XScale, label_XScaleValue, xScale_, kAxisScaling, -kScaleLimit,
                      kScaleLimit);
  RegisterScaleSlider(slider_YScale, label_YScaleValue, yScale_, kAxisScaling, -kScaleLimit,
                      kScaleLimit);
}

void AnalogControls::Show() {
  FillAxisCombo(combo_XAxis, xAxis_);
  FillAxisCombo(combo_YAxis, yAxis_);
  ScaleToSlider(slider_XScale, label_XScaleValue, xScale_, kAxisScaling);
  ScaleToSlider(slider_YScale, label_YScaleValue, yScale_, kAxisScaling);
}
