/* Resource and control identifiers: shared by the program, its resource
   script and the tests that drive the running program. */
#ifndef GEMLINK_RESOURCES_RESOURCE_H
#define GEMLINK_RESOURCES_RESOURCE_H

#define IDI_GEMLINK 1
#define IDR_MAIN_MENU 100
#define IDR_BACKGROUND 101
#define IDR_BACKGROUND_2X 102

/* Controls. Option1 and Option2 are adjacent: they form one radio group. */
#define ID_Check1 1001
#define ID_Command1 1002
#define ID_Option1 1003
#define ID_Option2 1004

/* Menu items. */
#define ID_M_Activate 2001
#define ID_M_DeActivate 2002
#define ID_M_Exit 2003
#define ID_M_Version 2004
#define ID_M_About 2005
#define ID_M_Site 2006

#endif
