// Item numbers of the autorun window, shared by its template and its code.
#pragma once

#define IDC_pictbttn_Install 101
#define IDC_pictbttn_Exit 102
