// Item numbers of the System page, shared by its template and its code.
#pragma once

#define IDC_label_CfgName 101
#define IDC_textb_CfgName 102
#define IDC_checkbox_NameChangeEnabled 103
#define IDC_groupb_ControllerType 104
#define IDC_optb_KbdOnly 105
#define IDC_optb_KbdAndMouse 106
#define IDC_optb_KbdAndJoystick 107
#define IDC_optb_KbdAndGamePad 108
#define IDC_label_GeneralComment 109
