#include "BackupText.h"

#include "option/macros/MacroList.h"
#include "profile/AppSettings.h"
#include "profile/ProfileFile.h"

#include <array>
#include <cctype>

namespace mousectl {

namespace {

constexpr char kLineEnd[] = "\r\n";
constexpr char kHexDigits[] = "0123456789ABCDEF";
constexpr size_t kChecksumDigits = 8;
constexpr uint32_t kCrcPolynomial = 0xEDB88320;  // reflected 0x04C11DB7
constexpr int kMaxDecimalDigits = 18;             // fits int64_t with room to spare

const char kForeignFile[] = "not a mousectl backup: it does not begin with [Backup] and Format=TARVIK-Q7 backup";

struct Section {
    std::string name;
    size_t line = 0;  // of the backup file, from 1
    std::vector<std::pair<std::string, std::string>> keys;
};

int HexValue(char digit) {
    const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(digit)));
    for (int value = 0; value < 16; ++value)
        if (kHexDigits[value] == upper) return value;
    return -1;
}

// Printable ASCII stays as it is; a backslash, line ends, tabs and all other
// bytes are escaped, so the backup is plain ASCII whatever the files hold.
std::string Escaped(const std::string& bytes) {
    std::string text;
    for (char character : bytes) {
        const unsigned char byte = static_cast<unsigned char>(character);
        if (byte == '\\') text += "\\\\";
        else if (byte == '\r') text += "\\r";
        else if (byte == '\n') text += "\\n";
        else if (byte == '\t') text += "\\t";
        else if (byte < 0x20 || byte >= 0x7F) text += {'\\', 'x', kHexDigits[byte >> 4], kHexDigits[byte & 15]};
        else text += character;
    }
    return text;
}

bool AppendUnescaped(const std::string& text, std::string& bytes) {
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            bytes += text[i];
            continue;
        }
        if (++i >= text.size()) return false;
        switch (text[i]) {
            case '\\': bytes += '\\'; break;
            case 'r': bytes += '\r'; break;
            case 'n': bytes += '\n'; break;
            case 't': bytes += '\t'; break;
            case 'x': {
                const int high = i + 1 < text.size() ? HexValue(text[i + 1]) : -1;
                const int low = i + 2 < text.size() ? HexValue(text[i + 2]) : -1;
                if (high < 0 || low < 0) return false;
                bytes += static_cast<char>(high << 4 | low);
                i += 2;
                break;
            }
            default: return false;
        }
    }
    return true;
}

// The file's bytes cut after each line end ("\r\n", "\n" or a lone "\r")
// and wherever a line grows too long.
std::vector<std::string> StoredLines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::string line;
    for (size_t i = 0; i < bytes.size(); ++i) {
        line += bytes[i];
        const bool lineEnd = bytes[i] == '\n' || (bytes[i] == '\r' && (i + 1 == bytes.size() || bytes[i + 1] != '\n'));
        if (lineEnd || line.size() >= kMaxStoredLineBytes) {
            lines.push_back(line);
            line.clear();
        }
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}

// "[name]" lines open sections, "key=value" lines (nothing trimmed) belong
// to the last one; blank lines are skipped and the backup's own line ends may
// be "\r\n" or "\n". False when the text does not begin with a section.
bool SplitSections(const std::string& text, std::vector<Section>& sections, std::vector<std::string>& problems) {
    size_t start = 0;
    for (size_t number = 1; start < text.size(); ++number) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty()) continue;
        const size_t equals = line.find('=');
        if (line.front() == '[' && line.back() == ']') {
            sections.push_back(Section{line.substr(1, line.size() - 2), number, {}});
        } else if (sections.empty()) {
            return false;
        } else if (equals == std::string::npos) {
            problems.push_back("line " + std::to_string(number) + ": neither [section] nor key=value");
        } else {
            sections.back().keys.emplace_back(line.substr(0, equals), line.substr(equals + 1));
        }
    }
    return !sections.empty();
}

bool FindValue(const Section& section, const char* key, std::string& value) {
    for (const auto& entry : section.keys)
        if (entry.first == key) {
            value = entry.second;
            return true;
        }
    return false;
}

