// Item numbers of the button bar, shared by its template and its code.
#pragma once

#define IDC_pictbttn_Game 101
#define IDC_pictbttn_Help 102
#define IDC_pictbttn_Setup 103
#define IDC_pictbttn_Exit 104
