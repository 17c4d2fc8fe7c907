// The backup file of mousectl: the five slot profile files, the macro file
// and config.ini in one INI-style text. A header names the format and its
// version; each file is a section named by its path under the program folder
// that says whether the file existed and holds its bytes as numbered lines
// with escapes (so that every byte, line end and missing last line end comes
// back exactly), with the byte count and CRC-32 that show a cut or an edit;
// an end section shows that nothing was cut off after the last part.
//
//   [Backup]
//   Format=TARVIK-Q7 backup
//   Version=1
//
//   [config\Default0.gmp]
//   Present=1
//   Length=16690
//   CRC32=E9E4F712
//   Lines=112
//   Line1=[Setting]\r\n
//   Line2=ProFileName=Default1\r\n
//   ...
//   [config\Default1.gmp]
//   Present=0
//   ...
//   [End]
//   Parts=7
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace mousectl {

constexpr char kBackupSection[] = "Backup";
constexpr char kBackupFormatKey[] = "Format";
constexpr char kBackupFormat[] = "TARVIK-Q7 backup";
constexpr char kBackupVersionKey[] = "Version";
constexpr int kBackupVersion = 1;
constexpr char kBackupEndSection[] = "End";
constexpr char kBackupPartCountKey[] = "Parts";
constexpr char kPresentKey[] = "Present";
constexpr char kLengthKey[] = "Length";
constexpr char kChecksumKey[] = "CRC32";
constexpr char kLineCountKey[] = "Lines";
constexpr char kLineKeyPrefix[] = "Line";

// Far above what five profiles, the longest macro list and config.ini take
// (about 2 MB); a larger file is no backup and is not parsed.
constexpr size_t kMaxBackupBytes = 8u << 20;
// A stored line holds at most this many bytes of the file, so that a file
// without line ends still gives lines of a readable length.
constexpr size_t kMaxStoredLineBytes = 4096;

enum class PartKind { Profile, Macros, AppSettings };

struct PartFile {
    std::string name;  // the file's path under the program folder
    PartKind kind;
};

// The files a backup holds, in the order it holds them: the five slot
// profile files, the macro file, config.ini.
const std::vector<PartFile>& BackupPartFiles();

struct BackupPart {
    std::string name;
    bool present = false;  // false: the file did not exist
    std::string bytes;
};

// One part per entry of BackupPartFiles(), in that order.
std::string WriteBackupText(const std::vector<BackupPart>& parts);

struct BackupReading {
    std::vector<BackupPart> parts;      // in BackupPartFiles() order when there are no problems
    std::vector<std::string> problems;  // one line each, naming the part; empty when sound
};

BackupReading ReadBackupText(const std::string& text);

// CRC-32 of IEEE 802.3 (as zip and PNG use it).
uint32_t Crc32(const std::string& bytes);

// Decimal text as "%d" writes it (an optional minus, digits, no blanks)
// within the range; false for anything else.
bool ParseDecimal(const std::string& text, int64_t minimum, int64_t maximum, int64_t& value);

}  // namespace mousectl
