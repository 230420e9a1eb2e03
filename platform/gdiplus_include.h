// GDI+ with the COM declarations its headers expect to be present.
#pragma once

#include <windows.h>
#include <objidl.h>
#include <propidl.h>
#include <gdiplus.h>
