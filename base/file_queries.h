// What the play-list asks the file system about a song file.
#pragma once

#include <string>

namespace brelvix {

class FileQueries {
  public:
    virtual ~FileQueries() = default;
    // True when the path names an existing file (not a folder).
    virtual bool Exists(const std::wstring& path) = 0;
    // The display title: the name without folder and last extension.
    virtual std::wstring Title(const std::wstring& path) = 0;
    // The form of the path that is handed to the media layer.
    virtual std::wstring ShortPath(const std::wstring& path) = 0;
};

} // namespace brelvix
