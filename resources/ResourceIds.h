/* Resource identifiers shared by Rolva.rc and the program's code.
   Plain macros only: the resource compiler understands nothing else. */
#ifndef ROLVA_RESOURCE_IDS_H
#define ROLVA_RESOURCE_IDS_H

/* Program icon */
#define IDI_PROGRAM       215

/* Banner and splash / About picture */
#define IDB_BANNER        101
#define IDB_SPLASH        102

/* Keypad faces: IDB_KEY_FIRST + n for the digit n, then the function keys */
#define IDB_KEY_FIRST     200
#define IDB_KEY_0         200
#define IDB_KEY_1         201
#define IDB_KEY_2         202
#define IDB_KEY_3         203
#define IDB_KEY_4         204
#define IDB_KEY_5         205
#define IDB_KEY_6         206
#define IDB_KEY_7         207
#define IDB_KEY_8         208
#define IDB_KEY_9         209
#define IDB_KEY_C         210
#define IDB_KEY_FORWARD   211
#define IDB_KEY_BACK      212
#define IDB_KEY_RESET     213
#define IDB_KEY_ON        214
#define IDB_KEY_LAST      214
#define IDB_KEY_COUNT     15

/* Help button picture */
#define IDB_HELP_BUTTON   300

#endif /* ROLVA_RESOURCE_IDS_H */
