// A save-file chooser for tests: it records every request and gives the answer set beforehand.
#pragma once

#include "dialogs/save_file_chooser.h"

#include <utility>
#include <vector>

class ScriptedSaveChooser final : public guheng::dialogs::SaveFileChooser {
  public:
    ScriptedSaveChooser() { guheng::dialogs::setSaveFileChooser(this); }
    ~ScriptedSaveChooser() override { guheng::dialogs::setSaveFileChooser(nullptr); }
    ScriptedSaveChooser(const ScriptedSaveChooser&) = delete;
    ScriptedSaveChooser& operator=(const ScriptedSaveChooser&) = delete;

    // The path the next dialog returns as confirmed; nothing means the user cancels.
    void setNextFileName(std::optional<QString> path) { m_next = std::move(path); }

    std::optional<QString> chooseSaveFile(const guheng::dialogs::SaveFileRequest& request) override {
        requests.push_back(request);
        return std::exchange(m_next, std::nullopt);
    }

    std::vector<guheng::dialogs::SaveFileRequest> requests;

  private:
    std::optional<QString> m_next;
};
