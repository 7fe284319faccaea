// Item numbers of the Keyboard page, shared by its template and its code.
#pragma once

#define IDC_grid_Activities 101
#define IDC_label_Help 102
#define IDC_label_IsAssigned 103
#define IDC_cb_DefaultKeys 104
