#pragma once
// Small helpers for tests that need a data file on disk.

#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

namespace quarvex::testing {

// A file in a fresh temporary folder, removed with the object.
class TempFile {
public:
    explicit TempFile(const std::string& content, const std::string& name = "data.txt")
    {
        static int serial = 0;
        dir_ = std::filesystem::temp_directory_path() /
               ("quarvex-test-" + std::to_string(::getpid()) + "-" + std::to_string(++serial));
        std::filesystem::create_directories(dir_);
        path_ = dir_ / name;
        std::ofstream(path_, std::ios::binary) << content;
    }
    ~TempFile() { std::filesystem::remove_all(dir_); }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    std::string path() const { return path_.string(); }
    std::filesystem::path dir() const { return dir_; }

private:
    std::filesystem::path dir_;
    std::filesystem::path path_;
};

inline void WriteWholeFile(const std::string& path, const std::string& content)
{
    std::ofstream(path, std::ios::binary) << content;
}

// n title lines "title k", CR LF ended.
inline std::string Titles(int n)
{
    std::string s;
    for (int k = 1; k <= n; ++k)
        s += "title " + std::to_string(k) + "\r\n";
    return s;
}

} // namespace quarvex::testing
