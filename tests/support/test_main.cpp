#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Every test executable owns one QApplication on the offscreen platform, so that
// widgets and painting work without a display.
int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // Recovery copies of every editor a test makes stay out of the user's folder.
    QTemporaryDir recovery;
    if (qEnvironmentVariableIsEmpty("BRENWICK_RECOVERY_DIR"))
        qputenv("BRENWICK_RECOVERY_DIR", recovery.path().toLocal8Bit());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
