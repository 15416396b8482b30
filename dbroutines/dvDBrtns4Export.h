// Symbol visibility of the database routines library.
#pragma once

#include <QtCore/qglobal.h>

#if defined(DVDBRTNS4_BUILD)
#define DVDBRTNS4_EXPORT Q_DECL_EXPORT
#else
#define DVDBRTNS4_EXPORT Q_DECL_IMPORT
#endif
