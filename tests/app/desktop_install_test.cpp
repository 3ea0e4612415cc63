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

namespace {

QString readText(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

const char kProjectType[] = "application/x-velmora-project";

} // namespace

// Project files are known to the desktop by their document element, with the
// editor's icon, and the editor's entry offers to open them.
TEST(DesktopEntry, ProjectFilesHaveAMimeTypeTheEntryOffers)
{
    EXPECT_TRUE(entry(desktopFile(), QStringLiteral("MimeType")).split(QLatin1Char(';')).contains(QLatin1String(kProjectType)));

    const QString updater = QStandardPaths::findExecutable(QStringLiteral("update-mime-database"));
    if (updater.isEmpty())
        GTEST_SKIP() << "update-mime-database is not installed (scripts/setup.sh installs it)";
    QTemporaryDir mime;
    ASSERT_TRUE(QDir().mkpath(mime.filePath(QStringLiteral("packages"))));
    ASSERT_TRUE(QFile::copy(sourceRoot() + QStringLiteral("/resources/brenwick-mime.xml"),
                            mime.filePath(QStringLiteral("packages/brenwick.xml"))));
    QProcess p;
    p.start(updater, {mime.path()});
    ASSERT_TRUE(p.waitForFinished(60000));
    EXPECT_EQ(p.exitCode(), 0);
    // The database tool warns, without failing, about anything it does not understand.
    EXPECT_FALSE(p.readAllStandardError().contains("Warning")) << "update-mime-database warned";
    EXPECT_TRUE(readText(mime.filePath(QStringLiteral("XMLnamespaces")))
                    .contains(QStringLiteral(" Velmora %1").arg(QLatin1String(kProjectType))));
    EXPECT_TRUE(readText(mime.filePath(QStringLiteral("icons"))).contains(QStringLiteral("%1:brenwick").arg(QLatin1String(kProjectType))));
    EXPECT_TRUE(readText(mime.filePath(QStringLiteral("subclasses"))).contains(QStringLiteral("%1 application/xml").arg(QLatin1String(kProjectType))));
}

TEST(DesktopEntry, MetainfoPassesTheValidatorAndNamesTheEntry)
{
    const QString metainfo = buildRoot() + QStringLiteral("/release/org.velmora.brenwick.metainfo.xml");
    const QString text = readText(metainfo);
    EXPECT_TRUE(text.contains(QStringLiteral("<launchable type=\"desktop-id\">brenwick.desktop</launchable>")));
    EXPECT_TRUE(text.contains(QStringLiteral("<mediatype>%1</mediatype>").arg(QLatin1String(kProjectType))));
    const QString validator = QStandardPaths::findExecutable(QStringLiteral("appstreamcli"));
    if (validator.isEmpty())
        GTEST_SKIP() << "appstreamcli is not installed (scripts/setup.sh installs it)";
    QProcess p;
    p.start(validator, {QStringLiteral("validate"), QStringLiteral("--no-net"), metainfo});
    ASSERT_TRUE(p.waitForFinished(60000));
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardOutput().toStdString();
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
    EXPECT_TRUE(QFileInfo::exists(root.filePath(QStringLiteral("share/mime/packages/brenwick.xml"))));
    EXPECT_TRUE(QFileInfo::exists(root.filePath(QStringLiteral("share/metainfo/org.velmora.brenwick.metainfo.xml"))));
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
