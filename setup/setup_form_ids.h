// Item numbers of the setup dialog, shared by its template and its code.
#pragma once

#define IDC_tabctrl_1 101
#define IDC_pictb_Animation 102
#define IDC_pictb_TabIcon 103
