// Tab 1 of the setup form: the volumes of effects and music, the Sound Blaster's hardware
// settings, and whether the card is used at all (FXDevice and MusicDevice: 13 = no card,
// otherwise 0 or 6, by whether the EMU line is commented out). It edits the current Sound
// Setup table, every change at once, without checking any value; it tells the player when the
// start-up detection found no card.
#pragma once

#include <string>

#include "config/setup_entry.h"
#include "setup/setup_page.h"
#include "toolkit/check_box.h"
#include "toolkit/editable_combo_box.h"
#include "toolkit/group_box.h"
#include "toolkit/label.h"
#include "toolkit/slider.h"
#include "toolkit/text_box.h"

extern const wchar_t* const kBlasterNotFoundNotice;
extern const wchar_t* const kSoundGeneralComment;

// Device code of "no sound card".
inline constexpr int kNoSoundDevice = 13;

class SoundTab : public SetupPage {
 public:
  // Looks up the page's ten entries in the current tables.
  SoundTab();

  tk::GroupBox groupb_Volume;
  tk::Label label_FXVal;
  tk::Label label_MusicVal;
  tk::Slider slider_FX;
  tk::Slider slider_Music;
  tk::Label label_FX;
  tk::Label label_Music;
  tk::GroupBox groupb_SystemSettings;
  tk::TextBox textb_Address;
  tk::TextBox textb_MidiPort;
  tk::EditableComboBox combo_IRQ;
  tk::EditableComboBox combo_Dma8;
  tk::EditableComboBox combo_Dma16;
  tk::Label label_Address;
  tk::Label label_MidiPort;
  tk::Label label_IRQ;
  tk::Label label_Dma8;
  tk::Label label_Dma16;
  tk::Button cb_SoundDefault;
  tk::Label label_BlasterNotFound;
  tk::CheckBox checkbox_BlasterOff;
  tk::Label label_GeneralComment;

 private:
  void Register() override;
  void Created() override;
  void BindControls();
  void SetUpControls();
  void RegisterVolume(tk::Slider& slider, tk::Label& label, KzSetupEntry* entry);
  void RegisterPort(tk::TextBox& box, KzSetupEntry* entry);
  void RegisterNumber(tk::EditableComboBox& combo, KzSetupEntry* entry);
  void RegisterCard();
  void ShowVolume(tk::Slider& slider, tk::Label& label, const KzSetupEntry* entry);
  void ShowPort(tk::TextBox& box, const KzSetupEntry* entry);
  void ShowNumber(tk::EditableComboBox& combo, const KzSetupEntry* entry);
  void ApplyCardSwitch();
  void RestoreDefaults();

  KzSetupEntry* fxVolume_;
  KzSetupEntry* musicVolume_;
  KzSetupEntry* address_;
  KzSetupEntry* midiPort_;
  KzSetupEntry* irq_;
  KzSetupEntry* dma8_;
  KzSetupEntry* dma16_;
  KzSetupEntry* fxDevice_;
  KzSetupEntry* musicDevice_;
  KzSetupEntry* emu_;
};
