#include "recent_files.h"

namespace wtn {

std::string recent_key(int place) {
    return "RecentFile" + std::to_string(place);
}

RecentFiles::RecentFiles(SettingsStore& settings, MainWindowScreens& screens)
    : settings_(settings), screens_(screens) {
    for (int i = 0; i < kRecentFileCount; ++i)
        captions_[i] = recent_key(i + 1);
}

void RecentFiles::UpdateFileMenu(const std::string& filename) {
    int npos = kRecentFileCount;
    OnRecentFilesList(filename, npos);
    WriteRecentFiles(filename, npos);
    GetRecentFiles();
}

bool RecentFiles::OnRecentFilesList(const std::string& filename, int& npos) const {
    for (int i = 0; i < kRecentFileCount; ++i) {
        if (captions_[i] == filename) {
            npos = i + 1;
            return true;
        }
    }
    npos = kRecentFileCount;
    return false;
}

void RecentFiles::WriteRecentFiles(const std::string& filename, int npos) {
    for (int i = npos - 1; i >= 1; --i) {
        const std::string value = settings_.get(kRecentSection, recent_key(i));
        if (!value.empty()) settings_.set(kRecentSection, recent_key(i + 1), value);
    }
    settings_.set(kRecentSection, recent_key(1), filename);
}

void RecentFiles::GetRecentFiles() {
    if (settings_.get(kRecentSection, recent_key(1)).empty()) return;
    const auto values = settings_.all(kRecentSection);
    int k = 0;
    for (const auto& entry : values) {
        if (k >= kRecentFileCount) break;
        captions_[k] = entry.second;
        visible_[k] = true;
        ++k;
    }
    screens_.show_recent_files(shown());
}

std::vector<std::string> RecentFiles::shown() const {
    std::vector<std::string> out;
    for (int i = 0; i < kRecentFileCount; ++i)
        if (visible_[i]) out.push_back(captions_[i]);
    return out;
}

} // namespace wtn