bool ParseChecksum(const std::string& text, uint32_t& checksum) {
    if (text.size() != kChecksumDigits) return false;
    checksum = 0;
    for (char digit : text) {
        const int value = HexValue(digit);
        if (value < 0) return false;
        checksum = checksum << 4 | static_cast<uint32_t>(value);
    }
    return true;
}

std::string ChecksumText(uint32_t checksum) {
    std::string text;
    for (int shift = 28; shift >= 0; shift -= 4) text += kHexDigits[checksum >> shift & 15];
    return text;
}

// The keys of a part in their fixed order: Present, then (for a file that
// existed) Length, CRC32, Lines and Line1..LineN.
class PartReader {
public:
    PartReader(const Section& section, std::vector<std::string>& problems)
        : m_section(section), m_problems(problems) {}

    bool Read(BackupPart& part) {
        std::string present, length, checksum, lines;
        if (!Take(kPresentKey, present)) return false;
        if (present == "0") {
            if (m_next == m_section.keys.size()) return true;
            return Problem("Present=0, yet the part holds more keys");
        }
        if (present != "1") return Problem("Present=" + present + " is neither 0 nor 1");
        if (!Take(kLengthKey, length) || !Take(kChecksumKey, checksum) || !Take(kLineCountKey, lines)) return false;
        int64_t byteCount = 0, lineCount = 0;
        uint32_t expectedChecksum = 0;
        if (!ParseDecimal(length, 0, kMaxBackupBytes, byteCount))
            return Problem("Length=" + length + " is not a byte count");
        if (!ParseChecksum(checksum, expectedChecksum))
            return Problem("CRC32=" + checksum + " is not 8 hexadecimal digits");
        if (!ParseDecimal(lines, 0, kMaxBackupBytes, lineCount))
            return Problem("Lines=" + lines + " is not a line count");
        for (int64_t number = 1; number <= lineCount; ++number) {
            const std::string key = kLineKeyPrefix + std::to_string(number);
            std::string value;
            if (!Take(key.c_str(), value)) return false;
            if (!AppendUnescaped(value, part.bytes))
                return Problem(key + ": a backslash that begins no escape (\\\\ \\r \\n \\t \\xHH)");
        }
        if (m_next < m_section.keys.size()) return Problem(m_section.keys[m_next].first + " after the last line");
        if (static_cast<int64_t>(part.bytes.size()) != byteCount)
            return Problem("the lines hold " + std::to_string(part.bytes.size()) + " bytes where Length=" + length +
                           ": the part was cut or edited");
        if (Crc32(part.bytes) != expectedChecksum)
            return Problem("the bytes do not match CRC32=" + checksum + ": the part was edited");
        part.present = true;
        return true;
    }

private:
    bool Take(const char* key, std::string& value) {
        if (m_next < m_section.keys.size() && m_section.keys[m_next].first == key) {
            value = m_section.keys[m_next++].second;
            return true;
        }
        return Problem(std::string(key) + " is missing" +
                       (m_next < m_section.keys.size() ? " (" + m_section.keys[m_next].first + " stands there)" : ""));
    }
    bool Problem(const std::string& text) {
        m_problems.push_back(m_section.name + ": " + text);
        return false;
    }

    const Section& m_section;
    std::vector<std::string>& m_problems;
    size_t m_next = 0;
};

BackupReading Refused(const std::string& problem) {
    BackupReading reading;
    reading.problems.push_back(problem);
    return reading;
}

}  // namespace

const std::vector<PartFile>& BackupPartFiles() {
    static const std::vector<PartFile> partFiles = [] {
        std::vector<PartFile> list;
        for (int slot = 0; slot < kSlotCount; ++slot) list.push_back({SlotProfilePath("", slot), PartKind::Profile});
        list.push_back({kMacroFileName, PartKind::Macros});
        list.push_back({kAppSettingsFileName, PartKind::AppSettings});
        return list;
    }();
    return partFiles;
}

uint32_t Crc32(const std::string& bytes) {
    static const std::array<uint32_t, 256> table = [] {
        std::array<uint32_t, 256> entries{};
        for (uint32_t index = 0; index < entries.size(); ++index) {
            uint32_t value = index;
            for (int bit = 0; bit < 8; ++bit) value = value & 1 ? kCrcPolynomial ^ value >> 1 : value >> 1;
            entries[index] = value;
        }
        return entries;
    }();
    uint32_t crc = 0xFFFFFFFF;
    for (char byte : bytes) crc = table[(crc ^ static_cast<unsigned char>(byte)) & 0xFF] ^ crc >> 8;
    return crc ^ 0xFFFFFFFF;
}

