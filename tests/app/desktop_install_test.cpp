#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// The menu entry and the installed tree: what a desktop needs to list the editor
// with its icon and to hand it a project file.

namespace {

QString sourceRoot()
{
    // the test data folder is tests/data of the source tree (it need not exist)
    return QDir::cleanPath(QStringLiteral(BRENWICK_TEST_DATA "/../.."));
}

QString buildRoot()
{
    return QFileInfo(QStringLiteral(BRENWICK_CLI_PATH)).absolutePath();
}

QString desktopFile()
{
    return sourceRoot() + QStringLiteral("/resources/brenwick.desktop");
}

// The value of a key in the [Desktop Entry] group, read as plain text lines
// (QSettings would treat ';' lists and escapes its own way).
QString entry(const QString &path, const QString &key)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    for (const QString &line : lines)
        if (line.startsWith(key + QLatin1Char('=')))
            return line.mid(key.size() + 1);
    return {};
}

const int kIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

} // namespace

TEST(DesktopEntry, StartsTheEditorWithTheFileAndShowsItsIcon)
{
    const QString path = desktopFile();
    ASSERT_TRUE(QFileInfo::exists(path));
    EXPECT_EQ(entry(path, QStringLiteral("Exec")), QStringLiteral("brenwick %f"));
    EXPECT_EQ(entry(path, QStringLiteral("Type")), QStringLiteral("Application"));
    EXPECT_EQ(entry(path, QStringLiteral("Name")), QStringLiteral("Velmora Brenwick"));
    EXPECT_EQ(entry(path, QStringLiteral("Icon")), QStringLiteral("brenwick"));
    EXPECT_EQ(entry(path, QStringLiteral("Terminal")), QStringLiteral("false"));
    for (int size : kIconSizes) {
        const QImage icon(sourceRoot() + QStringLiteral("/resources/hicolor/%1x%1/apps/brenwick.png").arg(size));
        ASSERT_FALSE(icon.isNull()) << size;
        EXPECT_EQ(icon.size(), QSize(size, size));
    }
}

TEST(DesktopEntry, PassesTheValidator)
{
    const QString validator = QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
    if (validator.isEmpty())
        GTEST_SKIP() << "desktop-file-validate is not installed";
    QProcess p;
    p.start(validator, {desktopFile()});
    ASSERT_TRUE(p.waitForFinished(30000));
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardOutput().toStdString() << p.readAllStandardError().toStdString();
}

TEST(InstallTree, PutsProgramsMenuEntryIconsAndHelpInTheirPlaces)
{
    const QString cmake = QStandardPaths::findExecutable(QStringLiteral("cmake"));
    if (cmake.isEmpty())
        GTEST_SKIP() << "cmake is not on the path";
    // The editor is installed once it is built; a build of the tests alone may
    // not have built it yet.
    QFile script(buildRoot() + QStringLiteral("/cmake_install.cmake"));
    ASSERT_TRUE(script.open(QIODevice::ReadOnly));
    const QString editor = buildRoot() + QStringLiteral("/brenwick");
    if (script.readAll().contains((editor + QLatin1Char('"')).toUtf8()) && !QFileInfo::exists(editor))
        GTEST_SKIP() << "the editor is not built yet";
    QTemporaryDir prefix;
    ASSERT_TRUE(prefix.isValid());
    QProcess p;
    p.start(cmake, {QStringLiteral("--install"), buildRoot(), QStringLiteral("--prefix"), prefix.path()});
    ASSERT_TRUE(p.waitForFinished(120000));
    ASSERT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();

    const QDir root(prefix.path());
    EXPECT_TRUE(QFileInfo(root.filePath(QStringLiteral("bin/brenwick-cli"))).isExecutable());
    if (QFileInfo::exists(buildRoot() + QStringLiteral("/brenwick"))) {
        EXPECT_TRUE(QFileInfo(root.filePath(QStringLiteral("bin/brenwick"))).isExecutable());
    }
    EXPECT_EQ(entry(root.filePath(QStringLiteral("share/applications/brenwick.desktop")), QStringLiteral("Exec")),
              QStringLiteral("brenwick %f"));
    for (int size : kIconSizes) {
        const QImage icon(root.filePath(QStringLiteral("share/icons/hicolor/%1x%1/apps/brenwick.png").arg(size)));
        EXPECT_EQ(icon.size(), QSize(size, size)) << size;
    }
    // the help pages and the pictures they link to, side by side as in the program
    const QString help = root.filePath(QStringLiteral("share/doc/brenwick/help"));
    EXPECT_TRUE(QFileInfo::exists(help + QStringLiteral("/index.html")));
    EXPECT_TRUE(QFileInfo::exists(help + QStringLiteral("/help.css")));
    EXPECT_TRUE(QFileInfo::exists(help + QStringLiteral("/../icons/kind-group.png")));
    EXPECT_EQ(QDir(help).entryList({QStringLiteral("*.html")}).size(),
              QDir(QStringLiteral(":/help")).entryList({QStringLiteral("*.html")}).size());
}
