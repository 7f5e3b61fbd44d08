// Test fakes of the front end's services: scripted answers and choices, and a
// record of what the commands asked, told and showed.
#pragma once

#include "design_data.h"
#include "front_end_services.h"

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace wtn::test {

class FakeDialogs : public Dialogs {
  public:
    std::deque<Answer> answers; // next answers of ask()
    std::deque<std::optional<std::string>> open_choices, save_choices;
    std::vector<Question> questions;
    std::vector<std::string> told;
    std::vector<FileDialogRequest> save_requests;

    Answer ask(const Question& question) override {
        questions.push_back(question);
        if (answers.empty()) throw std::logic_error("unexpected question: " + question.text);
        const Answer a = answers.front();
        answers.pop_front();
        return a;
    }
    void tell(const std::string& text) override { told.push_back(text); }
    std::optional<std::string> choose_file_to_open(const FileDialogRequest&) override {
        if (open_choices.empty()) return std::nullopt;
        auto c = open_choices.front();
        open_choices.pop_front();
        return c;
    }
    std::optional<std::string> choose_file_to_save(const FileDialogRequest& request) override {
        save_requests.push_back(request);
        if (save_choices.empty()) return std::nullopt;
        auto c = save_choices.front();
        save_choices.pop_front();
        return c;
    }
};

class FakeScreens : public MainWindowScreens {
  public:
    std::function<void()> on_store_all; // stands for edits on the screens
    int loads = 0;
    std::string caption;
    std::vector<std::string> recent;

    void store_all_screens() override {
        if (on_store_all) on_store_all();
    }
    void store_shown_screen() override {}
    void load_all_screens() override { ++loads; }
    void set_caption(const std::string& text) override { caption = text; }
    void show_recent_files(const std::vector<std::string>& paths) override { recent = paths; }
};

class FakeSettings : public SettingsStore {
  public:
    std::vector<std::pair<std::string, std::string>> values; // in the order first stored

    std::string get(const std::string& section, const std::string& key) override {
        for (const auto& [k, v] : values)
            if (k == section + "/" + key) return v;
        return {};
    }
    void set(const std::string& section, const std::string& key,
             const std::string& value) override {
        for (auto& [k, v] : values)
            if (k == section + "/" + key) {
                v = value;
                return;
            }
        values.emplace_back(section + "/" + key, value);
    }
    std::vector<std::pair<std::string, std::string>> all(const std::string& section) override {
        std::vector<std::pair<std::string, std::string>> out;
        for (const auto& [k, v] : values)
            if (k.rfind(section + "/", 0) == 0) out.emplace_back(k.substr(section.size() + 1), v);
        return out;
    }
};

} // namespace wtn::test