bool ParseDecimal(const std::string& text, int64_t minimum, int64_t maximum, int64_t& value) {
    const size_t first = !text.empty() && text[0] == '-' ? 1 : 0;
    const size_t digits = text.size() - first;
    if (digits == 0 || digits > kMaxDecimalDigits) return false;
    value = 0;
    for (size_t i = first; i < text.size(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(text[i]))) return false;
        value = value * 10 + (text[i] - '0');
    }
    if (first) value = -value;
    return value >= minimum && value <= maximum;
}

std::string WriteBackupText(const std::vector<BackupPart>& parts) {
    std::string text = std::string("[") + kBackupSection + "]" + kLineEnd + kBackupFormatKey + "=" + kBackupFormat +
                       kLineEnd + kBackupVersionKey + "=" + std::to_string(kBackupVersion) + kLineEnd;
    auto put = [&text](const std::string& key, const std::string& value) { text += key + "=" + value + kLineEnd; };
    for (const BackupPart& part : parts) {
        text += std::string(kLineEnd) + "[" + part.name + "]" + kLineEnd;
        put(kPresentKey, part.present ? "1" : "0");
        if (!part.present) continue;
        const std::vector<std::string> lines = StoredLines(part.bytes);
        put(kLengthKey, std::to_string(part.bytes.size()));
        put(kChecksumKey, ChecksumText(Crc32(part.bytes)));
        put(kLineCountKey, std::to_string(lines.size()));
        for (size_t i = 0; i < lines.size(); ++i) put(kLineKeyPrefix + std::to_string(i + 1), Escaped(lines[i]));
    }
    text += std::string(kLineEnd) + "[" + kBackupEndSection + "]" + kLineEnd;
    put(kBackupPartCountKey, std::to_string(parts.size()));
    return text;
}

BackupReading ReadBackupText(const std::string& text) {
    if (text.empty()) return Refused("the file is empty");
    if (text.size() > kMaxBackupBytes)
        return Refused("the file is larger than any backup (" + std::to_string(text.size()) + " bytes, at most " +
                       std::to_string(kMaxBackupBytes) + ")");
    std::vector<Section> sections;
    BackupReading reading;
    std::string format, version;
    if (!SplitSections(text, sections, reading.problems) || sections[0].name != kBackupSection ||
        !FindValue(sections[0], kBackupFormatKey, format) || format != kBackupFormat)
        return Refused(kForeignFile);
    if (!FindValue(sections[0], kBackupVersionKey, version) || version != std::to_string(kBackupVersion))
        return Refused("backup version '" + version + "' is not known; this mousectl reads version " +
                       std::to_string(kBackupVersion));

    const std::vector<PartFile>& partFiles = BackupPartFiles();
    std::vector<BackupPart> parts(partFiles.size());
    std::vector<bool> seen(partFiles.size(), false);
    const bool ended = sections.back().name == kBackupEndSection;
    for (size_t s = 1; s < sections.size() - (ended ? 1 : 0); ++s) {
        const Section& section = sections[s];
        size_t index = 0;
        while (index < partFiles.size() && partFiles[index].name != section.name) ++index;
        if (index == partFiles.size()) {
            reading.problems.push_back("[" + section.name + "] (line " + std::to_string(section.line) +
                                       "): not a part of a backup");
        } else if (seen[index]) {
            reading.problems.push_back(section.name + ": given twice");
        } else {
            seen[index] = true;
            parts[index].name = section.name;
            PartReader(section, reading.problems).Read(parts[index]);
        }
    }
    std::string partCount;
    if (!ended)
        reading.problems.push_back("the file ends early (no [End] section after the parts): it was cut");
    else if (!FindValue(sections.back(), kBackupPartCountKey, partCount) || partCount != std::to_string(partFiles.size()))
        reading.problems.push_back("[End]: Parts=" + partCount + ", but a backup has " + std::to_string(partFiles.size()));
    for (size_t index = 0; index < partFiles.size(); ++index)
        if (!seen[index]) reading.problems.push_back(partFiles[index].name + ": missing");
    if (reading.problems.empty()) reading.parts = std::move(parts);
    return reading;
}

}  // namespace mousectl
