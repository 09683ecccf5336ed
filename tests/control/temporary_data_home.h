// Points XDG_DATA_HOME at a fresh temporary folder for the life of the object, so the class
// registry a test reads or writes is its own, and removes the folder afterwards.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

class TemporaryDataHome {
  public:
    TemporaryDataHome() {
        std::string pattern = (std::filesystem::temp_directory_path() / "guheng-xdg-XXXXXX").string();
        if (const char* made = ::mkdtemp(pattern.data()))
            folder_ = made;
        if (const char* old = std::getenv("XDG_DATA_HOME"))
            previous_ = old;
        ::setenv("XDG_DATA_HOME", folder_.c_str(), 1);
    }
    TemporaryDataHome(const TemporaryDataHome&) = delete;
    TemporaryDataHome& operator=(const TemporaryDataHome&) = delete;
    ~TemporaryDataHome() {
        if (previous_)
            ::setenv("XDG_DATA_HOME", previous_->c_str(), 1);
        else
            ::unsetenv("XDG_DATA_HOME");
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }

    const std::filesystem::path& folder() const { return folder_; }
    std::filesystem::path registryFile() const { return folder_ / "guheng" / "classes.reg"; }

  private:
    std::filesystem::path folder_;
    std::optional<std::string> previous_;
};
