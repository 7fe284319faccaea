#include "setup/analog_controls.h"

#include <cwchar>
#include <iterator>

#include "config/ascii.h"

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

void StoreScale(int position, tk::Label& label, KzSetupEntry* entry, ScaleScaling scaling) {
  if (entry) entry->value = position * scaling.divisor;
  label.SetText(ScaleText(position, scaling.labelDivisor));
}

void FillAxisCombo(tk::ComboBox& combo, const KzSetupEntry* entry) {
  combo.Clear();
  for (size_t i = 0; i < std::size(kAxisFunctions); ++i)
    combo.AddItem(kAxisFunctions[i].text, LPARAM(i));
  combo.Select(-1);
  if (!entry) return;
  for (size_t i = 0; i < std::size(kAxisFunctions); ++i)
    if (kz::AsciiEqualNoCase(entry->text1, kAxisFunctions[i].value)) combo.SelectByValue(LPARAM(i));
}

void StoreAxisFunction(const tk::ComboBox& combo, KzSetupEntry* entry) {
  const int selected = combo.Selected();
  if (!entry || selected < 0) return;
  const LPARAM function = combo.ItemValue(selected);
  if (function < 0 || size_t(function) >= std::size(kAxisFunctions)) return;
  SetEntryText(entry->text1, kAxisFunctions[function].value);
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
