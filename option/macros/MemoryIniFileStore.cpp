#include "option/macros/MemoryIniFileStore.h"

// Passes reads and writes to the path's own file; writes may be made to fail.
class StoreAccessor : public IniAccessor {
public:
    StoreAccessor(MemoryIniFileStore& store, std::string path) : m_store(store), m_path(std::move(path)) {}

    std::string GetString(const char* section, const char* key, const char* defaultText) override {
        return Inner()->GetString(section, key, defaultText);
    }
    bool PutString(const char* section, const char* key, const char* text) override {
        return Writable() && Inner()->PutString(section, key, text);
    }
    int32_t GetInt(const char* section, const char* key, int32_t defaultValue) override {
        return Inner()->GetInt(section, key, defaultValue);
    }
    bool GetStruct(const char* section, const char* key, void* buffer, size_t size) override {
        return Inner()->GetStruct(section, key, buffer, size);
    }
    bool PutStruct(const char* section, const char* key, const void* buffer, size_t size) override {
        return Writable() && Inner()->PutStruct(section, key, buffer, size);
    }

private:
    bool Writable() const { return m_store.m_failingWrites.count(m_path) == 0; }
    // Opened again whenever a file of the store was removed, replaced or
    // made since the last call: this path's may be another one now.
    IniAccessor* Inner() {
        if (!m_inner || m_seen != m_store.m_changes) {
            m_inner = m_store.FilesOf(m_path).Open(MemoryIniFileStore::kInnerName);
            m_seen = m_store.m_changes;
        }
        return m_inner.get();
    }

    MemoryIniFileStore& m_store;
    std::string m_path;
    std::unique_ptr<IniAccessor> m_inner;
    uint64_t m_seen = 0;
};

MemoryIniFiles& MemoryIniFileStore::FilesOf(const std::string& path) {
    std::unique_ptr<MemoryIniFiles>& files = m_files[path];
    if (!files) {
        files = std::make_unique<MemoryIniFiles>();
        ++m_changes;
    }
    return *files;
}

std::unique_ptr<IniAccessor> MemoryIniFileStore::Open(const std::string& path) {
    return std::make_unique<StoreAccessor>(*this, path);
}

bool MemoryIniFileStore::FileExists(const std::string& path) {
    auto found = m_files.find(path);
    return found != m_files.end() && found->second->FileExists(kInnerName);
}

bool MemoryIniFileStore::RemoveFile(const std::string& path) {
    m_files.erase(path);
    ++m_changes;
    return true;
}

bool MemoryIniFileStore::MoveOver(const std::string& source, const std::string& target) {
    if (m_failNextReplace) {
        m_failNextReplace = false;
        return false;
    }
    if (!FileExists(source)) return false;
    std::unique_ptr<MemoryIniFiles> moved = std::move(m_files[source]);
    m_files.erase(source);
    m_files[target] = std::move(moved);
    ++m_changes;
    return true;
}

bool MemoryIniFileStore::ReadWhole(const std::string& path, std::string& bytes) {
    bytes = Text(path);
    return true;
}

bool MemoryIniFileStore::WriteWhole(const std::string& path, const std::string& bytes) {
    if (m_failingWrites.count(path)) return false;
    auto files = std::make_unique<MemoryIniFiles>();
    files->SetText(kInnerName, bytes);
    m_files[path] = std::move(files);
    ++m_changes;
    return true;
}

std::string MemoryIniFileStore::Text(const std::string& path) const {
    auto found = m_files.find(path);
    return found == m_files.end() ? std::string() : found->second->Text(kInnerName);
}

void MemoryIniFileStore::SetValue(const std::string& path, const std::string& section, const std::string& key,
                                  const std::string& value) {
    FilesOf(path).SetValue(kInnerName, section, key, value);
}
