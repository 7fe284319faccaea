// Item numbers of the help window, shared by its template and its code.
#pragma once

#define IDC_pictb_Help 101
#define IDC_vscroll_Help 102
