#include "project/TFolderScan.h"

#include "project/TFolderListing.h"

namespace {
const QChar kSeparator = QLatin1Char('/');
const QChar kHiddenMark = QLatin1Char('.');
}

TFolderScan::TFolderScan(const TImportOptions &options, TImportTarget &target)
    : m_options(options),
      m_target(target),
      m_naming(TImportNaming::rootOf(options.dirName), options),
      m_dirMasks(TFileMask::parseList(options.dirMask)),
      m_fileMasks(TFileMask::parseList(options.fileMask))
{
}

void TFolderScan::Run()
{
    m_folders = 0;
    m_programs = 0;
    if (m_options.dirName.isEmpty())
        return;
    scan(m_naming.root(), 0, m_target.currentGroup());
}

void TFolderScan::scan(const QString &path, int depth, TImportTarget::Node parent)
{
    ++m_folders;
    if (m_progress)
        m_progress(path);

    TImportTarget::Node group = nullptr;
    if (m_options.oneGroup && parent) {
        group = parent;
    } else {
        group = m_target.addGroup(m_naming.commandName(path, true), parent);
        if (m_options.pathComment)
            m_target.setComment(group, path);
    }

    const QList<TFolderListing::Entry> entries = TFolderListing::read(path);

    const bool descend = m_options.recurseDirs && (!m_options.limitDepth || depth < m_options.depthLimit);
    if (descend) {
        for (const TFileMask &mask : m_dirMasks) {
            for (const TFolderListing::Entry &e : entries) {
                if (e.kind != TFolderListing::Kind::Folder || e.name.startsWith(kHiddenMark))
                    continue;
                if (mask.matchesFolded(e.folded))
                    scan(path + e.name + kSeparator, depth + 1, group);
            }
        }
    }

    for (const TFileMask &mask : m_fileMasks) {
        for (const TFolderListing::Entry &e : entries) {
            if (e.kind != TFolderListing::Kind::File || !mask.matchesFolded(e.folded))
                continue;
            const QString filePath = path + e.name;
            m_target.addProgram(group, m_naming.commandName(filePath, false), m_naming.programPath(filePath));
            ++m_programs;
        }
    }

    if (m_options.oneGroup)
        return;
    const int count = m_target.childCount(group) - (m_target.autoExit() ? 1 : 0);
    if (count <= 0) {
        m_target.deleteEntry(group);
    } else if (count == 1 && m_options.noAlone) {
        m_target.moveLastChildBefore(group);
        m_target.deleteEntry(group);
    }
}
