#pragma once
// quarvex-batch run from a test as a user runs it, in a folder of its own.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <sys/wait.h>

namespace quarvex::testing {

inline std::string ReadBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline std::string ShellQuote(const std::string& s)
{
    std::string q = "'";
    for (char c : s)
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

struct CommandRun {
    int status = -1;
    std::string out, err;
};

#ifdef QUARVEX_BATCH_EXE
// Runs quarvex-batch in `dir` with the arguments given.
inline CommandRun RunCommand(const std::filesystem::path& dir, const std::vector<std::string>& args)
{
    std::string cmd = "cd " + ShellQuote(dir.string()) + " && " + ShellQuote(QUARVEX_BATCH_EXE);
    for (const auto& a : args)
        cmd += " " + ShellQuote(a);
    cmd +=
        " >" + ShellQuote((dir / "stdout.txt").string()) + " 2>" + ShellQuote((dir / "stderr.txt").string());
    const int raw = std::system(cmd.c_str());
    CommandRun r;
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    r.out = ReadBytes(dir / "stdout.txt");
    r.err = ReadBytes(dir / "stderr.txt");
    return r;
}
#endif

} // namespace quarvex::testing
