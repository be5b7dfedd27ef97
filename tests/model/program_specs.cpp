#include "program_specs.h"

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

ProgramSpec TavrelSpec(const drill::ItemBank& bank) {
    ProgramSpec spec;
    spec.Name = "Tavrel";
    spec.N = 23;
    spec.FirstOption = u"е";
    spec.SecondOption = u"и";
    spec.Title = u"Tavrel";
    spec.EndMessage = u"Опрос окончен.";
    spec.WarningStyle = kWarning;
    spec.EndStyle = kInformation;
    spec.Items = Items(bank);
    spec.Buttons = {"Правила", "Начало", "е", "и", "Ещё слово", "", "Выход"};
    return spec;
}

ProgramSpec GondilaSpec(const drill::ItemBank& bank) {
    ProgramSpec spec;
    spec.Name = "Gondila";
    spec.N = 31;
    spec.FirstOption = u"о";
    spec.SecondOption = u"е";
    spec.Title = u"Правописание Gondila";
    spec.EndMessage = u"Опрос окончен. Посмотрите результат.";
    spec.WarningStyle = kPlain;
    spec.EndStyle = kPlain;
    spec.Categories = {
        {1, 10, Control::Label6, Control::Label23},
        {11, 15, Control::Label13, Control::Label24},
        {16, 18, Control::Label15, Control::Label25},
        {19, 26, Control::Label17, Control::Label26},
        {27, 31, Control::Label19, Control::Label27},
    };
    spec.RuleLines = {
        {100, 100, u"1) В КОРНЕ СЛОВА пишется Ё."},
        {400, 400, u"Исключения: крыжовник, шов, капюшон, шорох, трущоба."},
        {100, 900, u"2) В ОКОНЧАНИЯХ И СУФФИКСАХ СУЩЕСТВИТЕЛЬНЫХ,"},
        {400, 1200, u"ПРИЛАГАТЕЛЬНЫХ, НАРЕЧИЙ (исключение: ещё)"},
        {400, 1500, u"под ударением пишется О, без ударения - Ё."},
        {100, 2000, u"3) В ОКОНЧАНИЯХ ГЛАГОЛОВ (3л., ед.ч., наст. вр.)"},
        {400, 2300, u"под ударением пишется Ё (испечёт)"},
        {100, 2800, u"4) В СУФФИКСАХ СТРАДАТЕЛЬНЫХ ПРИЧАСТИЙ:"},
        {400, 3100, u"под ударением - ЁНН (испечённый)"},
        {400, 3400, u"без ударения - ЕНН (выращенный)."},
    };
    spec.Items = Items(bank);
    spec.Buttons = {"Правила", "Начало", "о", "ё (е)", "Ещё слово", "Результат", "Выход"};
    return spec;
}

ProgramSpec MirskavSpec(const drill::ItemBank& bank) {
    ProgramSpec spec;
    spec.Name = "Mirskav";
    spec.N = 18;
    spec.FirstOption = u"н";
    spec.SecondOption = u"нн";
    spec.Title = u"Правописание Mirskav";
    spec.EndMessage = u"Опрос окончен. Посмотрите результат.";
    spec.WarningStyle = kPlain;
    spec.EndStyle = kPlain;
    spec.Categories = {
        {1, 3, Control::Label6, Control::Label23},
        {4, 10, Control::Label13, Control::Label24},
        {11, 18, Control::Label15, Control::Label25},
    };
    spec.Items = Items(bank);
    spec.Buttons = {"Правила", "Начало", "-н-", "-нн-", "Далее", "Результат", "Выход"};
    return spec;
}

ProgramSpec FendrokSpec(const drill::ItemBank& bank) {
    ProgramSpec spec;
    spec.Name = "Fendrok";
    spec.N = 20;
    spec.FirstOption = u"н";
    spec.SecondOption = u"нн";
    spec.Title = u"Правописание Fendrok на -о и -е";
    spec.EndMessage = u"Опрос окончен.";
    spec.WarningStyle = kWarning;
    spec.EndStyle = kInformation;
    spec.Items = Items(bank);
    spec.Buttons = {"Правило", "Начало", "-н-", "-нн-", "Ещё слово", "", "Выход"};
    return spec;
}

ProgramSpec LuzemaSpec(const drill::SentenceBank& bank) {
    ProgramSpec spec;
    spec.Name = "Luzema";
    spec.Kind = Variant::Comma;
    spec.N = 9;
    spec.Title = u"Luzema";
    spec.EndMessage = u"Опрос окончен.";
    spec.WarningStyle = kWarning;
    spec.EndStyle = kInformation;
    spec.Sentences = Sentences(bank);
    spec.Buttons = {"Правило", "Начало", "Повтор, если текст испорчен", "Запятые расставлены", "Ещё предложение", "", "Выход"};
    return spec;
}

}  // namespace model
