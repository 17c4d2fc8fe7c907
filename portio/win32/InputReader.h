// Reads the mouse's input reports on a thread of its own and hands each one
// to a callback (on that thread). Ends by itself when the device goes away.
#pragma once

#include "frame/UniqueHandle.h"

#include <functional>
#include <string>
#include <vector>

namespace portio {

class InputReader {
public:
    using Callback = std::function<void(const std::vector<unsigned char>& report)>;

    InputReader() = default;
    InputReader(const InputReader&) = delete;
    InputReader& operator=(const InputReader&) = delete;
    ~InputReader();

    bool Start(const std::string& path, int reportLength, Callback callback);
    void Stop();
    // True while the thread still reads.
    bool Running() const;

private:
    static DWORD WINAPI Run(void* parameter);
    void ReadLoop();

    UniqueHandle m_device;
    UniqueHandle m_stop;
    UniqueHandle m_thread;
    int m_reportLength = 0;
    Callback m_callback;
};

}  // namespace portio
