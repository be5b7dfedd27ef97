#pragma once
// A pass of the sentence drill on the recording platform, under Luzema's title, and the messages
// it logs.

#include <string>
#include <string_view>
#include <vector>

#include "engine/comma_drill.h"
#include "tests/support/expected_texts.h"
#include "tests/support/recording_platform.h"

namespace drill::testing {

inline const std::string CommaRulesWarningLine = expected::RulesWarningLine(48, "Luzema");
inline const std::string RestoreWarningLine = expected::MessageLine(48, "Luzema", expected::RestoreWarning);
inline const std::string ConfirmWarningLine = expected::MessageLine(48, "Luzema", expected::ConfirmWarning);
inline const std::string CommaEndLine = expected::MessageLine(64, "Luzema", expected::EndMessage);

// The drill of a bank whose draw shows the sentences in the given order.
struct CommaPass {
    RecordingPlatform platform;
    CommaDrill drill;

    CommaPass(const SentenceBank& bank, const std::vector<int>& order);

    void Start() { drill.StartRound(); }
    void Press(Control button) { drill.Press(button); }
    // Leaves the text in the box, as the pupil's typing does.
    void Type(TextView text) { platform.text1 = Text(text); }
    void Type(std::string_view utf8) { platform.text1 = Utf16(utf8); }
    // The sentence on show, as the bank has it.
    const SentenceItem& Row() const { return bank_.Row(drill.Order().Slot(drill.Position())); }

private:
    const SentenceBank& bank_;
};

}  // namespace drill::testing
