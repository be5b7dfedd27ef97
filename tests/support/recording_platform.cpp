#include "tests/support/recording_platform.h"

#include <array>

namespace drill::testing {

std::string Utf8(TextView text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
        }
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

Text Utf16(std::string_view utf8) {
    Text out;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto byte = static_cast<unsigned char>(utf8[i]);
        const int length = byte < 0x80 ? 1 : byte < 0xE0 ? 2 : byte < 0xF0 ? 3 : 4;
        char32_t c = length == 1 ? byte : length == 2 ? (byte & 0x1F) : length == 3 ? (byte & 0x0F) : (byte & 0x07);
        for (int k = 1; k < length; ++k) c = (c << 6) | (static_cast<unsigned char>(utf8[i + static_cast<std::size_t>(k)]) & 0x3F);
        i += static_cast<std::size_t>(length);
        if (c >= 0x10000) {
            c -= 0x10000;
            out += static_cast<char16_t>(0xD800 + (c >> 10));
            out += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
        } else {
            out += static_cast<char16_t>(c);
        }
    }
    return out;
}

std::string FormName(Form form) { return "Form" + std::to_string(static_cast<int>(form) + 1); }

std::string RecordingPlatform::Caption(Control label, Form form) const {
    const auto found = captions.find({form, label});
    return found == captions.end() ? std::string{} : Utf8(found->second);
}

std::vector<std::string> RecordingPlatform::Messages() const {
    std::vector<std::string> messages;
    for (const std::string& line : log) {
        if (line.starts_with("message ")) messages.push_back(line);
    }
    return messages;
}

std::vector<std::string> RecordingPlatform::TakeLog() {
    std::vector<std::string> taken;
    taken.swap(log);
    return taken;
}

void RecordingPlatform::ScriptOrder(const std::vector<int>& order, int size) {
    for (const int number : order) {
        randomScript.push_back((static_cast<float>(number) - 0.5f) / static_cast<float>(size));
    }
}

void RecordingPlatform::SetCaption(Form form, Control label, TextView text) {
    captions[{form, label}] = Text(text);
    log.push_back((form == Form::Form1 ? "" : FormName(form) + ".") + std::string(ControlName(label)) + " = " + Utf8(text));
}

Text RecordingPlatform::GetText(Control) { return text1; }

void RecordingPlatform::SetText(Control textBox, TextView text) {
    text1 = Text(text);
    log.push_back(std::string(ControlName(textBox)) + " := " + Utf8(text));
}

void RecordingPlatform::ShowMessage(TextView text, MessageStyle style, TextView title) {
    log.push_back("message " + std::to_string(static_cast<int>(style)) + " [" + Utf8(title) + "] " + Utf8(text));
}

void RecordingPlatform::ShowWindow(Form form) { log.push_back("show " + FormName(form)); }

void RecordingPlatform::PlotPoint(Form form, int x, int y) {
    log.push_back("plot " + FormName(form) + " " + std::to_string(x) + "," + std::to_string(y));
}

void RecordingPlatform::PrintLine(Form form, TextView text) {
    log.push_back("print " + FormName(form) + " " + Utf8(text));
}

void RecordingPlatform::ReseedRandom() { log.push_back("reseed"); }

float RecordingPlatform::NextRandom() {
    ++randomCalls;
    if (!randomScript.empty()) {
        const float r = randomScript.front();
        randomScript.pop_front();
        return r;
    }
    return static_cast<float>(fallback_() >> 8) * 0x1p-24f;
}

void RecordingPlatform::EndProgram() {
    ended = true;
    log.push_back("end");
}

}  // namespace drill::testing
