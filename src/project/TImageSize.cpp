#include "project/TImageSize.h"

#include <algorithm>

namespace {

// The layout the image program gives (ISO level 1 names, Rock Ridge fields
// in every record, Joliet names of up to 64 UTF-16 units).
constexpr int kSystemSectors = 16;        // the system area before the descriptors
constexpr int kDescriptorSectors = 3;     // primary, Joliet and the terminator
constexpr int kContinuationSectors = 1;   // the root's Rock Ridge continuation area
constexpr int kTrailingSectors = 1;
constexpr int kFirstFileSector = 33;   // files never start before this sector
constexpr int kPaddingSectors = 150;   // 300 KiB of padding at the end
constexpr int kRootDotRecord = 132;    // the root's "." with its Rock Ridge signature
constexpr int kDotRecord = 96;         // "." and ".." elsewhere
constexpr int kJolietDotRecord = 34;
constexpr int kRecordBase = 33;        // a directory record without its name
constexpr int kRockRidgeFields = 62;   // the Rock Ridge fields of a record, but its name
constexpr int kNameFieldHead = 5;      // the Rock Ridge name field's own header
constexpr int kMaxRecord = 255;        // longer fields go to a continuation area
constexpr int kPathRecordBase = 8;
constexpr std::size_t kIsoStem = 8;
constexpr std::size_t kIsoExtension = 3;
constexpr std::size_t kJolietName = 64;
constexpr int kVersionSuffix = 2;   // ";1" after a file's ISO name

int Even(int bytes)
{
    return bytes + (bytes & 1);
}

std::int64_t Sectors(std::int64_t bytes)
{
    return (bytes + TImageSize::kSector - 1) / TImageSize::kSector;
}

int Utf8Length(std::u16string_view name)
{
    int length = 0;
    for (const char16_t c : name)
        length += c < 0x80 ? 1 : c < 0x800 ? 2 : (c >= 0xD800 && c <= 0xDFFF) ? 2 : 3;
    return length;
}

// The length of a name in the ISO tree: 8.3 and ";1" for files, 8 for folders.
int IsoNameLength(std::u16string_view name, bool folder)
{
    if (folder)
        return int(std::min(name.size(), kIsoStem));
    const std::size_t dot = name.rfind(u'.');
    const std::size_t stem = dot == std::u16string_view::npos ? name.size() : dot;
    const std::size_t extension = dot == std::u16string_view::npos ? 0 : name.size() - dot - 1;
    return int(std::clamp<std::size_t>(stem, 1, kIsoStem) + 1 + std::min(extension, kIsoExtension)) + kVersionSuffix;
}

int IsoRecord(std::u16string_view name, bool folder)
{
    const int nameLength = IsoNameLength(name, folder);
    const int head = Even(kRecordBase + nameLength);
    return std::min(Even(head + kRockRidgeFields + kNameFieldHead + Utf8Length(name)), kMaxRecord - 1);
}

int JolietRecord(std::u16string_view name)
{
    return Even(kRecordBase + 2 * int(std::min(name.size(), kJolietName)));
}

// Adds a record to a folder's sectors: records never cross a sector's end.
void Place(int record, int &used, std::int64_t &sectors)
{
    if (used == 0 || used + record > TImageSize::kSector) {
        ++sectors;
        used = 0;
    }
    used += record;
}

}   // namespace

void TImageSize::OpenFolder()
{
    m_isoUsed = 0;
    m_jolietUsed = 0;
    AddRecords(m_rootDone ? kDotRecord : kRootDotRecord, kJolietDotRecord);
    AddRecords(kDotRecord, kJolietDotRecord);
    if (!m_rootDone) {
        // The root's entries in the path tables: a one-byte name.
        m_isoPathTable += Even(kPathRecordBase + 1);
        m_jolietPathTable += Even(kPathRecordBase + 1);
    }
    m_rootDone = true;
}

void TImageSize::AddRecords(int isoRecord, int jolietRecord)
{
    Place(isoRecord, m_isoUsed, m_isoFolderSectors);
    Place(jolietRecord, m_jolietUsed, m_jolietFolderSectors);
}

void TImageSize::AddFile(std::u16string_view name, std::int64_t bytes)
{
    AddRecords(IsoRecord(name, false), JolietRecord(name));
    m_fileSectors += Sectors(std::max<std::int64_t>(bytes, 0));
}

void TImageSize::AddFolder(std::u16string_view name)
{
    AddRecords(IsoRecord(name, true), JolietRecord(name));
    m_isoPathTable += Even(kPathRecordBase + IsoNameLength(name, true));
    m_jolietPathTable += kPathRecordBase + 2 * std::int64_t(std::min(name.size(), kJolietName));
}

void TImageSize::CloseFolder()
{
    m_isoUsed = 0;
    m_jolietUsed = 0;
}

std::int64_t TImageSize::Bytes() const
{
    // Each tree has its path table twice (least and most significant byte first).
    const std::int64_t descriptors = kSystemSectors + kDescriptorSectors + m_isoFolderSectors + kContinuationSectors
        + 2 * Sectors(m_isoPathTable) + m_jolietFolderSectors + 2 * Sectors(m_jolietPathTable) + kTrailingSectors;
    const std::int64_t files = std::max<std::int64_t>(descriptors, kFirstFileSector) + m_fileSectors;
    return (files + kPaddingSectors) * kSector;
}
