// Item numbers of the Mouse page, shared by its template and its code.
#pragma once

#define IDC_slider_Sensitivity 101
#define IDC_grid_Click 102
#define IDC_grid_DoubleClick 103
#define IDC_optb_AimingToggle 104
#define IDC_optb_AimingMomentary 105
#define IDC_groupb_AnalogSetup 106
#define IDC_label_XAxis 107
#define IDC_label_YAxis 108
#define IDC_label_XScale 109
#define IDC_label_YScale 110
#define IDC_groupb_AxialSettings 111
#define IDC_groupb_Scale 112
#define IDC_grid_DigitalSetup 113
#define IDC_combo_XAxis 114
#define IDC_combo_YAxis 115
#define IDC_slider_XScale 116
#define IDC_slider_YScale 117
#define IDC_label_XScaleValue 118
#define IDC_label_YScaleValue 119
#define IDC_label_DigitalSetup 120
#define IDC_groupb_Sensitivity 121
#define IDC_label_Sensitivity 122
#define IDC_groupb_AimingMode 123
#define IDC_cb_DefaultMouse 125
