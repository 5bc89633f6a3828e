#include "app/command_line.h"

namespace brevant {
namespace {

// Reads arguments one after another. The end of the text or a zero
// character ends the line.
class CommandLineSplitter {
public:
    explicit CommandLineSplitter(std::string_view line) : line_(line) {}

    std::string Next()
    {
        SkipToArgument();
        // Arguments of any length are kept whole.
        std::string argument;
        auto keep = [&argument](char c) { argument += c; };
        while (Current() > ' ') {
            if (Current() == '"') {
                ++at_;
                while (Current() != '\0' && Current() != '"')
                    keep(line_[at_++]);
                if (Current() == '"')
                    ++at_;
            } else {
                keep(line_[at_++]);
            }
        }
        return argument;
    }

    bool AtEnd() const { return Current() == '\0'; }

private:
    // Bytes 128 to 255 are ordinary characters, so compare them unsigned.
    unsigned char Current() const { return at_ < line_.size() ? static_cast<unsigned char>(line_[at_]) : 0; }

    // Skips separators and any pair of quotes at the start of the argument.
    void SkipToArgument()
    {
        for (;;) {
            while (Current() != '\0' && Current() <= ' ')
                ++at_;
            if (Current() != '"' || at_ + 1 >= line_.size() || line_[at_ + 1] != '"')
                return;
            at_ += 2;
        }
    }

    std::string_view line_;
    size_t at_ = 0;
};

}  // namespace

std::string CommandLineArgumentOf(std::string_view commandLine, int index)
{
    if (index < 0)
        return {};
    CommandLineSplitter splitter(commandLine);
    for (int i = 0; i < index; ++i) {
        splitter.Next();
        if (splitter.AtEnd())
            return {};
    }
    return splitter.Next();
}

}  // namespace brevant
