#pragma once
// A fresh folder for one test, removed with everything in it afterwards, and small file
// helpers for the output tests.

#include <filesystem>
#include <string>

namespace vorna::testing {

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The folder with a trailing '/'.
    std::string Path() const { return path_.string() + "/"; }
    std::string operator/(const std::string& name) const { return Path() + name; }

private:
    std::filesystem::path path_;
};

// Makes the process's current directory `folder` for the object's lifetime.
class CurrentDirectoryScope {
public:
    explicit CurrentDirectoryScope(const std::string& folder);
    ~CurrentDirectoryScope();
    CurrentDirectoryScope(const CurrentDirectoryScope&) = delete;
    CurrentDirectoryScope& operator=(const CurrentDirectoryScope&) = delete;

private:
    std::filesystem::path previous_;
};

void WriteFile(const std::string& path, const std::string& bytes);
std::string ReadFile(const std::string& path);
bool FileExists(const std::string& path);

}  // namespace vorna::testing
