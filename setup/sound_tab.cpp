#include "setup/sound_tab.h"

#include <cwchar>
#include <initializer_list>

#include "config/setup_section.h"
#include "config/text_number.h"
#include "setup/sound_tab_ids.h"
#include "toolkit/text.h"

const wchar_t* const kBlasterNotFoundNotice =
    L"Саунд бластер не найден. Если Вы все же\n"
    L"уверены, что саунд бластер в системе есть,\n"
    L"включите его и введите параметры вручную\n"
    L"в группу \"Системные установки\".";

const wchar_t* const kSoundGeneralComment =
    L"Если в процессе игры естественный темп не всегда выдерживается,\n"
    L"можно попробовать отказаться от некоторых функций, например,\n"
    L"отключить музыку (оставив звуки). Для настройки в процессе игры\n"
    L"используйте пункт меню \"опции\". Выйти в меню можно в любой\n"
    L"момент игры, нажав Esc.";

namespace {

constexpr int kVolumeMaximum = 255;
constexpr int kVolumePage = 32;
constexpr int kCardDevice = 6;       // a card with its wave-table synthesiser
constexpr int kPlainCardDevice = 0;  // a card whose EMU line is commented out

std::wstring Format(const wchar_t* format, int value) {
  wchar_t text[32];
  std::swprintf(text, 32, format, value);
  return text;
}

KzSetupEntry* Sound(const char* name) { return KzSetupSection::GetSound_SetupEntry(name, false); }

void Store(KzSetupEntry* entry, int value) {
  if (entry) entry->value = value;
}

int ValueOf(const KzSetupEntry* entry) { return entry ? entry->value : 0; }

}  // namespace

SoundTab::SoundTab()
    : SetupPage(L"ID_SoundTab"),
      fxVolume_(Sound("FXVolume")),
      musicVolume_(Sound("MusicVolume")),
      address_(Sound("BlasterAddress")),
      midiPort_(Sound("MidiPort")),
      irq_(Sound("BlasterInterrupt")),
      dma8_(Sound("BlasterDma8")),
      dma16_(Sound("BlasterDma16")),
      fxDevice_(Sound("FXDevice")),
      musicDevice_(Sound("MusicDevice")),
      emu_(Sound("BlasterEmu")) {}

// The controls' create events come in the order they are bound, which is the order the
// values are shown in: volumes, ports, numbers, the notice, the card switch, the hint.
void SoundTab::Register() {
  SetFont("8.MS Sans Serif");
  SetName("SoundTab");
  BindControls();
  SetUpControls();
  RegisterVolume(slider_FX, label_FXVal, fxVolume_);
  RegisterVolume(slider_Music, label_MusicVal, musicVolume_);
  RegisterPort(textb_Address, address_);
  RegisterPort(textb_MidiPort, midiPort_);
  RegisterNumber(combo_IRQ, irq_);
  RegisterNumber(combo_Dma8, dma8_);
  RegisterNumber(combo_Dma16, dma16_);
  RegisterCard();
  label_GeneralComment.On<tk::Event::Create>([this] {
    label_GeneralComment.SetText(kSoundGeneralComment);
    return true;
  });
}

void SoundTab::Created() { ShowWindow(hwnd(), SW_SHOW); }

void SoundTab::BindControls() {
  Bind(TK_ITEM(groupb_Volume));
  Bind(TK_ITEM(label_FXVal));
  Bind(TK_ITEM(label_MusicVal));
  Bind(TK_ITEM(slider_FX));
  Bind(TK_ITEM(slider_Music));
  Bind(TK_ITEM(label_FX));
  Bind(TK_ITEM(label_Music));
  Bind(TK_ITEM(groupb_SystemSettings));
  Bind(TK_ITEM(textb_Address));
  Bind(TK_ITEM(textb_MidiPort));
  Bind(TK_ITEM(combo_IRQ));
  Bind(TK_ITEM(combo_Dma8));
  Bind(TK_ITEM(combo_Dma16));
  Bind(TK_ITEM(label_Address));
  Bind(TK_ITEM(label_MidiPort));
  Bind(TK_ITEM(label_IRQ));
  Bind(TK_ITEM(label_Dma8));
  Bind(TK_ITEM(label_Dma16));
  Bind(TK_ITEM(cb_SoundDefault));
  Bind(TK_ITEM(label_BlasterNotFound));
  Bind(TK_ITEM(checkbox_BlasterOff));
  Bind(TK_ITEM(label_GeneralComment));
}

void SoundTab::SetUpControls() {
  for (tk::Slider* slider : {&slider_FX, &slider_Music}) {
    slider->SetRange(0, kVolumeMaximum);
    slider->SetPageSize(kVolumePage);
    slider->SetTickFrequency(1);
  }
  for (int irq = 2; irq <= 15; ++irq) combo_IRQ.AddItem(Format(L"%d", irq), irq);
  for (int channel = 0; channel <= 7; ++channel) {
    combo_Dma8.AddItem(Format(L"%d", channel), channel);
    combo_Dma16.AddItem(Format(L"%d", channel), channel);
  }
  checkbox_BlasterOff.SetChecked(false);
}

