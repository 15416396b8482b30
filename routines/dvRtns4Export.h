// Symbol visibility of the general routines library.
#pragma once

#include <QtCore/qglobal.h>

#if defined(DVRTNS4_BUILD)
#define DVRTNS4_EXPORT Q_DECL_EXPORT
#else
#define DVRTNS4_EXPORT Q_DECL_IMPORT
#endif
