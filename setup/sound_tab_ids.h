// Item numbers of the Sound page, shared by its template and its code.
#pragma once

#define IDC_groupb_Volume 101
#define IDC_label_FXVal 102
#define IDC_label_MusicVal 103
#define IDC_slider_FX 104
#define IDC_slider_Music 105
#define IDC_label_FX 106
#define IDC_label_Music 107
#define IDC_groupb_SystemSettings 108
#define IDC_textb_Address 109
#define IDC_textb_MidiPort 110
#define IDC_combo_IRQ 111
#define IDC_combo_Dma8 112
#define IDC_combo_Dma16 113
#define IDC_label_Address 114
#define IDC_label_MidiPort 115
#define IDC_label_IRQ 116
#define IDC_label_Dma8 117
#define IDC_label_Dma16 118
#define IDC_cb_SoundDefault 119
#define IDC_label_BlasterNotFound 120
#define IDC_checkbox_BlasterOff 121
#define IDC_label_GeneralComment 122
