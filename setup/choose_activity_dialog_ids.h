// Item numbers of the activity chooser, shared by its template and its code.
#pragma once

#define IDC_lb_ChooseActivity 101
#define IDC_cb_OK 102
#define IDC_cb_Cancel 103
#define IDC_pictb_ChooseActivity 104
#define IDC_label_ChooseActivity 105
