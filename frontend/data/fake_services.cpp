#include "fake_services.h"

#include <gtest/gtest.h>

namespace wtn::fake {

wtn::BoxAnswer MessageBoxes::show(const wtn::MessageRequest& request) {
    shown.push_back(request);
    // A note has nothing to choose: it takes no scripted answer.
    if (request.buttons == wtn::BoxButtons::Ok) return wtn::BoxAnswer::Ok;
    if (answers.empty()) {
        ADD_FAILURE() << "a question no test answer was scripted for: \"" << request.title << "\" "
                      << request.text;
        return request.default_button;
    }
    wtn::BoxAnswer answer = answers.front();
    answers.pop_front();
    return answer;
}

std::vector<std::string> MessageBoxes::notes() const {
    std::vector<std::string> texts;
    for (const auto& box : shown) {
        if (box.buttons == wtn::BoxButtons::Ok) texts.push_back(box.text);
    }
    return texts;
}

std::vector<wtn::MessageRequest> MessageBoxes::questions() const {
    std::vector<wtn::MessageRequest> asked;
    for (const auto& box : shown) {
        if (box.buttons != wtn::BoxButtons::Ok) asked.push_back(box);
    }
    return asked;
}

std::vector<wtn::FileRequest> FileDialogs::saves() const {
    std::vector<wtn::FileRequest> requests;
    for (const auto& request : asked) {
        if (request.save) requests.push_back(request);
    }
    return requests;
}

std::optional<std::string> FileDialogs::choose(const wtn::FileRequest& request) {
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
    const wtn::ProcessRequest& request,
    const std::function<std::optional<std::string>(const std::string& line)>& on_line) {
    started.push_back(request);
    std::optional<int> code;
    if (on_start) code = on_start(request);
    for (const std::string& line : output[request.program]) {
        if (!on_line) continue;
        if (auto answer = on_line(line)) answers.push_back(*answer);
    }
    if (code) return *code;
    auto it = exit_codes.find(request.program);
    return it == exit_codes.end() ? 0 : it->second;
}

} // namespace wtn::fake
