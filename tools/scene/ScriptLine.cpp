#include "tools/scene/ScriptLine.h"

#include "tools/scene/ScriptError.h"

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// Walks a line once, tracking whether it stands inside a quote or a group.
class TLineSplitter {
public:
    std::vector<std::string> Split(std::string_view line) {
        for (char c : line) {
            if (!quoted_ && c == '#') break;
            Take(c);
        }
        if (quoted_) throw TScriptError("unterminated quoted string");
        if (depth_ > 0) throw TScriptError("unclosed '[' or '{'");
        EndWord();
        return std::move(words_);
    }

private:
    void Take(char c) {
        if (quoted_) {
            TakeQuoted(c);
            return;
        }
        if (IsBlank(c) && depth_ == 0) {
            EndWord();
            return;
        }
        if (c == '"') quoted_ = true;
        if (c == '[' || c == '{') ++depth_;
        if ((c == ']' || c == '}') && --depth_ < 0) throw TScriptError(std::string("unexpected '") + c + "'");
        word_ += c;
    }

    void TakeQuoted(char c) {
        word_ += c;
        if (escaped_)
            escaped_ = false;
        else if (c == '\\')
            escaped_ = true;
        else if (c == '"')
            quoted_ = false;
    }

    void EndWord() {
        if (!word_.empty()) words_.push_back(std::move(word_));
        word_.clear();
    }

    std::vector<std::string> words_;
    std::string word_;
    bool quoted_ = false;
    bool escaped_ = false;
    int depth_ = 0;
};

}  // namespace

std::vector<std::string> SplitScriptLine(std::string_view line) {
    return TLineSplitter().Split(line);
}
