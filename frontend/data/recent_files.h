// The recent-files list: the last four project files opened or saved, kept in
// the user's settings (section "Recent Files", values "RecentFile1" to
// "RecentFile4", 1 the most recent) and shown in the file menu.
#pragma once

#include "front_end_services.h"

#include <array>
#include <string>
#include <vector>

namespace wtn {

inline constexpr const char* kRecentSection = "Recent Files";
inline constexpr int kRecentFileCount = 4;

class RecentFiles {
  public:
    RecentFiles(SettingsStore& settings, MainWindowScreens& screens);

    // Puts a path at the top of the stored list and shows the list again.
    void UpdateFileMenu(const std::string& filename);
    // True when the path is the caption of a shown item, with npos its place
    // (1 to 4); otherwise false with npos 4. Compared exactly, with the menu
    // as last shown.
    bool OnRecentFilesList(const std::string& filename, int& npos) const;
    // Stores the path as "RecentFile1", moving places 1 to npos − 1 down one.
    void WriteRecentFiles(const std::string& filename, int npos);
    // Shows the stored list in the menu; shown items are never hidden again.
    void GetRecentFiles();

    // Captions of the items as last shown ("RecentFile1" ... before any is shown).
    const std::array<std::string, kRecentFileCount>& captions() const { return captions_; }
    // The captions of the shown items, place 1 first.
    std::vector<std::string> shown() const;

  private:
    SettingsStore& settings_;
    MainWindowScreens& screens_;
    std::array<std::string, kRecentFileCount> captions_;
    std::array<bool, kRecentFileCount> visible_{};
};

std::string recent_key(int place);

} // namespace wtn
