// Resource ids of the demo disc's help program.
#pragma once

#define IDD_HELP 100
#define IDC_HELP_ICON 101
#define IDC_HELP_HEADING 102
#define IDC_HELP_TEXT 103
