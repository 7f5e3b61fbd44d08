#include "program_runs.h"

#include "box_line.h"

#include <cstdio>

namespace wtn::mainwin {

ProcessRequest program_request(const ProgramStart& start) {
    ProcessRequest request;
    request.program = start.programs_dir;
    if (!request.program.empty() && request.program.back() != '/') request.program += '/';
    request.program += start.name;
    request.args = start.args;
    request.work_dir = start.work_dir;
    request.env.emplace_back(kBoxPipeVariable, "1");
    return request;
}

std::optional<std::string> answer_program_line(MessageBoxes& boxes, const std::string& line) {
    std::optional<BoxLine> box = parse_box_line(line);
    if (!box) {
        std::fprintf(stderr, "%s\n", line.c_str());
        std::fflush(stderr);
        return std::nullopt;
    }
    if (box->kind == BoxKind::ok) {
        // A box titled "error" is the fatal message that stops the chain.
        const bool fatal = box->title == kBatchErrorTitle;
        show_note(boxes, box->title, box->text, fatal ? BoxIcon::Critical : BoxIcon::Information);
        return std::nullopt;
    }
    MessageRequest request;
    request.title = box->title;
    request.text = box->text;
    request.icon = BoxIcon::Question;
    request.buttons = BoxButtons::YesNo;
    request.default_button = BoxAnswer::Yes;
    // Only Yes goes on: a box closed without an answer stops the program.
    return boxes.show(request) == BoxAnswer::Yes ? kBoxAnswerYes : kBoxAnswerNo;
}

int run_program(ProcessRunner& runner, MessageBoxes& boxes, const ProgramStart& start) {
    return runner.run_and_wait(program_request(start), [&boxes](const std::string& line) {
        return answer_program_line(boxes, line);
    });
}

std::string program_end_message(const std::string& name, int code) {
    if (code == kProgramNotStarted) {
        return "プログラム " + name +
               " を起動できません。\nプログラムフォルダにないか、実行できません。";
    }
    if (code == kProgramCrashed) {
        return "プログラム " + name + " が異常終了しました。";
    }
    return "プログラム " + name + " が終了コード " + std::to_string(code) + " で終了しました。";
}

void report_program_end(MessageBoxes& boxes, const std::string& name, int code) {
    show_note(boxes, kAppTitle, program_end_message(name, code) + "\n処理を中断します。",
              BoxIcon::Exclamation);
}

} // namespace wtn::mainwin
