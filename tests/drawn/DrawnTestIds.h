#pragma once

// Resource ids of the drawn-control tests.

#define IDD_PLACEHOLDERS 100
#define IDC_PLACEHOLDER 1001
#define IDC_SUBCLASSED 1002

// One of every drawn control, for the gradient and the skin dialog.
#define IDD_ALL_CONTROLS 200
#define IDC_A_STATIC 2001
#define IDC_A_TSTATIC 2002
#define IDC_A_CHECK 2003
#define IDC_A_GROUP 2004
#define IDC_A_BAR 2005
#define IDC_A_GAUGE 2006
#define IDC_A_PROGRESS 2007
#define IDC_A_COMPOSITE 2008
#define IDC_A_BUTTON 2009
#define IDC_A_IMAGEBUTTON 2010
#define IDC_A_COMBO 2011
#define IDC_A_SPIN 2012
#define IDC_A_EDIT 2013
#define IDC_A_SLIDER 2014
#define IDC_A_PROGRESSBAR 2015
#define IDC_A_PANEL 2016
