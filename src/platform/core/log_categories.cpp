#include "log_categories.h"

// Only warnings and errors by default: the log tells what went wrong, not the poll cycle.
Q_LOGGING_CATEGORY(lcLink, "velantar.link", QtWarningMsg)
Q_LOGGING_CATEGORY(lcFiles, "velantar.files", QtWarningMsg)
Q_LOGGING_CATEGORY(lcGraph, "velantar.graph", QtWarningMsg)
Q_LOGGING_CATEGORY(lcReport, "velantar.report", QtWarningMsg)
Q_LOGGING_CATEGORY(lcApp, "velantar.app", QtWarningMsg)
