// Item numbers of the Screen page, shared by its template and its code.
#pragma once

#define IDC_groupb_Resolution 101
#define IDC_optb_640x480 102
#define IDC_optb_800x600 103
