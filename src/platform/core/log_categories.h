#pragma once

#include <QLoggingCategory>

// One logging category a library: a support call can switch one on in full with
// QT_LOGGING_RULES="velantar.link.debug=true". Warnings and errors of every category go to
// standard error and to the working folder's log (see AppLog).
Q_DECLARE_LOGGING_CATEGORY(lcLink)
Q_DECLARE_LOGGING_CATEGORY(lcFiles)
Q_DECLARE_LOGGING_CATEGORY(lcGraph)
Q_DECLARE_LOGGING_CATEGORY(lcReport)
Q_DECLARE_LOGGING_CATEGORY(lcApp)
