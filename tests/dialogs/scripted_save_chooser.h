// A save-file chooser for tests: it records every request and gives the answer set beforehand.
#pragma once

#include "save_file_chooser.h"

#include <vector>

class ScriptedSaveChooser final : public SaveFileChooser {
  public:
    ScriptedSaveChooser() { setSaveFileChooser(this); }
    ~ScriptedSaveChooser() override { setSaveFileChooser(nullptr); }
    ScriptedSaveChooser(const ScriptedSaveChooser&) = delete;
    ScriptedSaveChooser& operator=(const ScriptedSaveChooser&) = delete;

    // The path the next dialog returns as confirmed; nothing means the user cancels.
    void setNextFileName(std::optional<QString> path) { m_next = std::move(path); }

    std::optional<QString> chooseSaveFile(const SaveFileRequest& request) override {
        requests.push_back(request);
        return std::exchange(m_next, std::nullopt);
    }

    std::vector<SaveFileRequest> requests;

  private:
    std::optional<QString> m_next;
};
