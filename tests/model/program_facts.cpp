#include "tests/model/program_facts.h"

namespace model {

std::vector<ChoiceItem> Items(const drill::ItemBank& bank) {
    std::vector<ChoiceItem> items;
    for (const drill::DrillItem& row : bank.Rows()) {
        items.push_back({row.Number, Text(row.Prompt), Text(row.CorrectOption), Text(row.FullText)});
    }
    return items;
}

std::vector<Sentence> Sentences(const drill::SentenceBank& bank) {
    std::vector<Sentence> sentences;
    for (const drill::SentenceItem& row : bank.Rows()) {
        sentences.push_back({row.Number, Text(row.ShownText), Text(row.ExpectedText)});
    }
    return sentences;
}

std::set<int> Numbers(int first, int last) {
    std::set<int> numbers;
    for (int number = first; number <= last; ++number) numbers.insert(number);
    return numbers;
}

}  // namespace model
