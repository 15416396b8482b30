// Symbol visibility of the control library.
#pragma once

#include <QtCore/qglobal.h>

#if defined(DRAVIK_BUILD)
#define DRAVIK_EXPORT Q_DECL_EXPORT
#else
#define DRAVIK_EXPORT Q_DECL_IMPORT
#endif
