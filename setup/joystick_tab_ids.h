// Item numbers of the Joystick and game-pad page, shared by its template and its code.
#pragma once

#define IDC_optb_Port1 101
#define IDC_optb_Port2 102
#define IDC_checkbox_Rudder 104
#define IDC_grid_Joystick 105
#define IDC_combo_XAxis 106
#define IDC_combo_YAxis 107
#define IDC_slider_XScale 108
#define IDC_slider_YScale 109
#define IDC_cb_JoystickDefault 110
#define IDC_groupb_AnalogSetup 111
#define IDC_label_XAxis 112
#define IDC_label_YAxis 113
#define IDC_label_XScale 114
#define IDC_label_YScale 115
#define IDC_groupb_AxialSettings 116
#define IDC_groupb_Scale 117
#define IDC_label_XScaleValue 118
#define IDC_label_YScaleValue 119
#define IDC_groupb_Misc 120
#define IDC_label_Comment 121
