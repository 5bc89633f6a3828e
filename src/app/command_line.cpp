#include "app/command_line.h"

namespace brevant {
namespace {

// Reads arguments one after another. The end of the text or a zero
// character ends the line.
class CommandLineSplitter {
public:
    explicit CommandLineSplitter(std::wstring_view line) : line_(line) {}

    std::wstring Next()
    {
        SkipToArgument();
        // Arguments of any length are kept whole.
        std::wstring argument;
        auto keep = [&argument](wchar_t c) { argument += c; };
        while (Current() > L' ') {
            if (Current() == L'"') {
                ++at_;
                while (Current() != L'\0' && Current() != L'"')
                    keep(line_[at_++]);
                if (Current() == L'"')
                    ++at_;
            } else {
                keep(line_[at_++]);
            }
        }
        return argument;
    }

    bool AtEnd() const { return Current() == L'\0'; }

private:
    // Every character above the blank is an ordinary one.
    wchar_t Current() const { return at_ < line_.size() ? line_[at_] : L'\0'; }

    // Skips separators and any pair of quotes at the start of the argument.
    void SkipToArgument()
    {
        for (;;) {
            while (Current() != L'\0' && Current() <= L' ')
                ++at_;
            if (Current() != L'"' || at_ + 1 >= line_.size() || line_[at_ + 1] != L'"')
                return;
            at_ += 2;
        }
    }

    std::wstring_view line_;
    size_t at_ = 0;
};

}  // namespace

std::wstring CommandLineArgumentOf(std::wstring_view commandLine, int index)
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
