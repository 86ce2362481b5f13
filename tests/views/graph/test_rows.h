#pragma once

#include <QtTest>

// The value of a column of the current test row, for use inside expressions where QFETCH's
// declaration does not fit.
template <typename T> T fetch(const char *column) {
    return *static_cast<T *>(QTest::qData(column, qMetaTypeId<T>()));
}
