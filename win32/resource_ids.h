#pragma once

// Resource and command identifiers of the Windows front end. Commands stay clear of IDOK (1)
// and IDCANCEL (2), which the dialog manager sends for Enter and Esc.
#define IDI_ICON1 1
#define IDI_MAIL 2
#define IDB_DONATION 10
#define IDB_BANNER 11
#define IDB_DONATION_2X 12 // the two pictures drawn at twice the size
#define IDB_BANNER_2X 13
#define IDC_HAND_CURSOR 20
#define IDM_ABOUT 100
