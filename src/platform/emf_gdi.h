#pragma once

#include <QtGlobal>

// The GDI drawing functions the metafile writer calls: the system's own on Windows, libEMF's
// imitation of them elsewhere. Both headers define min and max as macros unless told not to.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <libEMF/emf.h>
#endif
