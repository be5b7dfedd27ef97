#include "tests/model/program_facts.h"

namespace model {

namespace {

constexpr int kPlain = 0;
constexpr int kWarning = 48;
constexpr int kInformation = 64;

}  // namespace

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

ProgramFacts TavrelFacts(const drill::ItemBank& bank) {
    ProgramFacts facts;
    facts.Name = "Tavrel";
    facts.N = 23;
    facts.FirstOption = u"е";
    facts.SecondOption = u"и";
    facts.Title = u"Tavrel";
    facts.EndMessage = u"Опрос окончен.";
    facts.WarningStyle = kWarning;
    facts.EndStyle = kInformation;
    facts.Items = Items(bank);
    facts.Buttons = {"Правила", "Начало", "е", "и", "Ещё слово", "", "Выход"};
    return facts;
}

ProgramFacts GondilaFacts(const drill::ItemBank& bank) {
    ProgramFacts facts;
    facts.Name = "Gondila";
    facts.N = 31;
    facts.FirstOption = u"о";
    facts.SecondOption = u"е";
    facts.Title = u"Правописание Gondila";
    facts.EndMessage = u"Опрос окончен. Посмотрите результат.";
    facts.WarningStyle = kPlain;
    facts.EndStyle = kPlain;
    facts.Categories = {
        {1, 10, Control::Label6, Control::Label23},
        {11, 15, Control::Label13, Control::Label24},
        {16, 18, Control::Label15, Control::Label25},
        {19, 26, Control::Label17, Control::Label26},
        {27, 31, Control::Label19, Control::Label27},
    };
    facts.RuleLines = {
        {100, 100, u"1) В КОРНЕ СЛОВА пишется Ё."},
        {400, 400, u"Исключения: крыжовник, шов, капюшон, шорох, трущоба."},
        {100, 900, u"2) В ОКОНЧАНИЯХ И СУФФИКСАХ СУЩЕСТВИТЕЛЬНЫХ,"},
        {400, 1200, u"ПРИЛАГАТЕЛЬНЫХ, НАРЕЧИЙ (исключение: ещё)"},
        {400, 1500, u"под ударением пишется О, без ударения - Е."},
        {100, 2000, u"3) В ОКОНЧАНИЯХ ГЛАГОЛОВ (3л., ед.ч., наст. вр.)"},
        {400, 2300, u"под ударением пишется Ё (испечёт)"},
        {100, 2800, u"4) В СУФФИКСАХ СТРАДАТЕЛЬНЫХ ПРИЧАСТИЙ:"},
        {400, 3100, u"под ударением - ЁНН (испечённый)"},
        {400, 3400, u"без ударения - ЕНН (выращенный)."},
    };
    facts.Items = Items(bank);
    facts.Buttons = {"Правила", "Начало", "о", "ё (е)", "Ещё слово", "Результат", "Выход"};
    return facts;
}

ProgramFacts MirskavFacts(const drill::ItemBank& bank) {
    ProgramFacts facts;
    facts.Name = "Mirskav";
    facts.N = 18;
    facts.FirstOption = u"н";
    facts.SecondOption = u"нн";
    facts.Title = u"Правописание Mirskav";
    facts.EndMessage = u"Опрос окончен. Посмотрите результат.";
    facts.WarningStyle = kPlain;
    facts.EndStyle = kPlain;
    facts.Categories = {
        {1, 3, Control::Label6, Control::Label23},
        {4, 10, Control::Label13, Control::Label24},
        {11, 18, Control::Label15, Control::Label25},
    };
    facts.Items = Items(bank);
    facts.Buttons = {"Правила", "Начало", "-н-", "-нн-", "Далее", "Результат", "Выход"};
    return facts;
}

ProgramFacts FendrokFacts(const drill::ItemBank& bank) {
    ProgramFacts facts;
    facts.Name = "Fendrok";
    facts.N = 20;
    facts.FirstOption = u"н";
    facts.SecondOption = u"нн";
    facts.Title = u"Правописание Fendrok на -о и -е";
    facts.EndMessage = u"Опрос окончен.";
    facts.WarningStyle = kWarning;
    facts.EndStyle = kInformation;
    facts.Items = Items(bank);
    facts.Buttons = {"Правило", "Начало", "-н-", "-нн-", "Ещё слово", "", "Выход"};
    return facts;
}

ProgramFacts LuzemaFacts(const drill::SentenceBank& bank) {
    ProgramFacts facts;
    facts.Name = "Luzema";
    facts.Kind = Variant::Comma;
    facts.N = 9;
    facts.Title = u"Luzema";
    facts.EndMessage = u"Опрос окончен.";
    facts.WarningStyle = kWarning;
    facts.EndStyle = kInformation;
    facts.Sentences = Sentences(bank);
    facts.Buttons = {"Правило", "Начало", "Повтор, если текст испорчен", "Запятые расставлены", "Ещё предложение", "", "Выход"};
    return facts;
}

}  // namespace model
