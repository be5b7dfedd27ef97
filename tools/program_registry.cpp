// Writes what each program's description says that the scripts need, for the table of the programs
// (cmake/WriteProgramTable.cmake): one line per program, its fields separated by tabs, after a line
// naming them.
//   program_registry FILE
// Fields: the program's word; its main window's caption; the keys, as xdotool names them, that give
// the item on show its first answer and its second (a text box's answer is its text as it stands,
// checked by the submit key).

#include <cstdio>
#include <fstream>
#include <string>

#include "programs/registry.h"
#include "ui/utf8.h"

namespace {

// The key of an answer button: the first of its characters; an answer box: Ctrl+Enter.
std::string AnswerKey(const drillui::KeyTable& keys, std::size_t answer) {
    if (answer < keys.answers.size()) return drillui::Utf8(keys.answers[answer].characters.substr(0, 1));
    return keys.answerBox ? "ctrl+Return" : "";
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: program_registry FILE\n");
        return 2;
    }
    std::ofstream table(argv[1]);
    table << "name\tcaption\tfirst_answer_key\tsecond_answer_key\n";
    for (const programs::Registered& registered : programs::All()) {
        const drillui::ProgramDescription& program = registered.program();
        table << registered.name << '\t' << drillui::Utf8(program.forms.front().caption) << '\t'
              << AnswerKey(program.keys, 0) << '\t' << AnswerKey(program.keys, 1) << '\n';
    }
    table.close();
    if (!table) {
        std::fprintf(stderr, "program_registry: could not write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
