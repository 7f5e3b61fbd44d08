#include "fake_services.h"

namespace wtn::fake {

ui::BoxAnswer MessageBoxes::show(const ui::MessageRequest& request) {
    shown.push_back(request);
    if (answers.empty()) return request.default_button;
    ui::BoxAnswer answer = answers.front();
    answers.pop_front();
    return answer;
}

std::optional<std::string> FileDialogs::choose(const ui::FileRequest& request) {
    asked.push_back(request);
    if (paths.empty()) return std::nullopt;
    std::string path = paths.front();
    paths.pop_front();
    if (path.empty()) return std::nullopt;
    return path;
}

std::string SettingsStore::get(const std::string& section, const std::string& key) {
    for (const auto& [k, v] : sections_[section]) {
        if (k == key) return v;
    }
    return {};
}

void SettingsStore::set(const std::string& section, const std::string& key,
                        const std::string& value) {
    auto& values = sections_[section];
    for (auto& [k, v] : values) {
        if (k == key) {
            v = value;
            return;
        }
    }
    values.emplace_back(key, value);
}

std::vector<std::pair<std::string, std::string>> SettingsStore::all(const std::string& section) {
    return sections_[section];
}

int ProcessRunner::run_and_wait(
    const ui::ProcessRequest& request,
    const std::function<std::optional<std::string>(const std::string& line)>& on_line) {
    started.push_back(request);
    for (const std::string& line : output[request.program]) {
        if (!on_line) continue;
        if (auto answer = on_line(line)) answers.push_back(*answer);
    }
    auto it = exit_codes.find(request.program);
    return it == exit_codes.end() ? 0 : it->second;
}

void WindowSystem::show_modal(ui::Form& form) {
    modal_shown.push_back(form.name());
    form.load();
    if (on_modal) on_modal(form);
    if (form.loaded()) form.unload();
}

void WindowSystem::show_modeless(ui::Form& form) {
    modeless_shown.push_back(form.name());
    form.load();
}

} // namespace wtn::fake
