#pragma once
// Reader of the host's INI-style files (the per-device .cfg file).
#include <string>

namespace app {

class ZtIni {
public:
    explicit ZtIni(std::string fileName) : fileName_(std::move(fileName)) {}

    // The value trimmed of blanks, or the default as given (untrimmed) when
    // the file has no non-empty value for the key.
    std::string Read(const std::string& section, const std::string& key, const std::string& defaultValue) const;

    const std::string& FileName() const { return fileName_; }

private:
    std::string fileName_;
};

} // namespace app
