#pragma once
// Resource numbers of the embedded pictures (raw files stored as RCDATA) and of the manifest.
// Shared by the resource script and the code that decodes the pictures at start-up.

#define RES_IMAGE_BASE 1000          // image N (1 to 19) is resource RES_IMAGE_BASE + N
// Images 7, 8 and 12 (the banner, side and About pictures) at 1.5 and 2 times their size; icons hold every size.
#define RES_IMAGE_150_BASE 1200      // image N at 1.5 times is RES_IMAGE_150_BASE + N
#define RES_IMAGE_200_BASE 1300      // image N at 2 times is RES_IMAGE_200_BASE + N
#define RES_ICON_RENAME 1101
#define RES_ICON_CLEAR 1102
#define RES_ICON_REMOVE 1103
#define RES_ICON_HELP 1104
#define RES_ICON_QUIT 1105
#define RES_ICON_CHARACTERS 1106
#define RES_APP_ICON 1               // the program file's own icon, shown by Explorer
