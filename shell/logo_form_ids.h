// Item numbers of the logo window, shared by its template and its code.
#pragma once

#define IDC_mediapl_Logo 101
