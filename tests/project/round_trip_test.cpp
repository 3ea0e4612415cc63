// A file read and saved with no edit comes out byte for byte as it was, and the
// editor never writes a file that it cannot read back.

#include "command_tree_dump.h"
#include "base/BrenwickError.h"
#include "project/TCommandTreeTarget.h"
#include "project/TFolderScan.h"
#include "project/TProject.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray Bytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Generated projects: texts made of the pieces that can drift (line breaks of
// every kind, characters the writer escapes, entity look-alikes, Cyrillic).
class ProjectGenerator
{
public:
    explicit ProjectGenerator(quint32 seed) : m_random(seed) {}

    void Fill(TProject &project)
    {
        TCommandTree &tree = project.Tree();
        AddLevel(tree, nullptr, 0);
        TProjectOptions &o = project.Options();
        o.SetRootDir(Text(false, true));
        o.SetAbout(About());
        o.SetExitLevelUp(Coin());
        o.SetExitAnyCommand(Coin());
        o.SetExitCross(Coin());
        o.SetExitQuestion(Coin());
        o.SetPathOption(TProjectOptions::TPathOption(Below(4)));   // an unknown word from a file is dropped on save
        o.SetCdRoot(Coin());
    }

private:
    static constexpr int kMaxDepth = 4;
    static constexpr int kMaxPieces = 8;

    int Below(int n) { return int(m_random.bounded(n)); }
    bool Coin() { return Below(2) == 1; }

    // Attribute values keep every byte; element text loses TABs and reads a
    // blank-only text as empty (what the player reads too), so those stay out of it.
    QString Text(bool lineBreaks, bool elementText)
    {
        static const char *const kPieces[] = {"a", "Диск", " ", "&", "<", ">", "\"", "'", "=", "/",
                                              "&amp;", "&quot;", "&lt;", "&#65;", "ё", "\U0001F600"};
        static const char *const kBreaks[] = {"\r\n", "\r", "\n", "\t"};
        QString text;
        const int pieces = Below(kMaxPieces);
        for (int i = 0; i < pieces; ++i) {
            if (lineBreaks && Below(4) == 0)
                text += QString::fromLatin1(kBreaks[Below(elementText ? 3 : 4)]);
            else
                text += QString::fromUtf8(kPieces[Below(int(std::size(kPieces)))]);
        }
        if (elementText && text.trimmed().isEmpty() && !text.isEmpty())
            text += QLatin1Char('x');
        return text;
    }

    // The about box's lines, empty ones at the end included.
    QString About()
    {
        QStringList lines;
        const int count = Below(5);
        for (int i = 0; i < count; ++i)
            lines << (Below(3) == 0 ? QString() : Text(false, true));
        QString about = lines.join(QLatin1Char('\n'));
        if (about.trimmed().isEmpty() && !about.isEmpty())
            about.prepend(QStringLiteral("Disc"));
        return about;
    }

    void AddLevel(TCommandTree &tree, TBaseItem *parent, int depth)
    {
        const int count = Below(depth == 0 ? 6 : 4);
        for (int i = 0; i < count; ++i) {
            const auto kind = TItemKind(Below(kItemKindCount));
            TBaseItem *item = tree.AddItem(Text(true, false), kind, TCommandTree::TPlace::LastChildOf(parent), false);
            tree.SetComment(item, Text(true, false));
            if (kind == ikProgram || kind == ikUrl)
                tree.SetCustom(item, Text(true, false));
            if (kind == ikProgram)
                tree.SetParams(item, Text(true, false));
            tree.SetHidden(item, Coin());
            if (kind == ikGroup && depth < kMaxDepth)
                AddLevel(tree, item, depth + 1);
        }
    }

    QRandomGenerator m_random;
};

} // namespace

TEST(RoundTrip, GeneratedProjectsSaveReadAndSaveByteForByte)
{
    constexpr quint32 kProjects = 60;
    QTemporaryDir dir;
    const QString first = dir.filePath(QStringLiteral("first.xml"));
    const QString second = dir.filePath(QStringLiteral("second.xml"));
    for (quint32 seed = 1; seed <= kProjects; ++seed) {
        TProject made;
        ProjectGenerator(seed).Fill(made);
        made.SaveProject(first, TProject::WholeProject());

        TProject read;
        read.LoadProject(first, TProject::WholeProject());
        ASSERT_EQ(DumpCommandTree(read.Tree()), DumpCommandTree(made.Tree())) << "seed " << seed;
        ASSERT_EQ(read.Options().About(), made.Options().About()) << "seed " << seed;
        read.SaveProject(second, TProject::WholeProject());
        ASSERT_EQ(QString::fromUtf8(Bytes(second)), QString::fromUtf8(Bytes(first))) << "seed " << seed;

        // A design file too.
        read.SaveProject(second, TProject::DesignFile());
        TProject design;
        design.LoadProject(second, TProject::DesignFile());
        design.SaveProject(first, TProject::DesignFile());
        ASSERT_EQ(QString::fromUtf8(Bytes(first)), QString::fromUtf8(Bytes(second))) << "seed " << seed;
    }
}

TEST(RoundTrip, AboutTextEndingInEmptyLinesKeepsThemThroughEverySave)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Velmora.XML"));
    TProject project;
    project.Options().SetAbout(QStringLiteral("Disc\n\n"));
    project.SaveProject(path, TProject::WholeProject());
    const QByteArray saved = Bytes(path);
    EXPECT_TRUE(saved.contains("<about>Disc\r\n\r\n\r\n</about>"));
    TProject again;
    again.LoadProject(path, TProject::WholeProject());
    EXPECT_EQ(again.Options().About(), QStringLiteral("Disc\n\n"));
    again.SaveProject(path, TProject::WholeProject());
    EXPECT_EQ(Bytes(path), saved);
}

TEST(NestingLimit, AFolderImportTooDeepToReadBackIsNotSaved)
{
    // A folder 1,005 levels deep imported whole: one group per level.
    constexpr int kLevels = 1005;
    QTemporaryDir dir;
    QString deepest = dir.filePath(QStringLiteral("d"));
    for (int i = 1; i < kLevels; ++i)
        deepest += QStringLiteral("/d");
    ASSERT_TRUE(QDir().mkpath(deepest));
    QFile file(deepest + QStringLiteral("/setup.exe"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();

    TProject project;
    TImportOptions options;
    options.dirName = dir.filePath(QStringLiteral("d"));
    TCommandTreeTarget target(project.Tree());
    TFolderScan scan(options, target);
    target.begin();
    scan.Run();
    target.end();
    ASSERT_EQ(project.Tree().Count(), kLevels + 1);

    const QString path = dir.filePath(QStringLiteral("Velmora.XML"));
    try {
        project.SaveProject(path, TProject::WholeProject());
        ADD_FAILURE() << "saved a file the reader refuses";
    } catch (const BrenwickError &e) {
        EXPECT_TRUE(e.message().contains(QString::number(TProject::MaxCommandDepth()))) << e.message().toStdString();
    }
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_EQ(project.FileName(), QString());

    // Moved up to the limit, the same project saves and opens again whole.
    TBaseItem *item = project.Tree().TopLevel()[0];
    for (int depth = 1; depth < TProject::MaxCommandDepth(); ++depth)
        item = item->Children()[0];
    project.Tree().MoveItem(item, nullptr, 1);
    project.SaveProject(path, TProject::WholeProject());
    TProject read;
    read.LoadProject(path, TProject::WholeProject());
    EXPECT_EQ(read.Tree().Count(), kLevels + 1);
    EXPECT_EQ(DumpCommandTree(read.Tree()), DumpCommandTree(project.Tree()));
}
