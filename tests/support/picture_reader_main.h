// The main of a widget test that reads pictures: the program starts itself again to read each
// one, so the test's binary serves as that reader too.
#pragma once

#include <QtTest>

#include "shell/pictures/picture_reader.h"

#define QELT_TEST_MAIN_READING_PICTURES(TestObject)     \
    int main(int argc, char* argv[]) {                  \
        if (qelt::shell::IsPictureReader(argc, argv)) { \
            qelt::shell::ServePictureReader();          \
        }                                               \
        QTEST_MAIN_SETUP()                              \
        TestObject test;                                \
        return QTest::qExec(&test, argc, argv);         \
    }
