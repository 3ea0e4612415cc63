#pragma once

#include "project/TFileMask.h"
#include "project/TImportNaming.h"
#include "project/TImportOptions.h"
#include "project/TImportTarget.h"

#include <functional>

// The folder import without a window: one group per folder and one program
// entry per file, named and placed by the options, into a target.
//
// In every group the subfolders' groups come first, then the program entries;
// each mask of a list is applied in turn, so an entry matched by two masks is
// taken twice. Folders whose names begin with "." and links to folders are
// never entered; files are taken whatever their names. A folder that cannot be
// read yields nothing, and a group left empty is removed again (unless all
// goes into one group).
class TFolderScan
{
public:
    TFolderScan(const TImportOptions &options, TImportTarget &target);

    // Imports the folder of options.dirName into the target's current group.
    // Nothing happens for an empty folder name.
    void Run();

    // Called with each folder's path (as the scan forms it, ending with "/")
    // before the folder is searched.
    void setProgress(std::function<void(const QString &)> progress) { m_progress = std::move(progress); }

    // Counters of the last run.
    int foldersSearched() const { return m_folders; }
    int programsAdded() const { return m_programs; }

private:
    void scan(const QString &path, int depth, TImportTarget::Node parent);

    TImportOptions m_options;
    TImportTarget &m_target;
    TImportNaming m_naming;
    QList<TFileMask> m_dirMasks;
    QList<TFileMask> m_fileMasks;
    std::function<void(const QString &)> m_progress;
    int m_folders = 0;
    int m_programs = 0;
};
