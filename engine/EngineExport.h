// Symbol visibility of the database engine library: what the program, the
// database routines library and other programs linking it may use.
#pragma once

#include <QtCore/qglobal.h>

#if defined(LEXORA_ENGINE_BUILD)
#define LEXORA_ENGINE_EXPORT Q_DECL_EXPORT
#else
#define LEXORA_ENGINE_EXPORT Q_DECL_IMPORT
#endif