// The slider shows the value within its range; the entry keeps whatever it holds until the
// slider moves.
void SoundTab::RegisterVolume(tk::Slider& slider, tk::Label& label, KzSetupEntry* entry) {
  slider.On<tk::Event::Create>([this, &slider, &label, entry] {
    ShowVolume(slider, label, entry);
    return true;
  });
  slider.On<tk::Event::Scroll>([&label, entry](tk::ScrollArgs& args) {
    Store(entry, args.position);
    label.SetText(Format(L" %d", args.position));
    return true;
  });
}

void SoundTab::RegisterPort(tk::TextBox& box, KzSetupEntry* entry) {
  box.On<tk::Event::Create>([this, &box, entry] {
    ShowPort(box, entry);
    return true;
  });
  box.On<tk::Event::Change>([this, &box, entry] {
    if (filling_.Active()) return true;
    Store(entry, kz::TextToInteger(tk::Narrow(box.Text()), 16));
    return true;
  });
}

// Typed text on each keystroke; a chosen item by its own text, as the field shows it only
// after the notice.
void SoundTab::RegisterNumber(tk::EditableComboBox& combo, KzSetupEntry* entry) {
  combo.On<tk::Event::Create>([this, &combo, entry] {
    ShowNumber(combo, entry);
    return true;
  });
  combo.On<tk::Event::Change>([&combo, entry] {
    Store(entry, kz::TextToInteger(tk::Narrow(combo.FieldText()), 10));
    return true;
  });
  combo.On<tk::Event::Select>([&combo, entry] {
    const int selected = combo.Selected();
    if (selected >= 0) Store(entry, kz::TextToInteger(tk::Narrow(combo.ItemText(selected)), 10));
    return true;
  });
}

void SoundTab::RegisterCard() {
  label_BlasterNotFound.On<tk::Event::Create>([this] {
    label_BlasterNotFound.SetText(Context().soundCardFound ? L"" : kBlasterNotFoundNotice);
    return true;
  });
  // Without a detected card the switch starts off whatever the file says.
  checkbox_BlasterOff.On<tk::Event::Create>([this] {
    const bool off = !Context().soundCardFound || ValueOf(fxDevice_) == kNoSoundDevice ||
                     ValueOf(musicDevice_) == kNoSoundDevice;
    checkbox_BlasterOff.SetChecked(off);
    ApplyCardSwitch();
    return true;
  });
  checkbox_BlasterOff.On<tk::Event::Click>([this] {
    ApplyCardSwitch();
    return true;
  });
  cb_SoundDefault.On<tk::Event::Click>([this] {
    RestoreDefaults();
    return true;
  });
}

void SoundTab::ShowVolume(tk::Slider& slider, tk::Label& label, const KzSetupEntry* entry) {
  slider.SetPosition(ValueOf(entry));
  label.SetText(Format(L" %d", slider.Position()));
}

// Called while filling: the box raises its change event for the text set here too.
void SoundTab::ShowPort(tk::TextBox& box, const KzSetupEntry* entry) {
  box.SetText(Format(L"%X", ValueOf(entry)));
}

void SoundTab::ShowNumber(tk::EditableComboBox& combo, const KzSetupEntry* entry) {
  combo.SetFieldText(Format(L"%d", ValueOf(entry)));
}

// Both device codes follow the switch, on opening as on every click.
void SoundTab::ApplyCardSwitch() {
  const bool off = checkbox_BlasterOff.IsChecked();
  const bool emuCommentedOut = emu_ && emu_->disabled;
  Store(musicDevice_, off ? kNoSoundDevice : emuCommentedOut ? kPlainCardDevice : kCardDevice);
  Store(fxDevice_, ValueOf(musicDevice_));
  for (tk::Control* control : std::initializer_list<tk::Control*>{
           &textb_Address, &textb_MidiPort, &combo_IRQ, &combo_Dma8, &combo_Dma16})
    control->Enable(!off);
}

// The switch and the controls' enabled state stay as they are; the device codes take their
// defaults until the next click derives them again.
void SoundTab::RestoreDefaults() {
  KzSetupSection::SetDefaults("Sound Setup", nullptr);
  tk::Filling::Scope filling(filling_);
  ShowPort(textb_Address, address_);
  ShowPort(textb_MidiPort, midiPort_);
  ShowNumber(combo_IRQ, irq_);
  ShowNumber(combo_Dma8, dma8_);
  ShowNumber(combo_Dma16, dma16_);
  ShowVolume(slider_FX, label_FXVal, fxVolume_);
  ShowVolume(slider_Music, label_MusicVal, musicVolume_);
}
