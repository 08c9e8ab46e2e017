#include <QCoreApplication>
#include <gtest/gtest.h>

// Presenters and models run without widgets: a core application object is all they get.
int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
