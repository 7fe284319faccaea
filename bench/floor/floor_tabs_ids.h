#pragma once
#define IDC_FloorOpen 103
#define IDC_FloorTabs 101
