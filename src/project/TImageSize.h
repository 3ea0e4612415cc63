#pragma once

#include <cstdint>
#include <string_view>

// The size of the ISO 9660 image with Rock Ridge and Joliet names that the
// editor's image program makes of a folder: the files rounded up to whole
// 2,048-byte sectors, each folder's records in both name trees, the path
// tables, the volume descriptors, and the padding the program adds at the
// end. Fed by a walk that visits one folder at a time, the root first.
class TImageSize
{
public:
    static constexpr std::int64_t kSector = 2048;

    // Starts the records of a folder (the first one opened is the root).
    void OpenFolder();
    // A file or sub-folder of the open folder; bytes is a file's size.
    void AddFile(std::u16string_view name, std::int64_t bytes);
    void AddFolder(std::u16string_view name);
    // Ends the open folder.
    void CloseFolder();

    // The image's size in bytes.
    std::int64_t Bytes() const;

private:
    void AddRecords(int isoRecord, int jolietRecord);

    std::int64_t m_fileSectors = 0;
    std::int64_t m_isoFolderSectors = 0;
    std::int64_t m_jolietFolderSectors = 0;
    std::int64_t m_isoPathTable = 0;
    std::int64_t m_jolietPathTable = 0;
    int m_isoUsed = 0;   // bytes used in the open folder's last sector
    int m_jolietUsed = 0;
    bool m_rootDone = false;
};
